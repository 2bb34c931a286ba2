// Gardens: a formal parterre of clipped box, flower beds and topiary round a fountain, an
// orangery at the end of the walk; or a hedge maze seen from its viewing mound.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/classical.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

Material HedgeMaterial(const SceneContext& scene) {
    return {scene.mood.snow ? QColor(200, 210, 200) : QColor(46, 84, 40), Masonry::Smooth};
}

// Leafy texture on a clipped hedge face.
FaceDetail Clipped(SceneRandom random, const QColor& leaf) {
    return [random, leaf](QPainter& p, double w, double h) mutable {
        const int sprigs = std::min(400, static_cast<int>(w * h * 6));
        for (int i = 0; i < sprigs; ++i) {
            p.setBrush(WithAlpha(random.Chance(0.5) ? Scaled(leaf, 1.3) : Scaled(leaf, 0.75), 120));
            p.drawEllipse(QPointF(random.Range(0, w), random.Range(0, h)), 0.12, 0.09);
        }
    };
}

void PaintHedgeBox(SceneContext& scene, const Camera& camera, const Box& box, SceneRandom& random) {
    const Material hedge = HedgeMaterial(scene);
    const FaceDetail leaves = Clipped(random.Fork(1), hedge.colour);
    PaintBox(scene, camera, box, hedge, BoxFaces{leaves, leaves, leaves, leaves, leaves});
}

// A bed of flowers edged with low box hedging.
void PaintBed(SceneContext& scene, const Camera& camera, SceneRandom& random, double x0, double x1,
              double z0, double z1) {
    static const QColor kBlooms[] = {QColor(200, 40, 60),   QColor(240, 200, 60),
                                     QColor(150, 80, 180),  QColor(240, 140, 170),
                                     QColor(250, 250, 240), QColor(240, 120, 40)};
    const bool flowering = !scene.mood.snow && scene.mood.season != Season::Winter;
    const QColor bloom = random.Pick(kBlooms);
    QPainter& p = scene.painter;
    const QPolygonF bed({camera.Project(x0, 0, z0), camera.Project(x1, 0, z0),
                         camera.Project(x1, 0, z1), camera.Project(x0, 0, z1)});
    p.setPen(Qt::NoPen);
    p.setBrush(Distant(scene.mood, flowering ? Scaled(scene.mood.grass, 0.7) : QColor(110, 86, 64),
                       DistanceDepth(scene.mood, z0)));
    p.drawPolygon(bed);
    if (flowering) {
        for (int i = 0; i < 160; ++i) {
            const double x = random.Range(x0, x1), z = random.Range(z0, z1);
            const double r = std::max(0.6, camera.Scale(x, z) * 0.12);
            p.setBrush(Distant(scene.mood,
                               Lit(scene.mood, random.Chance(0.8) ? bloom : random.Pick(kBlooms)),
                               DistanceDepth(scene.mood, z)));
            p.drawEllipse(camera.Project(x, 0.3, z), r, r * 0.8);
        }
    }
    const double t = 0.4, h = 0.5;
    PaintHedgeBox(scene, camera, Box{x0, z1 - t, x1 - x0, t, h, 0}, random);
    PaintHedgeBox(scene, camera, Box{x0, z0, t, z1 - z0, h, 0}, random);
    PaintHedgeBox(scene, camera, Box{x1 - t, z0, t, z1 - z0, h, 0}, random);
    PaintHedgeBox(scene, camera, Box{x0, z0, x1 - x0, t, h, 0}, random);
}

void PaintFountain(SceneContext& scene, const Camera& camera, double x, double z) {
    const Material stone{QColor(204, 196, 178), Masonry::Smooth};
    PaintCylinder(scene, camera, Round{x, z, 3.5}, 0, 0.7, stone);
    PaintCylinder(scene, camera, Round{x, z, 0.5}, 0.7, 2.2, stone);
    PaintCylinder(scene, camera, Round{x, z, 1.4}, 2.2, 2.5, stone);
    // The jet and its falling spray.
    QPainter& p = scene.painter;
    const QPointF top = camera.Project(x, 4.8, z), base = camera.Project(x, 2.5, z);
    const double scale = camera.Scale(x, z);
    p.setBrush(Qt::NoBrush);
    for (int i = -3; i <= 3; ++i) {
        QPainterPath spray(base);
        spray.quadTo(QPointF(base.x() + i * scale * 0.25, top.y()),
                     QPointF(base.x() + i * scale * 0.5, base.y() + scale * 1.6));
        p.setPen(QPen(QColor(240, 248, 255, 150), std::max(0.6, scale * 0.06)));
        p.drawPath(spray);
    }
    p.setPen(QPen(QColor(250, 252, 255, 200), std::max(0.8, scale * 0.12)));
    p.drawLine(base, top);
}

void PaintOrangery(SceneContext& scene, const Camera& camera, double z) {
    const Material stone{QColor(222, 214, 194), Masonry::Ashlar};
    const OpeningLook look = WindowLook(scene, stone.colour);
    const Box body{-20, z, 40, 10, 8, 0};
    FaceDetail front = [look](QPainter& p, double w, double) {
        PaintWindowRow(p, 0, w, 0.6, 7, 2.6, 5.6, Arch::Round, look, 3, 5);
    };
    PaintBox(scene, camera, body, stone, BoxFaces{front, {}, front, front, {}});
    PaintBalustrade(scene, camera, body, stone);
}

void PaintParterre(SceneContext& scene, SceneRandom& random) {
    const double horizon = scene.h * random.Range(0.45, 0.55);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), random.Range(2.0, 4.5),
                        random.Jitter(0.12));
    PaintSkyline(scene, horizon, 20);
    PaintMeadow(scene, horizon, scene.h);
    const double end = random.Range(60, 80);
    PaintTreeBelt(scene, camera.Project(0, 0, end + 20).y(), -20, scene.w + 20,
                  camera.Scale(0, end + 20) * 16, 0.3);
    PaintOrangery(scene, camera, end);
    PaintPath(scene, camera, {0, 0, 3}, {0, 0, end}, 5, QColor(206, 192, 160));
    // Beds either side of the walk, far to near; topiary cones at their corners.
    std::vector<double> rows;
    for (double z = end - 8; z > 8; z -= random.Range(9, 12)) rows.push_back(z);
    const double fountainZ = rows.empty() ? end / 2 : rows[rows.size() / 2] + 3;
    for (double z : rows) {
        for (double side : {-1.0, 1.0}) {
            const double inner = 4, outer = random.Range(14, 20);
            PaintBed(scene, camera, random, side < 0 ? -outer : inner, side < 0 ? -inner : outer,
                     z - 6, z);
        }
        if (std::abs(z - fountainZ) < 8) PaintFountain(scene, camera, 0, fountainZ);
        for (double side : {-1.0, 1.0}) {
            const double x = side * 4.5;
            PaintTree(scene, camera.Project(x, 0, z - 6), camera.Scale(x, z) * 2.6, TreeShape::Yew,
                      DistanceDepth(scene.mood, z));
        }
    }
    PaintGrassBlades(scene, scene.h * 0.88, scene.h, 200);
}

}  // namespace

// A maze laid out by a random walk that carves passages, then planted as hedges on the walls.
void PaintMaze(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x3a2e);
    const double horizon = scene.h * random.Range(0.22, 0.32);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), random.Range(9, 14),
                        random.Jitter(0.15));
    PaintSkyline(scene, horizon, 12);
    PaintMeadow(scene, horizon, scene.h);
    const int columns = 11, rows = 8;
    const double cell = 2.6;
    const double x0 = -columns * cell / 2, z0 = random.Range(14, 18);
    PaintTreeBelt(scene, camera.Project(0, 0, z0 + rows * cell + 20).y(), -20, scene.w + 20,
                  camera.Scale(0, z0 + rows * cell + 20) * 14, 0.3);
    // east[r][c]: wall to the right of cell; south[r][c]: wall in front of cell (towards the
    // viewer).
    std::vector<std::vector<bool>> east(rows, std::vector<bool>(columns, true)),
        south(rows, std::vector<bool>(columns, true));
    std::vector<std::vector<bool>> seen(rows, std::vector<bool>(columns, false));
    std::vector<std::pair<int, int>> stack{{0, 0}};
    seen[0][0] = true;
    while (!stack.empty()) {
        const auto [r, c] = stack.back();
        std::vector<std::pair<int, int>> next;
        if (r > 0 && !seen[r - 1][c]) next.emplace_back(r - 1, c);
        if (r + 1 < rows && !seen[r + 1][c]) next.emplace_back(r + 1, c);
        if (c > 0 && !seen[r][c - 1]) next.emplace_back(r, c - 1);
        if (c + 1 < columns && !seen[r][c + 1]) next.emplace_back(r, c + 1);
        if (next.empty()) {
            stack.pop_back();
            continue;
        }
        const auto [nr, nc] = next[random.Next() % next.size()];
        if (nr == r)
            east[r][std::min(c, nc)] = false;
        else
            south[std::min(r, nr)][c] = false;
        seen[nr][nc] = true;
        stack.emplace_back(nr, nc);
    }
    // Row 0 is nearest the viewer; the entrance is a gap in the near edge.
    const double t = 0.9, h = 2.2;
    std::vector<Box> hedges;
    const int entrance = columns / 2;
    for (int c = 0; c < columns; ++c)
        if (c != entrance) hedges.push_back({x0 + c * cell, z0 - t / 2, cell + t / 2, t, h, 0});
    for (int r = 0; r < rows; ++r) {
        hedges.push_back({x0 - t / 2, z0 + r * cell, t, cell + t / 2, h, 0});
        for (int c = 0; c < columns; ++c) {
            const double cx = x0 + c * cell, cz = z0 + r * cell;
            if (east[r][c]) hedges.push_back({cx + cell - t / 2, cz, t, cell + t / 2, h, 0});
            if (south[r][c] && r + 1 < rows)
                hedges.push_back({cx, cz + cell - t / 2, cell + t / 2, t, h, 0});
        }
    }
    for (int c = 0; c < columns; ++c)
        hedges.push_back({x0 + c * cell, z0 + rows * cell - t / 2, cell + t / 2, t, h, 0});
    std::sort(hedges.begin(), hedges.end(),
              [](const Box& a, const Box& b) { return a.z + a.depth > b.z + b.depth; });
    for (const Box& hedge : hedges) PaintHedgeBox(scene, camera, hedge, random);
}

void PaintGarden(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x6a4d);
    if (random.Chance(0.25))
        PaintMaze(scene);
    else
        PaintParterre(scene, random);
}
