// A town street seen from the middle of the road: paving, rows of houses converging on a
// tower that closes the view. Markets and historic towns are built on it.
#pragma once

#include "tools/mkedition/scenes/camera.h"

struct SceneContext;

struct StreetPlan {
    double width = 12;    // between the house fronts
    double length = 120;  // how far the rows run
    bool shops = false;   // ground floors are shops
    bool cobbles = true;
};

void PaintStreet(SceneContext& scene, const Camera& camera, const StreetPlan& plan);
