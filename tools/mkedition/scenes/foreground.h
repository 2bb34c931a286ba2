// Things near the viewer that lead the eye in: paths, walls, fences, flowers in the grass.
#pragma once

#include <QColor>

#include "tools/mkedition/scenes/camera.h"

class SceneRandom;
struct SceneContext;

// A path on the ground from near (under the viewer's feet) to far, width metres wide.
void PaintPath(SceneContext& scene, const Camera& camera, Vec3 near, Vec3 far, double width,
               const QColor& colour);
// A dry-stone wall along x at depth z, from x0 to x1.
void PaintStoneWall(SceneContext& scene, const Camera& camera, double x0, double x1, double z,
                    double height);
// Posts and rails along x at depth z.
void PaintFence(SceneContext& scene, const Camera& camera, double x0, double x1, double z);
// A paved square from depth z0 to z1, in flags of size metres, filling the view's width.
void PaintFlagstones(SceneContext& scene, const Camera& camera, double z0, double z1, double size,
                     const QColor& colour);
// A cast-iron street lamp, lit in the evening.
void PaintLampPost(SceneContext& scene, const Camera& camera, Vec3 foot);
// Flowers of the season scattered in the grass between two screen rows.
void PaintFlowers(SceneContext& scene, double topY, double bottomY, int count);
