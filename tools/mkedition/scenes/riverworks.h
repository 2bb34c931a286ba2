// The waterside: a quay wall across the view with the water in front mirroring it, long brick
// storehouses with their stacked loading doors, and iron cranes, for docks, yards and rivers.
#pragma once

#include "tools/mkedition/scenes/camera.h"

class SceneRandom;
struct SceneContext;
struct Box;

// A wall of stone height metres tall along depth z across the whole view, and still water
// from its foot to the bottom of the picture reflecting all above. Returns the waterline row.
double PaintQuayAndWater(SceneContext& scene, const Camera& camera, double z, double height);
// A brick range of storeys, rows of small windows and (with doors) a column of loading doors
// one above another under a hoist beam.
void PaintStorehouse(SceneContext& scene, const Camera& camera, SceneRandom& random,
                     const Box& footprint, int storeys, bool doors);
// An iron crane on the quay: post, raking jib and the hook hanging from its end.
void PaintJibCrane(SceneContext& scene, const Camera& camera, Vec3 foot, double height,
                   bool reachRight);
