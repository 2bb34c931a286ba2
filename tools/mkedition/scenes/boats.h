// Boats afloat: fishing boats with wheelhouses and masts, yachts, rowing boats, each with its
// reflection.
#pragma once

#include "tools/mkedition/scenes/camera.h"

class SceneRandom;
struct SceneContext;

enum class BoatKind { Fishing, Yacht, Rowing };

// waterline: the middle of the boat where it sits in the water; length in metres.
void PaintBoat(SceneContext& scene, const Camera& camera, SceneRandom& random, Vec3 waterline,
               double length, BoatKind kind);
