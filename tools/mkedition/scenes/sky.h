// The sky down to the horizon: gradient, sun and clouds for the picture's weather.
#pragma once

struct SceneContext;

void PaintSky(SceneContext& scene, double horizonY);
