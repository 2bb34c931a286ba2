#include "tools/mkedition/scenes/classical.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

void PaintColumn(SceneContext& scene, const Camera& camera, double x, double z, double radius,
                 double base, double height, const Material& material) {
    const double plinth = radius * 2.6;
    PaintBox(scene, camera, Box{x - plinth / 2, z - plinth / 2, plinth, plinth, radius * 0.6, base},
             material);
    PaintFrustum(scene, camera, Round{x, z, radius}, base + radius * 0.6,
                 base + height - radius * 0.9, radius * 0.85, material);
    PaintBox(scene, camera,
             Box{x - plinth / 2, z - plinth / 2, plinth, plinth, radius * 0.9,
                 base + height - radius * 0.9},
             material);
}

void PaintSteps(SceneContext& scene, const Camera& camera, const Box& footprint, int steps,
                const Material& material) {
    const double rise = footprint.height / steps;
    const double tread = footprint.depth / steps;
    for (int i = 0; i < steps; ++i) {
        const Box step{footprint.x + i * 0.15,
                       footprint.z + i * tread,
                       footprint.width - i * 0.3,
                       footprint.depth - i * tread,
                       rise,
                       footprint.base + i * rise};
        PaintBox(scene, camera, step, material);
    }
}

void PaintPortico(SceneContext& scene, const Camera& camera, double centreX, double z, double width,
                  double depth, double height, int columns, const Material& material) {
    const double stepHeight = 1.2;
    PaintSteps(scene, camera,
               Box{centreX - width / 2 - 1, z - 2, width + 2, depth + 2, stepHeight, 0}, 4,
               material);
    const double radius = width / columns * 0.16;
    const double entablature = height * 0.12;
    const double columnHeight = height - entablature;
    // The back wall of the porch is in shadow; columns stand in front of it.
    const Box porch{centreX - width / 2, z + radius * 2, width,
                    depth - radius * 2,  columnHeight,   stepHeight};
    const Material recess{Scaled(material.colour, 0.7), Masonry::Smooth};
    PaintBox(scene, camera,
             Box{porch.x, porch.z + porch.depth - 0.3, porch.width, 0.3, porch.height, porch.base},
             recess,
             BoxFaces{[](QPainter& p, double w, double) {
                          p.fillRect(QRectF(w / 2 - 1.1, 0, 2.2, 3.6), QColor(40, 30, 26));
                      },
                      {},
                      {},
                      {},
                      {}});
    // Far columns first, so that the nearer ones stand in front.
    const double pitch = (width - radius * 2) / (columns - 1);
    std::vector<double> xs;
    for (int i = 0; i < columns; ++i) xs.push_back(centreX - width / 2 + radius + i * pitch);
    const double eyeX = camera.Eye().x;
    std::sort(xs.begin(), xs.end(),
              [eyeX](double a, double b) { return std::abs(a - eyeX) > std::abs(b - eyeX); });
    for (double x : xs)
        PaintColumn(scene, camera, x, z + radius * 1.3, radius, stepHeight, columnHeight, material);
    const Box beam{centreX - width / 2 - 0.3, z, width + 0.6, depth, entablature,
                   stepHeight + columnHeight};
    const FaceDetail frieze = [](QPainter& p, double w, double h) {
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(QRectF(0, h * 0.55, w, h * 0.06));
        p.drawRect(QRectF(0, 0, w, h * 0.08));
    };
    PaintBox(scene, camera, beam, material, BoxFaces{frieze, {}, {}, {}, {}});
    const FaceDetail tympanum = [](QPainter& p, double w, double h) {
        // The raking cornice casts a shadow into the tympanum.
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawPolygon(
            QPolygonF({QPointF(0, 0), QPointF(w / 2, h), QPointF(w, 0), QPointF(w - 0.6, 0.3),
                       QPointF(w / 2, h - 0.5), QPointF(0.6, 0.3)}));
    };
    PaintRoof(scene, camera, beam,
              RoofDesign{Roof::GableEndOn, width * 0.18,
                         Material{Scaled(material.colour, 0.8), Masonry::Slate}, material, 0.3,
                         tympanum});
}

void PaintBalustrade(SceneContext& scene, const Camera& camera, const Box& box,
                     const Material& material) {
    const double top = box.base + box.height;
    QPainter& p = scene.painter;
    const double scale = camera.Scale(box.x, box.z);
    const QColor colour = Distant(scene.mood, Lit(scene.mood, material.colour),
                                  HazeAt(scene, camera, {box.x, 0, box.z}));
    p.setPen(QPen(colour, std::max(0.6, scale * 0.15)));
    for (double x = box.x + 0.3; x < box.x + box.width; x += 0.45)
        p.drawLine(camera.Project(x, top, box.z), camera.Project(x, top + 0.8, box.z));
    PaintBox(scene, camera, Box{box.x, box.z, box.width, 0.4, 0.2, top + 0.8}, material);
}
