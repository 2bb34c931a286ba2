#include "tools/mkedition/scenes/room.h"

#include <QPainterPath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"

void PaintRoom(SceneContext& scene, const Camera& camera, const Room& r) {
    const double h = r.height;
    PaintPlane(scene, camera,
               {{r.x0, h, r.zFar}, {r.x1, h, r.zFar}, {r.x1, h, r.zNear}, {r.x0, h, r.zNear}},
               r.ceiling, r.ceilingDetail);
    PaintPlane(scene, camera,
               {{r.x0, 0, r.zFar}, {r.x1, 0, r.zFar}, {r.x1, h, r.zFar}, {r.x0, h, r.zFar}},
               r.farWall, r.farDetail);
    PaintPlane(scene, camera,
               {{r.x0, 0, r.zNear}, {r.x0, 0, r.zFar}, {r.x0, h, r.zFar}, {r.x0, h, r.zNear}},
               r.walls, r.left);
    PaintPlane(scene, camera,
               {{r.x1, 0, r.zFar}, {r.x1, 0, r.zNear}, {r.x1, h, r.zNear}, {r.x1, h, r.zFar}},
               r.walls, r.right);
    PaintPlane(scene, camera,
               {{r.x0, 0, r.zNear}, {r.x1, 0, r.zNear}, {r.x1, 0, r.zFar}, {r.x0, 0, r.zFar}},
               r.floor, r.floorDetail);
    // Corners are darker where the light reaches them last.
    QPainter& p = scene.painter;
    p.setPen(QPen(QColor(0, 0, 0, 60), 2 * scene.u));
    for (double x : {r.x0, r.x1}) {
        p.drawLine(camera.Project(x, 0, r.zFar), camera.Project(x, h, r.zFar));
        p.drawLine(camera.Project(x, 0, r.zNear), camera.Project(x, 0, r.zFar));
    }
}

FaceDetail WindowsAlongWall(const SceneContext& scene, double sill, double height, double bays,
                            bool arched) {
    const QColor sky = Mix(scene.mood.skyHorizon, QColor(255, 255, 255), 0.45);
    const QColor bar = Scaled(scene.mood.skyTop, 0.35);
    return [=](QPainter& p, double width, double) {
        for (double x = bays * 0.6; x + 1 < width; x += bays) {
            const double w = std::min(2.2, bays * 0.45);
            QPainterPath glass;
            glass.addRect(QRectF(x, sill, w, height - (arched ? w / 2 : 0)));
            if (arched) {
                glass.moveTo(x, sill + height - w / 2);
                glass.arcTo(QRectF(x, sill + height - w, w, w), 180, -180);
                glass.closeSubpath();
            }
            p.setPen(Qt::NoPen);
            p.fillPath(glass, sky);
            p.setPen(QPen(bar, 0.08));
            for (double y = sill + 0.6; y < sill + height - 0.3; y += 0.6)
                p.drawLine(QPointF(x, y), QPointF(x + w, y));
            p.drawLine(QPointF(x + w / 2, sill), QPointF(x + w / 2, sill + height));
            p.setPen(QPen(QColor(0, 0, 0, 70), 0.15));
            p.setBrush(Qt::NoBrush);
            p.drawPath(glass);
        }
    };
}

FaceDetail WindowLightOnFloor(const SceneContext& scene, const Room& room, double bays,
                              bool fromLeft) {
    const QColor light = WithAlpha(Mix(scene.mood.light, QColor(255, 250, 230), 0.5), 70);
    const double span = room.x1 - room.x0;
    return [=](QPainter& p, double, double depth) {
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        for (double z = bays * 0.6; z + 1 < depth; z += bays) {
            const double w = std::min(2.2, bays * 0.45);
            // The pool slants away from the window, longer the lower the light.
            const double reach = span * 0.55;
            QPolygonF pool;
            if (fromLeft)
                pool << QPointF(0.2, z) << QPointF(0.2, z + w) << QPointF(reach, z + w + 1.5)
                     << QPointF(reach, z + 1.5);
            else
                pool << QPointF(span - 0.2, z) << QPointF(span - 0.2, z + w)
                     << QPointF(span - reach, z + w + 1.5) << QPointF(span - reach, z + 1.5);
            p.drawPolygon(pool);
        }
    };
}

FaceDetail FloorPattern(const QColor& colour, double plank, bool flags) {
    return [=](QPainter& p, double width, double depth) {
        p.setPen(QPen(Scaled(colour, 0.7), 0.04));
        for (double x = 0; x < width; x += plank) p.drawLine(QPointF(x, 0), QPointF(x, depth));
        if (!flags) return;
        for (double z = 0; z < depth; z += plank) p.drawLine(QPointF(0, z), QPointF(width, z));
    };
}

void PaintFramedPicture(QPainter& p, SceneRandom& random, const QRectF& r, const QColor& frame) {
    static const QColor kSkies[] = {QColor(150, 170, 190), QColor(200, 170, 120),
                                    QColor(90, 100, 120), QColor(170, 150, 110)};
    static const QColor kLands[] = {QColor(70, 80, 40), QColor(110, 90, 50), QColor(60, 70, 60),
                                    QColor(40, 36, 30)};
    p.setPen(Qt::NoPen);
    p.setBrush(frame);
    p.drawRect(r);
    const double border = std::min(r.width(), r.height()) * 0.1;
    const QRectF canvas = r.adjusted(border, border, -border, -border);
    if (random.Chance(0.5)) {
        // A landscape: sky above (face y runs upwards), land below.
        p.setBrush(random.Pick(kSkies));
        p.drawRect(canvas);
        p.setBrush(random.Pick(kLands));
        p.drawRect(QRectF(canvas.left(), canvas.top(), canvas.width(),
                          canvas.height() * random.Range(0.35, 0.55)));
    } else {
        // A portrait: a dark ground, a pale face over a dark coat.
        p.setBrush(QColor(46, 36, 30));
        p.drawRect(canvas);
        const double cx = canvas.center().x(), w = canvas.width();
        p.setBrush(random.Pick(kLands));
        p.drawEllipse(QPointF(cx, canvas.top()), w * 0.42, canvas.height() * 0.45);
        p.setBrush(QColor(220, 190, 160));
        p.drawEllipse(QPointF(cx, canvas.top() + canvas.height() * 0.62), w * 0.14, w * 0.18);
    }
}
