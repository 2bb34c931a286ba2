// A Gothic Revival front: bays of tall pointed windows between buttress shafts, a parapet
// crowned with pinnacles, and towers with clock faces, for parliaments and town halls.
#pragma once

#include "tools/mkedition/scenes/solids.h"

// The face of a long range: bays metres wide, storeys of pointed windows.
FaceDetail GothicBays(const SceneContext& scene, const QColor& stone, double bay, int storeys);
// Pinnacles standing along the top front edge of a box; gilded makes their tips gold.
void PaintPinnacles(SceneContext& scene, const Camera& camera, const Box& box, double spacing,
                    bool gilded);
// A clock face with its hands, lit from behind after dark, on a face of width metres at height.
FaceDetail ClockFace(const SceneContext& scene, double diameter, double centreY, bool lit);
