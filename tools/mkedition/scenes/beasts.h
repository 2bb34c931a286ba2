// Animals of the farm, the park and the shore in side view: sheep, horses, donkeys, deer and
// wolves on four legs, seals hauled out, swans and herons, seabirds; each shaded from the
// sun's side and standing on its shadow.
#pragma once

#include <QPointF>

class SceneRandom;
struct SceneContext;

enum class Beast { Sheep, Horse, Donkey, Deer, Wolf, Seal, Swan, Heron, Seabird, Otter };

// foot: the ground (or waterline) under the animal's middle; scale: pixels per metre there;
// depth: 0 near .. 1 far, for the haze.
void PaintBeast(SceneContext& scene, SceneRandom& random, Beast beast, QPointF foot, double scale,
                bool facingRight, double depth);
// A bird in flight, a shallow M, span in pixels.
void PaintFlyingBird(SceneContext& scene, QPointF at, double span, bool dark);
