// An airship in side view: the silvered envelope lit from above, its fins and the car slung
// beneath with the engines' blurred propellers.
#pragma once

#include <QPointF>

struct SceneContext;

// centre of the envelope on the canvas; length in pixels; pitch in radians, nose up positive.
void PaintAirship(SceneContext& scene, QPointF centre, double length, bool noseRight, double pitch,
                  double depth);
