// A cliff railway: two cars on their steep double track up the face of the cliff, passing
// halfway, a station at the foot and another at the top, the beach and the sea beside.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/shore.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// The cliff's face from its top down to its foot, ending in a slope on the sea side.
void PaintCliffFace(SceneContext& scene, SceneRandom& random, double topY, double footY,
                    double side) {
    QPainter& p = scene.painter;
    Ridge ridge(random, topY, scene.h * 0.03, scene.w, 0.5);
    const double end =
        side > 0 ? scene.w * random.Range(0.25, 0.35) : scene.w * random.Range(0.65, 0.75);
    const double outer = side > 0 ? scene.w + 5 : -5;
    QPainterPath face(QPointF(outer, footY + 2));
    for (int i = 0; i <= 40; ++i) {
        const double x = Lerp(outer, end, i / 40.0);
        face.lineTo(x, ridge.At(x));
    }
    face.cubicTo(QPointF(end - side * (footY - topY) * 0.1, Lerp(topY, footY, 0.4)),
                 QPointF(end - side * (footY - topY) * 0.2, footY),
                 QPointF(end - side * (footY - topY) * 0.4, footY + 2));
    face.closeSubpath();
    const QColor rock = random.Chance(0.5) ? QColor(190, 130, 90) : QColor(176, 150, 120);
    QLinearGradient fill(0, topY, 0, footY);
    fill.setColorAt(0, Distant(scene.mood, Lit(scene.mood, rock), 0.15));
    fill.setColorAt(1, Distant(scene.mood, Shaded(scene.mood, rock), 0.1));
    p.fillPath(face, fill);
    p.save();
    p.setClipPath(face);
    // Bedding lines and patches of scrub clinging to the face.
    // Short ledges of harder rock and the gullies the rain has cut down the face.
    for (int i = 0; i < 90; ++i) {
        const double x = random.Range(0, scene.w), y = random.Range(topY, footY);
        const double run = random.Range(20, 90) * scene.u;
        p.setPen(QPen(WithAlpha(Shaded(scene.mood, rock), 110), random.Range(0.8, 2.2) * scene.u));
        p.drawLine(QPointF(x, y), QPointF(x + run, y + random.Jitter(4) * scene.u));
        if (i % 3) continue;
        p.setPen(QPen(WithAlpha(Shaded(scene.mood, rock), 50), random.Range(2, 4) * scene.u));
        const double gx = random.Range(0, scene.w), gy = random.Range(topY, footY);
        p.drawLine(QPointF(gx, gy), QPointF(gx + random.Jitter(8) * scene.u,
                                            Lerp(gy, footY, random.Range(0.2, 0.6))));
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 700; ++i) {
        const double f = random.Unit();
        p.setBrush(WithAlpha(Foliage(scene.mood, random.Int(0, 2), 0.15), 150));
        p.drawEllipse(QPointF(random.Range(0, scene.w), Lerp(topY, footY, f * f * f)),
                      random.Range(2, 7) * scene.u, random.Range(1, 3) * scene.u);
    }
    p.restore();
    PaintTreeBelt(scene, ridge.At(scene.w / 2) + 4 * scene.u, side > 0 ? end : -10,
                  side > 0 ? scene.w + 10 : end, 14 * scene.u, 0.2);
}

FaceDetail CarSide(const QColor& livery, const OpeningLook& look) {
    return [=](QPainter& p, double w, double h) {
        p.fillRect(QRectF(0, 0.4, w, h - 0.4), livery);
        p.fillRect(QRectF(0, h - 0.3, w, 0.3), QColor(230, 226, 210));
        p.fillRect(QRectF(0, 0, w, 0.4), QColor(30, 30, 30));
        for (double x = 0.3; x + 0.7 < w; x += 0.9)
            PaintWindow(p, QRectF(x, 1.4, 0.7, 1.1), Arch::Flat, look, 1, 1, false);
    };
}

void PaintStationHouse(SceneContext& scene, const Camera& camera, double x, double z, double base) {
    const Material wall{QColor(220, 210, 190), Masonry::Smooth};
    const Box house{x - 5, z, 10, 6, 4.5, base};
    const OpeningLook look = WindowLook(scene, QColor(200, 190, 170));
    const FaceDetail front = [look](QPainter& p, double w, double) {
        PaintDoorway(p, QRectF(w / 2 - 0.8, 0, 1.6, 2.6), Arch::Round, QColor(60, 40, 30),
                     QColor(170, 160, 140));
        PaintWindowRow(p, 0, w, 1.2, 2, 1.2, 1.6, Arch::Flat, look, 2, 2);
    };
    PaintBox(scene, camera, house, wall, BoxFaces{front, {}, front, front, {}});
    PaintRoof(scene, camera, house,
              RoofDesign{Roof::Hip, 2, Material{QColor(140, 70, 50), Masonry::Slate}, wall});
}

}  // namespace

void PaintCliffRailway(SceneContext& scene) {
    ClearSnow(scene.mood);
    SceneRandom random = scene.random.Fork(0xc11f);
    const double horizon = scene.h * random.Range(0.58, 0.64);
    const double side = random.Chance(0.5) ? -1 : 1;  // where the cliff stands, +1 right
    const Camera camera(scene.w, horizon, scene.FieldOfView(0.75), random.Range(1.5, 2),
                        random.Jitter(0.08));
    PaintSky(scene, horizon);
    PaintSea(scene, horizon, scene.h);
    const double height = random.Range(45, 60);
    const double cliffZ = camera.DistanceToFit(height, scene.h * random.Range(0.06, 0.14));
    const double topY = camera.Project(0, height, cliffZ).y();
    const double footY = camera.Project(0, 0, cliffZ).y();
    PaintCliffFace(scene, random, topY, footY, side);
    // The beach along the cliff foot.
    SceneRandom sand = random.Fork(5);
    PaintSand(scene, sand, camera.Project(0, 0, cliffZ - 4).y(), random.Jitter(8) * scene.u);
    // The track from the foot station straight up the face to the top.
    const double xb =
        camera.XAt(scene.w * (side > 0 ? random.Range(0.5, 0.6) : random.Range(0.4, 0.5)), cliffZ);
    const Vec3 bottom{xb, 0, cliffZ - 10};
    const Vec3 top{xb + side * random.Range(8, 16), height, cliffZ + 2};
    QPainter& p = scene.painter;
    const double half = 2.6;
    auto at = [&](double t, double dx) {
        return Vec3{Lerp(bottom.x, top.x, t) + dx, Lerp(bottom.y, top.y, t),
                    Lerp(bottom.z, top.z, t)};
    };
    QPolygonF bed({camera.Project(at(0, -half)), camera.Project(at(0, half)),
                   camera.Project(at(1, half)), camera.Project(at(1, -half))});
    p.setPen(Qt::NoPen);
    p.setBrush(Distant(scene.mood, QColor(90, 80, 70), 0.1));
    p.drawPolygon(bed);
    const QColor rail = Distant(scene.mood, QColor(40, 40, 42), 0.1);
    p.setPen(QPen(WithAlpha(QColor(150, 130, 100), 160), 1.0 * scene.u));
    for (double t = 0; t <= 1; t += 0.02)
        p.drawLine(camera.Project(at(t, -half)), camera.Project(at(t, half)));
    p.setPen(QPen(rail, 1.4 * scene.u));
    for (double dx : {-2.2, -0.6, 0.6, 2.2})
        p.drawLine(camera.Project(at(0, dx)), camera.Project(at(1, dx)));
    p.setPen(Qt::NoPen);
    PaintStationHouse(scene, camera, top.x, top.z + 2, top.y);
    // The two cars passing halfway, one on each track.
    static const QColor kLiveries[] = {QColor(120, 30, 36), QColor(40, 80, 60), QColor(40, 60, 110),
                                       QColor(200, 170, 80)};
    const QColor livery = Lit(scene.mood, random.Pick(kLiveries));
    const OpeningLook look = WindowLook(scene, QColor(230, 226, 210));
    const double length = 7, span = std::sqrt(Dot(top - bottom, top - bottom));
    const double meet = random.Range(0.42, 0.5);
    for (double dx : {1.3, -1.3}) {
        const double t0 = meet + (dx > 0 ? -0.03 : 0.02), t1 = t0 + length / span;
        // The roof running up the slope, then the lower end facing the viewer.
        const Vec3 up{0, 3.2, 0};
        p.setBrush(Distant(scene.mood, Lit(scene.mood, QColor(220, 216, 204)), 0.1));
        p.drawPolygon(QPolygonF(
            {camera.Project(at(t0, dx - 1.1) + up), camera.Project(at(t0, dx + 1.1) + up),
             camera.Project(at(t1, dx + 1.1) + up), camera.Project(at(t1, dx - 1.1) + up)}));
        PaintDecal(scene, camera, at(t0, dx - 1.1), at(t0, dx + 1.1), 3.2, CarSide(livery, look));
    }
    PaintStationHouse(scene, camera, bottom.x, bottom.z - 6, 0);
    // People on the beach below.
    for (int i = 0; i < random.Int(3, 8); ++i) {
        const double pz = random.Range(15, cliffZ * 0.6), px = xb + random.Jitter(25);
        PaintPerson(scene, random, camera.Project(px, 0, pz), camera.Scale(px, pz) * 1.75,
                    DistanceDepth(scene.mood, pz));
    }
}
