// Low plants the wilder painters share: fern fronds and clumps, heather and bracken, sedge.
#pragma once

#include <QColor>
#include <QPointF>

class SceneRandom;
struct SceneContext;

// One arching frond from its root: angle in radians from straight up (positive leans right).
void PaintFernFrond(SceneContext& scene, QPointF root, double length, double angle,
                    const QColor& colour);
// A shuttlecock of fronds, lit on the sun's side.
void PaintFernClump(SceneContext& scene, SceneRandom& random, QPointF root, double size,
                    double depth);
// Heather and bracken in clumps over the band from topY to bottomY, larger nearer the viewer.
void PaintHeather(SceneContext& scene, SceneRandom& random, const QColor& heather, double topY,
                  double bottomY, int count);
// A tussock of sedge or rush: a fountain of thin blades.
void PaintTussock(SceneContext& scene, SceneRandom& random, QPointF root, double size,
                  double depth);
