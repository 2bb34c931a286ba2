#include "tools/mkedition/scenes/gothicfront.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"

FaceDetail GothicBays(const SceneContext& scene, const QColor& stone, double bay, int storeys) {
    const OpeningLook look = WindowLook(scene, stone);
    return [=](QPainter& p, double w, double h) {
        const int bays = std::max(1, static_cast<int>(w / bay));
        const double step = w / bays, storey = (h - 2) / storeys;
        p.setPen(Qt::NoPen);
        for (int s = 0; s < storeys; ++s)
            PaintWindowRow(p, 0, w, 1.5 + s * storey, bays, step * 0.42, storey * 0.62,
                           Arch::Pointed, look, 2, 3);
        // Buttress shafts between the bays and a string course at every floor.
        for (int i = 0; i <= bays; ++i) {
            p.setBrush(Scaled(stone, 1.12));
            p.drawRect(QRectF(i * step - step * 0.07, 0, step * 0.1, h));
            p.setBrush(QColor(0, 0, 0, 45));
            p.drawRect(QRectF(i * step + step * 0.03, 0, step * 0.04, h));
        }
        p.setBrush(QColor(0, 0, 0, 35));
        for (int s = 1; s <= storeys; ++s) p.drawRect(QRectF(0, 1.2 + s * storey, w, 0.25));
        // The traceried parapet.
        p.setBrush(Scaled(stone, 1.08));
        p.drawRect(QRectF(0, h - 1.2, w, 1.2));
        p.setBrush(QColor(0, 0, 0, 40));
        for (double x = 0.3; x < w; x += 1.2) p.drawRect(QRectF(x, h - 1.0, 0.5, 0.7));
    };
}

void PaintPinnacles(SceneContext& scene, const Camera& camera, const Box& box, double spacing,
                    bool gilded) {
    const QColor stone = LightFace(scene, QColor(200, 184, 150), {0, 0, -1});
    const double depth = HazeAt(scene, camera, {box.x, box.height, box.z});
    const QColor body = Distant(scene.mood, stone, depth);
    const QColor tip = Distant(scene.mood, gilded ? QColor(236, 190, 80) : stone, depth);
    const FaceDetail spikes = [=](QPainter& p, double w, double h) {
        p.setPen(Qt::NoPen);
        const int count = std::max(1, static_cast<int>(w / spacing));
        for (int i = 0; i <= count; ++i) {
            const double x = w * i / count;
            QPainterPath spike;
            spike.moveTo(x - 0.45, 0);
            spike.lineTo(x + 0.45, 0);
            spike.lineTo(x + 0.3, h * 0.55);
            spike.lineTo(x, h);
            spike.lineTo(x - 0.3, h * 0.55);
            spike.closeSubpath();
            p.setBrush(body);
            p.drawPath(spike);
            p.setBrush(tip);
            p.drawEllipse(QPointF(x, h * 0.96), 0.22, 0.3);
        }
    };
    const double top = box.base + box.height;
    PaintDecal(scene, camera, {box.x, top, box.z}, {box.x + box.width, top, box.z},
               std::min(4.0, spacing * 0.9), spikes);
}

FaceDetail ClockFace(const SceneContext& scene, double diameter, double centreY, bool lit) {
    const QColor dial = lit ? QColor(255, 236, 170) : QColor(236, 232, 220);
    const QColor gold = Distant(scene.mood, QColor(200, 160, 70), 0.1);
    return [=](QPainter& p, double w, double) {
        const QPointF centre(w / 2, centreY);
        const double r = diameter / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawEllipse(centre, r * 1.15, r * 1.15);
        p.setBrush(dial);
        p.drawEllipse(centre, r, r);
        p.setBrush(QColor(30, 30, 34));
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6;
            p.drawEllipse(centre + QPointF(std::cos(a) * r * 0.85, std::sin(a) * r * 0.85),
                          r * 0.05, r * 0.05);
        }
        p.setPen(QPen(QColor(20, 20, 24), r * 0.08, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre, centre + QPointF(r * 0.45, r * 0.3));
        p.drawLine(centre, centre + QPointF(-r * 0.15, r * 0.75));
        p.setPen(Qt::NoPen);
    };
}
