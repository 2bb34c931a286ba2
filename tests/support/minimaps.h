// Mini-map files for tests: each one plain colour, so a test can tell which one was loaded.
#pragma once

#include <QColor>

class DataDirectory;

constexpr QRgb kSmallMiniMapColour = 0xFF2060A0;
constexpr QRgb kLargeMiniMapColour = 0xFF406020;

void WriteMiniMaps(const DataDirectory& dir);
