// The two mini-map files and the seed words their pixel rows are scrambled with. mkedition and
// the control screen must agree on them: changing one makes the built mini maps unreadable.
#pragma once

// Shown when the screen is exactly 600 pixels high.
constexpr char kSmallMiniMapFile[] = "mimimi.bmp";
constexpr char kSmallMiniMapSeed[] = "Fern";
// Shown on every larger screen, scaled down to fit.
constexpr char kLargeMiniMapFile[] = "mimi.bmp";
constexpr char kLargeMiniMapSeed[] = "Vale";
