// A castle: curtain walls with towers and a gatehouse round a great keep, or a lone keep on
// its mound; intact with banners, or a ruin with ivy.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/beasts.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/ruins.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

namespace {

struct CastlePlan {
    double left, front, width, depth;
    double base;              // the top of the mound it stands on
    double wallHeight, wall;  // height and thickness of the curtain
    double towerRadius, towerHeight;
    bool ruined;
    Material stone;
};

void PaintSlits(QPainter& p, double width, double height, int rows) {
    for (int r = 1; r <= rows; ++r) {
        const double y = height * r / (rows + 1);
        p.fillRect(QRectF(width / 2 - 0.15, y, 0.3, 1.6), QColor(20, 18, 16));
    }
}

void PaintTower(SceneContext& scene, const Camera& camera, const CastlePlan& plan, double x,
                double z, SceneRandom& random) {
    const Round round{x, z, plan.towerRadius};
    const double height =
        plan.ruined ? plan.towerHeight * random.Range(0.6, 0.95) : plan.towerHeight;
    PaintCylinder(scene, camera, round, plan.base, plan.base + height, plan.stone);
    for (double angle : {-0.5, 0.4}) {
        PaintOnCylinder(scene, camera, round, angle + random.Jitter(0.2), plan.base + height * 0.3,
                        0.4, height * 0.5,
                        [](QPainter& p, double w, double h) { PaintSlits(p, w, h, 3); });
    }
    if (!plan.ruined) {
        PaintRoundBattlements(scene, camera, round, plan.base + height, plan.stone, 0.9);
    }
}

void PaintCurtain(SceneContext& scene, const Camera& camera, const CastlePlan& plan,
                  const Box& run) {
    if (plan.ruined) {
        PaintRuinedBox(scene, camera, run, plan.stone, 0.6);
        return;
    }
    PaintBox(scene, camera, run, plan.stone);
    PaintBattlements(scene, camera, run, plan.stone, 0.9);
}

void PaintKeep(SceneContext& scene, const Camera& camera, const CastlePlan& plan, const Box& keep,
               SceneRandom& random) {
    const OpeningLook look = WindowLook(scene, plan.stone.colour);
    FaceDetail windows = [look](QPainter& p, double w, double h) {
        const int bays = std::max(2, static_cast<int>(w / 5));
        for (double y = h * 0.35; y < h - 4; y += 6)
            PaintWindowRow(p, 1.5, w - 1.5, y, bays, 0.9, 2.0, Arch::Round, look, 0, 0);
        // Pilaster buttresses at the corners and in the middle.
        p.setBrush(QColor(0, 0, 0, 28));
        for (double x : {0.0, w / 2 - 0.8, w - 1.6}) p.drawRect(QRectF(x, 0, 1.6, h));
    };
    const BoxFaces faces{windows, windows, windows, windows, {}};
    if (plan.ruined) {
        PaintRuinedBox(scene, camera, keep, plan.stone, 0.45, faces);
        return;
    }
    PaintBox(scene, camera, keep, plan.stone, faces);
    PaintBattlements(scene, camera, keep, plan.stone, 1.0);
    // Corner turrets stand above the parapet.
    const double t = 3.2;
    const Box turrets[] = {
        {keep.x + keep.width - t, keep.z + keep.depth - t, t, t, 4, keep.base + keep.height},
        {keep.x, keep.z + keep.depth - t, t, t, 4, keep.base + keep.height},
        {keep.x + keep.width - t, keep.z, t, t, 4, keep.base + keep.height},
        {keep.x, keep.z, t, t, 4, keep.base + keep.height}};
    for (const Box& turret : turrets) {
        PaintBox(scene, camera, turret, plan.stone);
        PaintBattlements(scene, camera, turret, plan.stone, 0.7);
    }
    // A banner on a pole over the keep.
    const QPointF foot =
        camera.Project(keep.x + keep.width / 2, keep.base + keep.height, keep.z + keep.depth / 2);
    const QPointF top = camera.Project(keep.x + keep.width / 2, keep.base + keep.height + 9,
                                       keep.z + keep.depth / 2);
    const double scale = camera.Scale(keep.x, keep.z);
    QPainter& p = scene.painter;
    p.setPen(QPen(QColor(50, 44, 40), std::max(1.0, scale * 0.15)));
    p.drawLine(foot, top);
    const QColor banners[] = {QColor(170, 30, 36), QColor(30, 60, 140), QColor(200, 160, 40)};
    const QColor banner = Distant(scene.mood, random.Pick(banners), 0.3);
    const double wave = scene.mood.sunFromLeft ? 1 : -1;
    QPainterPath flag(top);
    flag.cubicTo(top + QPointF(wave * scale * 2, scale * 0.6),
                 top + QPointF(wave * scale * 3.5, -scale * 0.5),
                 top + QPointF(wave * scale * 5, scale * 0.3));
    flag.lineTo(top + QPointF(wave * scale * 5, scale * 3.2));
    flag.cubicTo(top + QPointF(wave * scale * 3.5, scale * 2.5),
                 top + QPointF(wave * scale * 2, scale * 3.6), top + QPointF(0, scale * 3));
    flag.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(flag, banner);
}

void PaintGatehouse(SceneContext& scene, const Camera& camera, const CastlePlan& plan,
                    SceneRandom& random) {
    const double cx = plan.left + plan.width / 2;
    const double z = plan.front - 2;
    const Box block{cx - 6, z, 12, 8, plan.wallHeight + 4, plan.base};
    const QColor dark(26, 22, 20);
    FaceDetail gate = [dark](QPainter& p, double w, double h) {
        const QRectF arch(w / 2 - 2, 0, 4, 6);
        p.fillPath(OpeningPath(arch.adjusted(-0.5, 0, 0.5, 0.5), Arch::Pointed),
                   QColor(0, 0, 0, 60));
        p.fillPath(OpeningPath(arch, Arch::Pointed), dark);
        // The portcullis half raised.
        p.setPen(QPen(QColor(60, 50, 40), 0.15));
        for (double x = arch.left() + 0.5; x < arch.right(); x += 0.6)
            p.drawLine(QPointF(x, 3.5), QPointF(x, 6));
        for (double y = 3.8; y < 6; y += 0.6)
            p.drawLine(QPointF(arch.left(), y), QPointF(arch.right(), y));
        p.setPen(Qt::NoPen);
        p.fillRect(QRectF(w / 2 - 0.2, h * 0.6, 0.4, 1.6), dark);
    };
    const BoxFaces faces{gate, {}, {}, {}, {}};
    if (plan.ruined)
        PaintRuinedBox(scene, camera, block, plan.stone, 0.35, faces);
    else {
        PaintBox(scene, camera, block, plan.stone, faces);
        PaintBattlements(scene, camera, block, plan.stone, 0.9);
    }
    CastlePlan flanking = plan;
    flanking.towerRadius = 3.6;
    flanking.towerHeight = plan.wallHeight + 7;
    PaintTower(scene, camera, flanking, cx - 6.5, z + 1.5, random);
    PaintTower(scene, camera, flanking, cx + 6.5, z + 1.5, random);
}

// The mound the castle stands on: its flat top round the walls, sloping to a wider foot.
void PaintMound(SceneContext& scene, const Camera& camera, const CastlePlan& plan) {
    if (plan.base <= 0.5) return;
    const double spread = plan.base * 2.5 + 6;
    std::vector<QPointF> outline;
    for (const auto& [margin, y] : {std::pair<double, double>{3.0, plan.base}, {spread, 0.0}})
        for (double fx : {0.0, 0.25, 0.5, 0.75, 1.0})
            for (double fz : {0.0, 0.5, 1.0}) {
                const double x = plan.left - margin + fx * (plan.width + 2 * margin);
                const double z = plan.front - margin + fz * (plan.depth + 2 * margin);
                outline.push_back(camera.Project(x, y, z));
            }
    const std::vector<QPointF> hull = ConvexHull(outline);
    QPainterPath mound;
    mound.addPolygon(QPolygonF(QVector<QPointF>(hull.begin(), hull.end())));
    mound.closeSubpath();
    const QRectF box = mound.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    const double depth = DistanceDepth(scene.mood, plan.front);
    fill.setColorAt(0, Distant(scene.mood, Lit(scene.mood, scene.mood.grass), depth));
    fill.setColorAt(1, Distant(scene.mood, scene.mood.grass, depth * 0.6));
    scene.painter.fillPath(mound, fill);
}

}  // namespace

void PaintCastle(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xca57);
    const bool elevated = random.Chance(0.3);
    const double horizon =
        scene.h * (elevated ? random.Range(0.3, 0.38) : random.Range(0.56, 0.64));
    const double eye = elevated ? random.Range(12, 25) : 1.6;
    const Camera camera(scene.w, horizon, scene.FieldOfView(0.95), eye, random.Jitter(0.28));
    PaintBackdrop(scene, horizon, BackdropStyle{scene.coastal, random.Range(15, 45), true});

    CastlePlan plan;
    plan.ruined =
        scene.FormOr(scene.year < 1600 ? random.Chance(0.5) : random.Chance(0.2)) == kCastleRuin;
    const QColor stones[] = {QColor(176, 168, 150), QColor(150, 142, 128), QColor(184, 160, 128),
                             QColor(128, 124, 118)};
    plan.stone = {random.Pick(stones), plan.ruined ? Masonry::Rubble : Masonry::Ashlar};
    const bool lonelyKeep = random.Chance(0.3);
    plan.width = lonelyKeep ? 20 : random.Range(46, 64);
    plan.depth = lonelyKeep ? 18 : random.Range(36, 48);
    const double keepHeight = random.Range(24, 32);
    plan.base = random.Chance(0.6) ? random.Range(4, 14) : 0;
    // Far enough off for the tallest tower to stand clear of the top of the picture.
    // (the curtain's keep rises some 21 to 31 metres; its banner may fly above the frame)
    const double tallest = plan.base + (lonelyKeep ? keepHeight : 31) + 3;
    const double distance =
        std::max({random.Range(1.15, 1.5) * plan.width, eye * 3,
                  camera.DistanceToFit(tallest, scene.h * random.Range(0.04, 0.12))});
    // Placed off-centre a little, but whole within the picture.
    plan.left =
        camera.XAt(scene.w * random.Range(0.4, 0.6), distance + plan.depth / 2) - plan.width / 2;
    plan.front = distance;
    plan.wallHeight = random.Range(9, 13);
    plan.wall = 3;
    plan.towerRadius = random.Range(4.2, 5.8);
    plan.towerHeight = plan.wallHeight + random.Range(5, 9);

    const bool track = random.Chance(0.6);
    if (track) {
        // A track across the grass to the gate.
        const double gateX = plan.left + plan.width / 2;
        PaintPath(scene, camera, {gateX * 0.2 + random.Jitter(4), 0, 6},
                  {gateX, 0, plan.front - plan.base * 2.5 - 4}, 3.5, QColor(150, 132, 100));
    }
    const double x0 = plan.left, x1 = plan.left + plan.width, z0 = plan.front,
                 z1 = plan.front + plan.depth;
    // Trees about its flanks set it in its country.
    for (const double side : {x0 - random.Range(6, 14), x1 + random.Range(6, 14)}) {
        const double z = z0 + plan.depth * random.Range(0.2, 0.8);
        const double height = random.Range(12, 18);
        PaintTree(scene, camera.Project(side, 0, z), camera.Scale(side, z) * height,
                  TreeShape::Broadleaf, DistanceDepth(scene.mood, z));
    }
    PaintMound(scene, camera, plan);
    const double r = plan.towerRadius, t = plan.wall;
    if (lonelyKeep) {
        PaintKeep(scene, camera, plan, Box{x0, z0, plan.width, plan.depth, keepHeight, plan.base},
                  random);
    } else {
        PaintCurtain(scene, camera, plan,
                     Box{x0 + r, z1 - t, plan.width - 2 * r, t, plan.wallHeight, plan.base});
        PaintCurtain(scene, camera, plan,
                     Box{x0 - t / 2, z0 + r, t, plan.depth - 2 * r, plan.wallHeight, plan.base});
        PaintCurtain(scene, camera, plan,
                     Box{x1 - t / 2, z0 + r, t, plan.depth - 2 * r, plan.wallHeight, plan.base});
        PaintTower(scene, camera, plan, x0, z1, random);
        PaintTower(scene, camera, plan, x1, z1, random);
        const double keepWidth = random.Range(15, 20);
        PaintKeep(
            scene, camera, plan,
            Box{(x0 + x1) / 2 - keepWidth / 2 + random.Jitter(6), z0 + plan.depth * 0.45, keepWidth,
                keepWidth * 0.9, plan.wallHeight + random.Range(12, 18), plan.base},
            random);
        PaintCurtain(scene, camera, plan,
                     Box{x0 + r, z0, plan.width - 2 * r, t, plan.wallHeight, plan.base});
        PaintTower(scene, camera, plan, x0, z0, random);
        PaintTower(scene, camera, plan, x1, z0, random);
        PaintGatehouse(scene, camera, plan, random);
    }

    // A moat before the walls of a castle on the flat, the towers mirrored in it.
    if (plan.base <= 0 && !track) {
        PaintMirrorWater(scene, camera, x0 - 30, x1 + 30, z0 - random.Range(9, 14), z0 - 2);
    }
    // Sheep grazing the grass below.
    SceneRandom flock = random.Fork(0x5ee9);
    for (int i = 0; i < flock.Int(0, 6); ++i) {
        const double z = flock.Range(12, std::max(14.0, z0 * 0.6));
        const double x = camera.XAt(flock.Range(0.05, 0.95) * scene.w, z);
        PaintBeast(scene, flock, Beast::Sheep, camera.Project(x, 0, z), camera.Scale(x, z) * 1.3,
                   flock.Chance(0.5), DistanceDepth(scene.mood, z));
    }
    // The foreground: a grassy bank and a few trees framing one side.
    const double near = scene.h * random.Range(0.86, 0.95);
    PaintGrassBlades(scene, near - 30 * scene.u, scene.h, 500);
    if (!scene.Portrait() && random.Chance(0.45)) {
        const double side =
            random.Chance(0.5) ? random.Range(-0.05, 0.08) : random.Range(0.9, 1.05);
        PaintTree(scene, QPointF(side * scene.w, near + 20 * scene.u),
                  scene.h * random.Range(0.55, 0.8), TreeShape::Broadleaf, 0.0);
    }
}
