// A stretch of flat ground between two x lines and two depths, trimmed to what the camera
// sees: corners behind or beside the eye would project wildly.
#pragma once

#include "tools/mkedition/scenes/solids.h"

void PaintGroundPlane(SceneContext& scene, const Camera& camera, double x0, double x1, double z0,
                      double z1, double y, const Material& material, const FaceDetail& detail = {});
