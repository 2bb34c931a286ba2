// The sky down to the horizon: gradient, sun and clouds for the picture's weather. The
// horizon it is painted to becomes the scene's eye level.
#pragma once

struct SceneContext;

void PaintSky(SceneContext& scene, double horizonY);
