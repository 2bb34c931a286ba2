// An underground platform: the tiled tube of the station tunnel seen along its length, the
// platform on one side and the track in its trough on the other, lamps down the crown, name
// boards on the wall, a train standing or the dark mouth of the running tunnel at the end.
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

struct Tube {
    double cx, cy, radius;  // the bore's centre and radius; the platform is at y = 0
    double side;            // +1: the track lies to the left, the platform wall to the right
    double zNear, zFar;
    QColor tile, band, board;
};

Vec3 OnBore(const Tube& t, double angle, double z) {
    return {t.cx + std::cos(angle) * t.radius, t.cy + std::sin(angle) * t.radius, z};
}

// The tile colour at a point of the wall: the coloured frieze, the name boards, the cream field.
QColor WallColour(const Tube& t, const Vec3& point) {
    if (point.y > 2.3 && point.y < 2.7) return t.band;
    const bool platformWall = (point.x - t.cx) * t.side > 0;
    const double along = std::fmod(point.z, 14.0);
    if (platformWall && point.y > 1.0 && point.y < 2.0 && along > 4 && along < 7.5) return t.board;
    return t.tile;
}

void PaintBore(SceneContext& scene, const Camera& camera, const Tube& t) {
    QPainter& p = scene.painter;
    const double floorAngle = std::asin(std::clamp(-t.cy / t.radius, -1.0, 1.0));
    const double trackAngle = std::asin(std::clamp((-1.0 - t.cy) / t.radius, -1.0, 1.0));
    // From the platform's edge of the bore over the crown down to the track's.
    const double a0 = t.side > 0 ? floorAngle : kPi - floorAngle;
    const double a1 = t.side > 0 ? kPi - trackAngle : trackAngle;
    const int segments = 36;
    const double dz = 1.5;
    p.setPen(Qt::NoPen);
    for (double z = t.zFar; z > t.zNear; z -= dz) {
        const double shade = 1.0 - 0.6 * (z - t.zNear) / (t.zFar - t.zNear);
        for (int i = 0; i < segments; ++i) {
            const double a = Lerp(a0, a1, double(i) / segments);
            const double b = Lerp(a0, a1, double(i + 1) / segments);
            const Vec3 corner = OnBore(t, (a + b) / 2, z - dz / 2);
            // Lit from the lamps along the crown: the walls darken towards the floor.
            const double lift = 0.7 + 0.3 * std::sin((a + b) / 2);
            QColor c = Scaled(Lit(scene.mood, WallColour(t, corner)), shade * lift);
            p.setBrush(c);
            p.drawPolygon(QPolygonF(
                {camera.Project(OnBore(t, a, z)), camera.Project(OnBore(t, b, z)),
                 camera.Project(OnBore(t, b, z - dz)), camera.Project(OnBore(t, a, z - dz))}));
        }
        // The joint between rings of tiles.
        p.setPen(QPen(QColor(0, 0, 0, 40), 0.8 * scene.u));
        QPolygonF ring;
        for (int i = 0; i <= segments; ++i)
            ring << camera.Project(OnBore(t, Lerp(a0, a1, double(i) / segments), z));
        p.drawPolyline(ring);
        p.setPen(Qt::NoPen);
    }
}

void PaintFloorAndTrack(SceneContext& scene, const Camera& camera, const Tube& t) {
    QPainter& p = scene.painter;
    const double edge = t.cx - t.side * 0.4;  // the platform's edge, just off the bore's axis
    const double wallX =
        t.cx + t.side * std::sqrt(std::max(0.0, t.radius * t.radius - t.cy * t.cy));
    auto quad = [&](double x0, double x1, double y, const QColor& c) {
        p.setBrush(c);
        p.drawPolygon(QPolygonF({camera.Project(x0, y, t.zNear), camera.Project(x1, y, t.zNear),
                                 camera.Project(x1, y, t.zFar), camera.Project(x0, y, t.zFar)}));
    };
    p.setPen(Qt::NoPen);
    const double trackY = -1.0;
    const double trackWall =
        t.cx - t.side * std::sqrt(t.radius * t.radius - (trackY - t.cy) * (trackY - t.cy));
    quad(trackWall, edge, trackY, Shaded(scene.mood, QColor(50, 44, 40)));
    // The platform's face down into the trough, then its surface and white edge line.
    p.setBrush(QColor(30, 28, 26));
    p.drawPolygon(
        QPolygonF({camera.Project(edge, 0, t.zNear), camera.Project(edge, 0, t.zFar),
                   camera.Project(edge, trackY, t.zFar), camera.Project(edge, trackY, t.zNear)}));
    quad(edge, wallX, 0, Lit(scene.mood, QColor(120, 112, 104)));
    quad(edge, edge + t.side * 0.3, 0.001, Lit(scene.mood, QColor(230, 220, 170)));
    // The rails converging on the tunnel mouth.
    p.setPen(QPen(QColor(170, 170, 176), 1.4 * scene.u));
    for (double dx : {0.8, 2.2}) {
        const double x = edge - t.side * dx;
        p.drawLine(camera.Project(x, trackY + 0.15, t.zNear + 1),
                   camera.Project(x, trackY + 0.15, t.zFar));
    }
    p.setPen(Qt::NoPen);
}

void PaintLamps(SceneContext& scene, const Camera& camera, const Tube& t) {
    QPainter& p = scene.painter;
    for (double z = t.zFar - 3; z > t.zNear + 2; z -= 5) {
        const QPointF lamp = camera.Project(t.cx, t.cy + t.radius * 0.92, z);
        const double r = camera.Scale(t.cx, z) * 1.2;
        QRadialGradient glow(lamp, r * 2.5);
        glow.setColorAt(0, QColor(255, 236, 190, 150));
        glow.setColorAt(1, QColor(255, 236, 190, 0));
        p.setBrush(glow);
        p.drawEllipse(lamp, r * 2.5, r * 2.5);
        p.setBrush(QColor(255, 246, 220));
        p.drawEllipse(lamp, r * 0.35, r * 0.2);
    }
}

FaceDetail TrainSideOf(const QColor& livery, const OpeningLook& look) {
    return [=](QPainter& p, double w, double h) {
        p.fillRect(QRectF(0, 0, w, h), livery);
        for (double x = 0.5; x + 1.4 < w; x += 2.2)
            PaintWindow(p, QRectF(x, h * 0.45, 1.4, h * 0.35), Arch::Flat, look, 1, 1, true);
        p.setBrush(QColor(0, 0, 0, 70));
        for (double x = 0; x < w; x += 15) p.drawRect(QRectF(x, 0, 0.25, h));
    };
}

}  // namespace

void PaintTubePlatform(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x7b3e);
    scene.mood.light = QColor(255, 236, 200);
    scene.mood.hazeStrength = 0.1;
    scene.painter.fillRect(QRectF(0, 0, scene.w, scene.h), QColor(14, 12, 12));
    const double horizon = scene.h * random.Range(0.5, 0.56);
    const double side = random.Chance(0.5) ? -1 : 1;
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.25), 1.6,
                        -side * random.Range(0.0, 0.08));
    scene.horizonY = horizon;
    static const QColor kTiles[] = {QColor(232, 224, 200), QColor(220, 214, 196),
                                    QColor(226, 218, 186)};
    static const QColor kBands[] = {QColor(40, 90, 70), QColor(130, 40, 40), QColor(170, 120, 40),
                                    QColor(40, 60, 120)};
    Tube t{-side * random.Range(1.2, 1.6),
           random.Range(1.2, 1.5),
           random.Range(3.6, 4.0),
           side,
           1.0,
           random.Range(45, 60),
           random.Pick(kTiles),
           random.Pick(kBands),
           QColor(30, 40, 90)};
    // The end wall with the running tunnel's black mouth over the track.
    QPainter& p = scene.painter;
    QPolygonF end;
    for (int i = 0; i <= 48; ++i) end << camera.Project(OnBore(t, i * 2 * kPi / 48, t.zFar));
    p.setPen(Qt::NoPen);
    p.setBrush(Scaled(t.tile, 0.45));
    p.drawPolygon(end);
    const QPointF mouth = camera.Project(t.cx - side * 0.6, 0.6, t.zFar);
    const double mouthR = camera.Scale(t.cx, t.zFar) * 2.1;
    p.setBrush(QColor(8, 8, 8));
    p.drawEllipse(mouth, mouthR, mouthR);
    PaintBore(scene, camera, t);
    PaintFloorAndTrack(scene, camera, t);
    if (random.Chance(0.5)) {
        // A train standing at the platform, its lit windows down the length of the tube.
        const QColor livery = random.Chance(0.5) ? QColor(170, 30, 30) : QColor(120, 124, 130);
        const double edge = t.cx - side * 0.5;
        const OpeningLook look = WindowLook(scene, livery);
        const Box train{
            side > 0 ? edge - 2.6 : edge, random.Range(6, 12), 2.6, t.zFar - 14, 2.9, -0.8};
        const FaceDetail sideFace = TrainSideOf(Lit(scene.mood, livery), look);
        PaintBox(
            scene, camera, train, Material{livery, Masonry::Smooth},
            side > 0 ? BoxFaces{{}, {}, {}, sideFace, {}} : BoxFaces{{}, {}, sideFace, {}, {}});
    }
    PaintLamps(scene, camera, t);
    // Passengers along the platform, far ones first.
    std::vector<Vec3> feet;
    for (int i = 0; i < random.Int(3, 9); ++i)
        feet.push_back({t.cx + side * random.Range(0.2, 2.4), 0, random.Range(5, t.zFar - 10)});
    std::sort(feet.begin(), feet.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : feet)
        PaintPerson(scene, random, camera.Project(foot), camera.Scale(foot.x, foot.z) * 1.7, 0.1);
}
