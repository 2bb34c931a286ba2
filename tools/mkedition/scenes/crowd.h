// People standing about on the ground: painted far to near, so the nearer stand in front.
#pragma once

#include <vector>

#include "tools/mkedition/scenes/camera.h"

class SceneRandom;
struct SceneContext;

void PaintCrowd(SceneContext& scene, const Camera& camera, SceneRandom& random,
                std::vector<Vec3> feet);
