// The railway: a train crossing a great viaduct over the valley, or standing at a platform
// under the station canopy.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/smoke.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trains.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

QColor Livery(SceneRandom& random, TrainKind kind) {
    static const QColor kSteam[] = {QColor(30, 90, 50), QColor(110, 30, 30), QColor(30, 40, 90)};
    static const QColor kModern[] = {QColor(40, 80, 150), QColor(200, 200, 200),
                                     QColor(150, 40, 50), QColor(60, 130, 90)};
    return kind == TrainKind::Steam ? random.Pick(kSteam) : random.Pick(kModern);
}

void PaintViaduct(SceneContext& scene, SceneRandom& random, TrainKind kind) {
    const double horizon = scene.h * random.Range(0.5, 0.6);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(1.6, 12),
                        random.Jitter(0.25));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(30, 60), true});
    const double z = random.Range(110, 150), deck = random.Range(22, 32);
    const double left = camera.LeftAt(z), right = camera.RightAt(z);
    PaintTreeBelt(scene, camera.Project(0, 0, z + 30).y(), -20, scene.w + 20,
                  camera.Scale(0, z + 30) * 14, 0.35);

    const QImage behind = scene.image.copy();
    const double span = random.Range(12, 16);
    const double offset = random.Range(0, span);
    const Material stone{random.Chance(0.5) ? QColor(150, 120, 100) : QColor(176, 166, 146),
                         Masonry::Ashlar};
    const FaceDetail arches = [=](QPainter& p, double w, double) {
        for (double x = offset - span; x < w; x += span) {
            const double pier = span * 0.22;
            const QRectF opening(x + pier / 2, -0.5, span - pier, deck - 3.5);
            PaintThrough(p, OpeningPath(opening, Arch::Round), behind);
            p.setBrush(QColor(0, 0, 0, 40));
            p.drawRect(QRectF(x - pier / 2, 0, pier * 0.3, deck - 3));
        }
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRect(QRectF(0, deck - 0.4, w, 0.25));
    };
    PaintBox(scene, camera, Box{left, z, right - left, 8, deck + 1.2, 0}, stone,
             BoxFaces{arches, {}, {}, {}, {}});

    // The train crossing, its smoke streaming back over the coaches.
    const int coaches = random.Int(3, 6);
    const double trainLength = coaches * 18 + (kind == TrainKind::Steam ? 16 : 0);
    const double head = random.Range(left * 0.3, right * 0.6);
    const QColor livery = Livery(random, kind);
    PaintDecal(scene, camera, {head - trainLength, deck, z + 1}, {head, deck, z + 1}, 5,
               TrainSide(kind, coaches, livery, scene.mood.windowsLit));
    if (kind == TrainKind::Steam)
        PaintSmoke(scene,
                   camera.Project(head - TrainChimneyInset(), deck + TrainChimneyHeight(), z + 1),
                   camera.Scale(head, z) * 2.0, -1, QColor(236, 236, 232));
    PaintGrassBlades(scene, scene.h * 0.85, scene.h, 300);
}

// The station building along the back of the platform, its canopy reaching out over the
// platform on iron columns, the fretted valance along its edge.
void PaintStationBuilding(SceneContext& scene, const Camera& camera, SceneRandom& random,
                          double edge, double z0, double z1) {
    const Material brick{random.Chance(0.5) ? QColor(160, 90, 66) : QColor(200, 184, 150),
                         Masonry::Brick};
    const OpeningLook look = WindowLook(scene, QColor(226, 218, 198));
    const double back = edge - 10, platform = 1.0;
    const Box building{back - 8, z0, 8, z1 - z0, 5.5, platform};
    const FaceDetail front = [look](QPainter& p, double w, double) {
        const int bays = std::max(3, static_cast<int>(w / 4));
        PaintWindowRow(p, 0, w, 0.9, bays, 1.3, 2.2, Arch::Round, look, 2, 3);
        for (int i = 1; i < bays; i += 3)
            PaintDoorway(p, QRectF(w * i / bays - 0.7, 0, 1.4, 2.6), Arch::Round,
                         QColor(60, 40, 30), look.dressing);
    };
    PaintBox(scene, camera, building, brick, BoxFaces{{}, {}, {}, front, {}});
    PaintRoof(
        scene, camera, building,
        RoofDesign{Roof::GableEndOn, 2.5, Material{QColor(84, 90, 100), Masonry::Slate}, brick});
    // The canopy slopes down from the wall to the columns; we see its boarded underside.
    const double outer = edge - 3, high = platform + 4.6, low = platform + 4.0;
    QPainter& p = scene.painter;
    const QColor iron = QColor(40, 60, 50);
    for (double z = z1; z >= z0; z -= 6) {
        p.setPen(QPen(Distant(scene.mood, iron, DistanceDepth(scene.mood, z)),
                      std::max(0.8, camera.Scale(outer, z) * 0.15)));
        p.drawLine(camera.Project(outer, platform, z), camera.Project(outer, low, z));
    }
    const Material soffit{QColor(214, 206, 186), Masonry::Slate};
    PaintPlane(scene, camera,
               {{back, high, z0}, {back, high, z1}, {outer, low, z1}, {outer, low, z0}}, soffit);
    PaintPlane(scene, camera,
               {{back, high, z1}, {back, high, z0}, {outer, low, z0}, {outer, low, z1}}, soffit);
    const QColor board = Distant(scene.mood, QColor(226, 220, 200), 0.1);
    const FaceDetail valance = [board](QPainter& painter, double w, double h) {
        painter.setBrush(board);
        QPolygonF teeth;
        teeth << QPointF(0, h);
        for (double x = 0; x < w; x += 0.5) teeth << QPointF(x + 0.25, 0) << QPointF(x + 0.5, h);
        teeth << QPointF(w, h);
        painter.drawPolygon(teeth);
    };
    PaintDecal(scene, camera, {outer, low - 0.8, z0}, {outer, low - 0.8, z1}, 0.9, valance);
}

// The engine's face: a smokebox door and buffers, or the yellow nose of a modern unit.
FaceDetail TrainFront(TrainKind kind) {
    return [kind](QPainter& p, double w, double h) {
        if (kind == TrainKind::Steam) {
            p.setBrush(QColor(26, 26, 28));
            p.drawRect(QRectF(0, 0, w, h));
            p.setBrush(QColor(46, 46, 50));
            p.drawEllipse(QPointF(w / 2, h * 0.55), w * 0.34, w * 0.34);
            p.setBrush(QColor(140, 30, 30));
            p.drawRect(QRectF(0, 0.7, w, 0.4));
        } else {
            p.setBrush(QColor(236, 200, 40));
            p.drawRect(QRectF(0, 0, w, h * 0.6));
            p.setBrush(QColor(30, 36, 44));
            p.drawRect(QRectF(w * 0.12, h * 0.62, w * 0.76, h * 0.26));
            p.setBrush(QColor(255, 250, 230));
            for (double x : {w * 0.2, w * 0.8}) p.drawEllipse(QPointF(x, h * 0.35), 0.15, 0.15);
        }
        p.setBrush(QColor(60, 60, 60));
        for (double x : {w * 0.15, w * 0.85}) p.drawEllipse(QPointF(x, 0.9), 0.22, 0.22);
    };
}

void PaintStation(SceneContext& scene, SceneRandom& random, TrainKind kind) {
    const double horizon = scene.h * random.Range(0.45, 0.52);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), 2.6, random.Range(0.08, 0.2));
    PaintBackdrop(scene, horizon, BackdropStyle{false, random.Range(10, 30), true});
    QPainter& p = scene.painter;
    const double far = 220;
    // The viewer stands well back on the platform; its edge is at x = edge.
    const double edge = random.Range(4, 6);

    // Ballast, sleepers and rails running away.
    const QColor ballast = scene.mood.snow ? QColor(220, 222, 228) : QColor(120, 110, 100);
    p.setPen(Qt::NoPen);
    p.setBrush(Distant(scene.mood, ballast, 0.2));
    p.drawPolygon(QPolygonF({camera.Project(edge, 0, 2), camera.Project(edge + 16, 0, 2),
                             camera.Project(edge + 16, 0, far), camera.Project(edge, 0, far)}));
    for (double z = 3; z < far; z += 0.9) {
        p.setPen(QPen(Distant(scene.mood, Mix(ballast, QColor(70, 56, 44), 0.6),
                              DistanceDepth(scene.mood, z)),
                      std::max(0.4, camera.Scale(0, z) * 0.14)));
        for (double track : {edge + 2.0, edge + 9.0})
            p.drawLine(camera.Project(track - 1.2, 0, z), camera.Project(track + 1.2, 0, z));
    }
    for (double rail : {1.3, 2.7, 8.3, 9.7}) {
        p.setPen(QPen(QColor(190, 190, 196), 1.2));
        p.drawLine(camera.Project(edge + rail, 0.15, 2), camera.Project(edge + rail, 0.15, far));
    }
    // A train standing at the platform: its length runs away beside the viewer.
    const int coaches = random.Int(4, 7);
    const double z0 = random.Range(18, 30);
    const double length = coaches * 18 + (kind == TrainKind::Steam ? 16 : 0);
    const QColor livery = Livery(random, kind);
    const Box train{edge + 0.6, z0, 2.8, length, 3.9, 0.4};
    PaintBox(
        scene, camera, train, Material{livery, Masonry::Smooth},
        BoxFaces{
            TrainFront(kind), {}, TrainSide(kind, coaches, livery, scene.mood.windowsLit), {}, {}});
    if (kind == TrainKind::Steam)
        PaintSmoke(scene, camera.Project(edge + 2.0, 4.8, z0 + 1.5), camera.Scale(edge, z0) * 1.6,
                   1, QColor(236, 236, 232));

    // The platform, its edge line, the canopy and the people waiting.
    const Material flags{QColor(170, 164, 150), Masonry::Smooth};
    PaintBox(scene, camera, Box{edge - 14, 1, 14.4, far, 1.0, 0}, flags);
    p.setPen(QPen(QColor(240, 230, 120), 2.0));
    p.drawLine(camera.Project(edge - 0.2, 1.0, 2), camera.Project(edge - 0.2, 1.0, far));
    PaintStationBuilding(scene, camera, random, edge, random.Range(14, 24), random.Range(60, 90));
    std::vector<Vec3> waiting;
    for (int i = 0; i < random.Int(4, 10); ++i)
        waiting.push_back({edge - random.Range(1.5, 7), 1.0, random.Range(10, 60)});
    std::sort(waiting.begin(), waiting.end(),
              [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : waiting)
        PaintPerson(scene, random, camera.Project(foot), camera.Scale(foot.x, foot.z) * 1.75,
                    DistanceDepth(scene.mood, foot.z));
}

}  // namespace

void PaintRailway(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x7a11);
    const TrainKind kind =
        scene.year < 1960 || random.Chance(0.3) ? TrainKind::Steam : TrainKind::Diesel;
    if (scene.FormOr(random.Chance(0.5) ? kViaduct : kStation) == kViaduct)
        PaintViaduct(scene, random, kind);
    else
        PaintStation(scene, random, kind);
}
