// Stands of tiered seats under a roof, full of spectators: the sides of a stadium, the
// grandstand of a racecourse, the seats beside a cricket pavilion.
#pragma once

#include <QColor>

#include "tools/mkedition/scenes/camera.h"

class SceneRandom;
struct SceneContext;

struct StandPlan {
    Vec3 from, to;  // the front edge on the ground; the tiers rise behind it, away from the eye
    double depth = 20;
    double height = 12;
    bool roof = true;
    double full = 0.8;  // the share of seats taken
    QColor seats = QColor(150, 40, 40);
    QColor structure = QColor(200, 196, 188);
};

void PaintStand(SceneContext& scene, const Camera& camera, SceneRandom& random,
                const StandPlan& plan);
