// Walls that have lost their tops: broken, stepped skylines and ivy, for castles and abbeys
// left to the weather.
#pragma once

#include "tools/mkedition/scenes/solids.h"

class SceneRandom;

// damage 0..1: how much of the height the broken top may lose.
void PaintRuinedBox(SceneContext& scene, const Camera& camera, const Box& box,
                    const Material& material, double damage, const BoxFaces& faces = {});
// Dark green ivy climbing a face from its foot.
void PaintIvy(QPainter& painter, SceneRandom& random, const QColor& leaf, double width,
              double height);
