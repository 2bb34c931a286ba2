// People: small figures that give a street, a market or a lawn its scale and its life.
#pragma once

#include <QColor>
#include <QPointF>

class SceneRandom;
struct SceneContext;

// A standing or walking figure, feet at foot, height pixels tall, hazed by depth.
void PaintPerson(SceneContext& scene, SceneRandom& random, QPointF foot, double height,
                 double depth);
