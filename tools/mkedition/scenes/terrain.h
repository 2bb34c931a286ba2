// The land: hill skylines, patchwork fields, meadows in the foreground.
#pragma once

#include <QColor>
#include <QPainterPath>

class SceneRandom;
struct SceneContext;

// A skyline of hills: a few long waves with random phases added together.
class Ridge {
  public:
    // roughness 0 = smooth downs, 1 = craggy moor.
    Ridge(SceneRandom& random, double baseY, double amplitude, double width, double roughness);
    double At(double x) const;
    // The hills sink to nothing between fullAtX and zeroAtX (either order): a headland's end.
    void Taper(double fullAtX, double zeroAtX);
    // The area below the skyline down to bottomY, across width.
    QPainterPath Area(double width, double bottomY) const;

  private:
    struct Wave {
        double frequency, phase, weight;
    };
    double base_;
    double amplitude_;
    double taperFull_ = 0, taperZero_ = 0;
    Wave waves_[5];
};

// Hills hazed by depth (0 near .. 1 far), lighter on their crests.
void PaintHillLayer(SceneContext& scene, const Ridge& ridge, double depth, const QColor& colour,
                    double bottomY);
// One to three ranges of hills standing on the horizon.
void PaintDistantHills(SceneContext& scene, double horizonY, double height, int layers);
// Fields and hedgerows on a slope between a skyline and bottomY.
void PaintFields(SceneContext& scene, const Ridge& ridge, double bottomY, double depth);
// Grass from topY down to bottomY, textured near the viewer.
void PaintMeadow(SceneContext& scene, double topY, double bottomY);
// Grass blades along the bottom edge, to give the foreground a texture.
void PaintGrassBlades(SceneContext& scene, double topY, double bottomY, int count);
