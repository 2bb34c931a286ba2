// The world behind a subject: sky, then the sea or a country of hills and woods, then grass
// up to the viewer. Sets the scene's horizon.
#pragma once

struct SceneContext;

struct BackdropStyle {
    bool sea = false;        // open sea on the horizon
    double hillHeight = 30;  // of the distant hills, in units
    bool woods = true;       // a line of trees in the middle distance
};

void PaintBackdrop(SceneContext& scene, double horizonY, const BackdropStyle& style);
// Only the sky and a low line of far hills: what shows over a town's roofs.
void PaintSkyline(SceneContext& scene, double horizonY, double hillHeight);
