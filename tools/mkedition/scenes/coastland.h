// The coast: headlands of cliff with grassy tops standing out of the sea one behind another,
// the beach, and the gulls over it.
#pragma once

#include <QPolygonF>

#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/solids.h"

struct SceneContext;

enum class Rock { Chalk, Sandstone, Granite };

struct Headland {
    double distance = 300;  // metres to its seaward face
    double height = 50;     // of the cliff top above the sea
    double tip = 0.4;       // how far across the picture it reaches from its side, 0..1
    bool landOnLeft = true;
    Rock rock = Rock::Chalk;
    bool stack = false;  // a pillar of rock standing off the tip
};

struct HeadlandShape {
    QPolygonF top;  // the grass edge, from the picture's side to the tip
    QPointF tip;    // where the cliff top ends over the sea
    double seaY;    // the foot of the cliff
};

// The sea must already be painted; the eye stands eyeHeight above it.
HeadlandShape PaintHeadland(SceneContext& scene, const Camera& camera, const Headland& headland);
Material RockMaterial(Rock rock);
// Sky with gulls over open sea from the horizon to the bottom of the picture.
void PaintSeaView(SceneContext& scene, double horizonY);
