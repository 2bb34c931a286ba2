// The ground of the shore, from the water's edge to the viewer's feet: sand, shingle and rock
// ledges, for the beach and for the animals that live on it.
#pragma once

#include <QPainterPath>

class SceneRandom;
struct SceneContext;

// Sand from shoreY down, wet and shining at the water, with ripples and footprints; returns
// its outline.
QPainterPath PaintSand(SceneContext& scene, SceneRandom& random, double shoreY, double tilt);
// Grey and brown pebbles banked up from the water.
QPainterPath PaintShingle(SceneContext& scene, SceneRandom& random, double shoreY, double tilt);
// Dark rock ledges running out into the sea, weed on them and pools of sky between.
void PaintRockLedges(SceneContext& scene, SceneRandom& random, double topY);
// Marram grass in tufts over the ground between two rows.
void PaintMarram(SceneContext& scene, SceneRandom& random, double topY, double bottomY, int tufts);
