// Rooms: a great hall under its timber roof, a council chamber, a picture gallery, a museum,
// a church nave, a crypt, a shop, a workshop, a forge, a theatre's auditorium, a ballroom,
// an aquarium, a covered market and a library, each seen from one end with the light coming
// in from the windows down one side.
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/room.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

struct Interior {
    SceneContext& scene;
    const Camera& camera;
    SceneRandom& random;
    Room room;
};

void Glow(SceneContext& scene, QPointF centre, double radius, const QColor& colour) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    g.setColorAt(1, WithAlpha(colour, 0));
    scene.painter.setPen(Qt::NoPen);
    scene.painter.setBrush(g);
    scene.painter.drawEllipse(centre, radius, radius);
}

// The outline of an arched opening from its left foot up over the arch to its right foot.
QPainterPath ArchOutline(double left, double right, double spring, double rise, bool pointed) {
    QPainterPath path;
    const double mid = (left + right) / 2;
    path.moveTo(left, 0);
    path.lineTo(left, spring);
    if (pointed) {
        path.quadTo(left, spring + rise * 0.75, mid, spring + rise);
        path.quadTo(right, spring + rise * 0.75, right, spring);
    } else {
        path.cubicTo(left, spring + rise * 1.33, right, spring + rise * 1.33, right, spring);
    }
    path.lineTo(right, 0);
    path.closeSubpath();
    return path;
}

// An arch across the room at depth z, from x0 to x1: its piers and the rib over the opening.
void ArchAcross(Interior& in, double x0, double x1, double z, double spring, double rise,
                bool pointed, const QColor& colour, double thickness) {
    PaintDecal(in.scene, in.camera, {x0, 0, z}, {x1, 0, z}, spring + rise + thickness,
               [=](QPainter& p, double w, double) {
                   const double t = thickness;
                   const QPainterPath rib =
                       ArchOutline(0, w, spring, rise + t, pointed)
                           .subtracted(ArchOutline(t, w - t, spring, rise, pointed));
                   p.setPen(Qt::NoPen);
                   p.setBrush(colour);
                   p.drawPath(rib);
                   // The soffit's shadow on the inner edge.
                   p.setBrush(QColor(0, 0, 0, 40));
                   p.drawRect(QRectF(t * 0.75, 0, t * 0.25, spring));
                   p.drawRect(QRectF(w - t, 0, t * 0.25, spring));
               });
}

void Column(Interior& in, double x, double z, double radius, double height, const Material& m) {
    PaintCylinder(in.scene, in.camera, Round{x, z, radius}, 0, height, m);
    PaintCylinder(in.scene, in.camera, Round{x, z, radius * 1.35}, height - 0.3, height, m);
    PaintCylinder(in.scene, in.camera, Round{x, z, radius * 1.3}, 0, 0.3, m);
}

void People(Interior& in, int count, double zMin, double zMax) {
    std::vector<Vec3> feet;
    for (int i = 0; i < count; ++i) {
        const double z = in.random.Range(zMin, zMax);
        const double margin = 1.0;
        feet.push_back({in.random.Range(in.room.x0 + margin, in.room.x1 - margin), 0, z});
    }
    std::sort(feet.begin(), feet.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : feet)
        PaintPerson(in.scene, in.random, in.camera.Project(foot),
                    in.camera.Scale(foot.x, foot.z) * in.random.Range(1.6, 1.8),
                    DistanceDepth(in.scene.mood, foot.z) * 0.5);
}

// Long tables down the room, benches either side.
void Tables(Interior& in, double width, const Material& wood) {
    const double centre = (in.room.x0 + in.room.x1) / 2;
    for (double offset : {-width, width}) {
        if (std::abs(offset) * 2 > in.room.x1 - in.room.x0 - 2) continue;
        const double x = centre + offset;
        const Box table{x - 0.5, in.room.zNear + 5, 1.0, in.room.zFar - in.room.zNear - 10, 0.1,
                        0.75};
        PaintBox(in.scene, in.camera, table, wood);
        for (double leg = table.z; leg < table.z + table.depth; leg += 3)
            PaintBox(in.scene, in.camera, Box{x - 0.4, leg, 0.12, 0.12, 0.75, 0}, wood);
    }
}

void GreatHall(Interior& in) {
    Room& r = in.room;
    const Material oak{QColor(92, 62, 38), Masonry::Smooth};
    // The trusses: arched braces from the walls to the collar, one every few metres.
    for (double z = r.zFar - 0.5; z > r.zNear + 2; z -= 4.2)
        ArchAcross(in, r.x0, r.x1, z, r.height - 1.5, 1.4, false, Lit(in.scene.mood, oak.colour),
                   0.45);
    Tables(in, (r.x1 - r.x0) * 0.22, oak);
    // The fireplace or dais at the far end.
    PaintBox(in.scene, in.camera, Box{r.x0, r.zFar - 4, r.x1 - r.x0, 4, 0.5, 0}, oak);
    People(in, in.random.Int(2, 6), r.zNear + 6, r.zFar - 6);
}

void Chamber(Interior& in) {
    Room& r = in.room;
    static const QColor kLeather[] = {QColor(60, 84, 130), QColor(50, 100, 70),
                                      QColor(130, 40, 44)};
    const Material leather{in.random.Pick(kLeather), Masonry::Smooth};
    const Material oak{QColor(86, 58, 36), Masonry::Smooth};
    // Tiers of benches up either side, facing across the floor.
    for (int side = 0; side < 2; ++side)
        for (int tier = 3; tier >= 0; --tier) {
            const double x = side == 0 ? r.x0 + tier * 1.0 : r.x1 - (tier + 1) * 1.0;
            const double y = tier * 0.35;
            const double z0 = r.zNear + 7, length = r.zFar - z0 - 5;
            PaintBox(in.scene, in.camera, Box{x, z0, 1.0, length, 0.35, y}, oak);
            PaintBox(in.scene, in.camera, Box{x + 0.1, z0, 0.8, length, 0.3, y + 0.35}, leather);
        }
    // The table of the house and the chair at its head.
    const double centre = (r.x0 + r.x1) / 2;
    PaintBox(in.scene, in.camera, Box{centre - 1, r.zFar - 14, 2, 6, 0.9, 0}, oak);
    PaintBox(in.scene, in.camera, Box{centre - 1.2, r.zFar - 3, 2.4, 1.2, 3.5, 0}, oak);
    PaintRoof(in.scene, in.camera, Box{centre - 1.2, r.zFar - 3, 2.4, 1.2, 3.5, 0},
              RoofDesign{Roof::Gable, 1.2, oak, oak, 0.1});
}

FaceDetail PicturesOnWall(SceneRandom random, double spacing, double y, const QColor& frame) {
    return [=](QPainter& p, double w, double) mutable {
        for (double x = spacing * 0.5; x + 1.5 < w; x += spacing * random.Range(0.8, 1.2)) {
            const double pw = random.Range(1.2, 2.6), ph = random.Range(1.2, 2.4);
            PaintFramedPicture(p, random, QRectF(x, y + random.Jitter(0.2), pw, ph), frame);
        }
    };
}

void Gallery(Interior& in) {
    Room& r = in.room;
    const Material bench{QColor(70, 50, 40), Masonry::Smooth};
    const double centre = (r.x0 + r.x1) / 2;
    for (double z = r.zNear + 8; z < r.zFar - 4; z += 12)
        PaintBox(in.scene, in.camera, Box{centre - 0.5, z, 1.0, 2.2, 0.45, 0}, bench);
    People(in, in.random.Int(2, 5), r.zNear + 5, r.zFar - 4);
}

void Museum(Interior& in) {
    Room& r = in.room;
    const Material cabinet{QColor(70, 52, 40), Masonry::Smooth};
    const QColor glass(210, 230, 240, 70);
    const double centre = (r.x0 + r.x1) / 2;
    std::vector<Box> cases;
    for (double z = r.zFar - 6; z > r.zNear + 3; z -= in.random.Range(4.5, 6.5))
        for (double side : {-1.0, 1.0})
            cases.push_back(Box{centre + side * (r.x1 - r.x0) * 0.25 - 0.8, z, 1.6, 2.4, 0.9, 0});
    for (const Box& box : cases) {
        PaintBox(in.scene, in.camera, box, cabinet);
        // Glass tops with the exhibits inside catching the light.
        const Box top{box.x, box.z, box.width, box.depth, 0.6, box.height};
        QPainter& p = in.scene.painter;
        const QPointF a = in.camera.Project(top.x, top.base + top.height, top.z),
                      b = in.camera.Project(top.x + top.width, top.base, top.z + top.depth);
        const QRectF bounds = QRectF(a, b).normalized();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 160, 90));
        p.drawEllipse(bounds.center(), bounds.width() * 0.18, bounds.height() * 0.15);
        PaintBox(in.scene, in.camera, top, Material{glass, Masonry::Smooth});
    }
    // The centrepiece down the middle: a tall case with the treasure lit inside.
    const Material plinth{QColor(150, 140, 128), Masonry::Smooth};
    const double z = r.zNear + (r.zFar - r.zNear) * 0.4;
    PaintBox(in.scene, in.camera, Box{centre - 0.9, z, 1.8, 1.8, 0.8, 0}, plinth);
    const QPointF treasure = in.camera.Project(centre, 1.5, z + 0.9);
    const double s = in.camera.Scale(centre, z);
    Glow(in.scene, treasure, s * 1.2, QColor(255, 230, 160, 160));
    in.scene.painter.setBrush(Lit(in.scene.mood, QColor(200, 150, 60)));
    in.scene.painter.drawEllipse(treasure, s * 0.35, s * 0.45);
    PaintBox(in.scene, in.camera, Box{centre - 0.9, z, 1.8, 1.8, 1.6, 0.8},
             Material{glass, Masonry::Smooth});
    People(in, in.random.Int(2, 4), r.zNear + 3, r.zFar - 4);
}

void Nave(Interior& in) {
    Room& r = in.room;
    const Material stone{QColor(186, 176, 156), Masonry::Ashlar};
    const Material oak{QColor(96, 66, 40), Masonry::Smooth};
    const double aisle = (r.x1 - r.x0) * 0.22;
    const double bay = 5;
    const QColor arch = Lit(in.scene.mood, stone.colour);
    // The vault's ribs across the nave, the arcades down its sides.
    for (double z = r.zFar - 1; z > r.zNear + 1; z -= bay)
        ArchAcross(in, r.x0 + aisle, r.x1 - aisle, z, r.height * 0.62, r.height * 0.38, true, arch,
                   0.5);
    for (double z = r.zFar - 1; z > r.zNear + 1; z -= bay)
        for (double x : {r.x0 + aisle, r.x1 - aisle})
            Column(in, x, z, 0.45, r.height * 0.55, stone);
    // Pews either side of the central aisle.
    const double centre = (r.x0 + r.x1) / 2;
    for (double z = r.zFar - 8; z > r.zNear + 5; z -= 1.1)
        for (double side : {-1.0, 1.0}) {
            const double x0 = side < 0 ? r.x0 + aisle + 0.5 : centre + 1;
            PaintBox(in.scene, in.camera,
                     Box{x0, z, centre - 1 - (r.x0 + aisle + 0.5), 0.35, 1.0, 0}, oak);
        }
}

void Crypt(Interior& in) {
    Room& r = in.room;
    const Material stone{QColor(150, 140, 124), Masonry::Rubble};
    const double centre = (r.x0 + r.x1) / 2;
    const QColor arch = Lit(in.scene.mood, stone.colour);
    for (double z = r.zFar - 0.5; z > r.zNear + 3; z -= 3.2) {
        ArchAcross(in, r.x0, centre, z, r.height * 0.45, r.height * 0.55, false, arch, 0.35);
        ArchAcross(in, centre, r.x1, z, r.height * 0.45, r.height * 0.55, false, arch, 0.35);
    }
    for (double z = r.zFar - 0.5; z > r.zNear + 3; z -= 3.2)
        Column(in, centre, z, 0.35, r.height * 0.45, stone);
    // Candles and lamps: warm pools in the dark.
    for (double z = r.zFar - 2; z > r.zNear + 3; z -= 6.4) {
        const QPointF flame = in.camera.Project(r.x0 + 0.6, 1.6, z);
        Glow(in.scene, flame, in.camera.Scale(r.x0, z) * 1.6, QColor(255, 190, 110, 120));
    }
}

void Shelves(QPainter& p, SceneRandom& random, double x0, double x1, double y0, double y1,
             bool books) {
    static const QColor kGoods[] = {QColor(150, 40, 40),   QColor(40, 70, 120),
                                    QColor(190, 160, 80),  QColor(60, 110, 70),
                                    QColor(200, 200, 190), QColor(110, 70, 40)};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 62, 40));
    p.drawRect(QRectF(x0, y0, x1 - x0, y1 - y0));
    for (double y = y0 + 0.1; y + 0.4 < y1; y += 0.55) {
        p.setBrush(QColor(60, 40, 26));
        p.drawRect(QRectF(x0, y, x1 - x0, 0.06));
        for (double x = x0 + 0.05; x < x1 - 0.1;) {
            const double w = books ? random.Range(0.05, 0.12) : random.Range(0.15, 0.35);
            const double h = books ? random.Range(0.3, 0.42) : random.Range(0.15, 0.4);
            p.setBrush(random.Pick(kGoods));
            if (books)
                p.drawRect(QRectF(x, y + 0.06, w, h));
            else
                p.drawRoundedRect(QRectF(x, y + 0.06, w, h), w * 0.3, w * 0.3);
            x += w + (books ? 0.01 : random.Range(0.03, 0.12));
        }
    }
}

FaceDetail ShelvedWall(SceneRandom random, double top, bool books) {
    return [=](QPainter& p, double w, double) mutable {
        Shelves(p, random, 0.1, w - 0.1, 0.2, top, books);
    };
}

void Shop(Interior& in, bool workshop) {
    Room& r = in.room;
    const Material wood{workshop ? QColor(120, 90, 56) : QColor(90, 56, 36), Masonry::Smooth};
    // The counter or bench along one side, goods or tools on it.
    const bool left = in.scene.mood.sunFromLeft;
    const double x = left ? r.x1 - 1.3 : r.x0 + 0.3;
    PaintBox(in.scene, in.camera, Box{x, r.zNear + 1.5, 1.0, r.zFar - r.zNear - 3, 0.95, 0}, wood);
    QPainter& p = in.scene.painter;
    static const QColor kThings[] = {QColor(200, 180, 120), QColor(40, 40, 44), QColor(160, 60, 40),
                                     QColor(210, 210, 200)};
    for (double z = r.zNear + 2; z < r.zFar - 2; z += in.random.Range(0.5, 1.2)) {
        const QPointF at = in.camera.Project(x + 0.5, 0.95, z);
        const double s = in.camera.Scale(x, z) * in.random.Range(0.12, 0.3);
        p.setPen(Qt::NoPen);
        p.setBrush(Lit(in.scene.mood, in.random.Pick(kThings)));
        p.drawRoundedRect(QRectF(at.x() - s, at.y() - s * 1.2, s * 2, s * 1.2), s * 0.3, s * 0.3);
    }
    // The maker or the shopkeeper at work.
    const double z = r.zNear + (r.zFar - r.zNear) * 0.45;
    const double px = left ? x - 0.6 : x + 1.6;
    PaintPerson(in.scene, in.random, in.camera.Project(px, 0, z), in.camera.Scale(px, z) * 1.7, 0);
}

void Forge(Interior& in) {
    Room& r = in.room;
    const double centre = (r.x0 + r.x1) / 2;
    const Material brick{QColor(120, 70, 54), Masonry::Brick};
    const Material iron{QColor(40, 40, 44), Masonry::Smooth};
    // The hearth against the far wall, its fire lighting the room.
    const Box hearth{centre - 1.4, r.zFar - 1.6, 2.8, 1.6, 1.0, 0};
    PaintBox(in.scene, in.camera, hearth, brick);
    PaintBox(in.scene, in.camera, Box{centre - 1.1, r.zFar - 1.2, 2.2, 1.2, 1.8, 2.2}, brick);
    const QPointF fire = in.camera.Project(centre, 1.15, r.zFar - 0.8);
    const double scale = in.camera.Scale(centre, r.zFar);
    Glow(in.scene, fire, scale * 5, QColor(255, 140, 50, 150));
    Glow(in.scene, fire, scale * 1.2, QColor(255, 230, 140, 255));
    // The anvil on its block in the middle of the floor, the quench tub beside it.
    const double z = r.zNear + (r.zFar - r.zNear) * 0.5;
    PaintBox(in.scene, in.camera, Box{centre - 0.35, z, 0.7, 0.7, 0.6, 0},
             Material{QColor(90, 64, 40), Masonry::Smooth});
    PaintBox(in.scene, in.camera, Box{centre - 0.5, z + 0.15, 1.0, 0.4, 0.25, 0.6}, iron);
    const QPointF horn = in.camera.Project(centre + 0.5, 0.78, z + 0.35);
    in.scene.painter.setPen(
        QPen(QColor(30, 30, 34), in.camera.Scale(centre, z) * 0.18, Qt::SolidLine, Qt::RoundCap));
    in.scene.painter.drawLine(in.camera.Project(centre + 0.45, 0.78, z + 0.35),
                              horn + QPointF(in.camera.Scale(centre, z) * 0.35, 0));
    PaintCylinder(in.scene, in.camera, Round{centre + 1.5, z - 0.6, 0.4}, 0, 0.7,
                  Material{QColor(100, 70, 44), Masonry::Smooth});
    PaintPerson(in.scene, in.random, in.camera.Project(centre - 1.0, 0, z + 0.4),
                in.camera.Scale(centre, z) * 1.75, 0);
}

void Auditorium(Interior& in) {
    Room& r = in.room;
    const double centre = (r.x0 + r.x1) / 2;
    // Rows of red seats falling towards the stage.
    const Material plush{QColor(150, 30, 36), Masonry::Smooth};
    for (double z = r.zFar - 7; z > r.zNear + 1; z -= 1.0) {
        PaintBox(in.scene, in.camera, Box{r.x0 + 1.5, z, centre - r.x0 - 2.2, 0.5, 0.9, 0}, plush);
        PaintBox(in.scene, in.camera, Box{centre + 0.7, z, r.x1 - centre - 2.2, 0.5, 0.9, 0},
                 plush);
    }
    // The glow of the stage lights.
    const QPointF stage = in.camera.Project(centre, 2.5, r.zFar);
    Glow(in.scene, stage, in.camera.Scale(centre, r.zFar) * 6, QColor(255, 220, 150, 90));
}

FaceDetail Proscenium(const QColor& gilt) {
    return [=](QPainter& p, double w, double h) {
        const double opening = w * 0.62, left = (w - opening) / 2;
        const double top = h * 0.7;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 200, 130));
        p.drawRect(QRectF(left, 1.0, opening, top - 1.0));
        // The curtains drawn back in swags, the pelmet across the top.
        p.setBrush(QColor(160, 24, 30));
        p.drawRect(QRectF(left, 1.0, opening * 0.16, top - 1.0));
        p.drawRect(QRectF(left + opening * 0.84, 1.0, opening * 0.16, top - 1.0));
        p.drawRect(QRectF(left, top - 1.2, opening, 1.2));
        p.setBrush(QColor(110, 60, 40));
        p.drawRect(QRectF(left, 0, opening, 1.0));
        p.setBrush(gilt);
        p.drawRect(QRectF(left - 0.6, 0, 0.6, top + 0.6));
        p.drawRect(QRectF(left + opening, 0, 0.6, top + 0.6));
        p.drawRect(QRectF(left - 0.6, top, opening + 1.2, 0.6));
    };
}

FaceDetail Boxes(const QColor& gilt) {
    return [=](QPainter& p, double w, double) {
        p.setPen(Qt::NoPen);
        for (int tier = 0; tier < 3; ++tier) {
            const double y = 3 + tier * 2.6;
            p.setBrush(QColor(60, 16, 20));
            p.drawRect(QRectF(0, y, w, 2.0));
            p.setBrush(gilt);
            p.drawRect(QRectF(0, y, w, 0.7));
            for (double x = 0; x < w; x += 2.4) p.drawRect(QRectF(x, y, 0.15, 2.0));
        }
    };
}

void Ballroom(Interior& in) {
    Room& r = in.room;
    const double centre = (r.x0 + r.x1) / 2;
    for (double z = r.zNear + 6; z < r.zFar - 2; z += 9) {
        const QPointF c = in.camera.Project(centre, r.height - 2.2, z);
        const double s = in.camera.Scale(centre, z);
        in.scene.painter.setPen(QPen(QColor(120, 100, 60), s * 0.05));
        in.scene.painter.drawLine(c, in.camera.Project(centre, r.height, z));
        Glow(in.scene, c, s * 1.6, QColor(255, 236, 180, 200));
        for (int i = 0; i < 8; ++i) {
            const double a = i * 3.14159 / 4;
            in.scene.painter.setBrush(QColor(255, 250, 220));
            in.scene.painter.drawEllipse(c + QPointF(std::cos(a) * s * 0.8, std::sin(a) * s * 0.25),
                                         s * 0.08, s * 0.08);
        }
    }
    People(in, in.random.Int(6, 12), r.zNear + 4, r.zFar - 3);
}

void Aquarium(Interior& in) {
    Room& r = in.room;
    // Lit tanks let into both walls: blue-green water, weed and the fish.
    for (double x : {r.x0 + 0.02, r.x1 - 0.02}) {
        for (double z = r.zNear + 2; z < r.zFar - 2; z += 4.5) {
            PaintDecal(in.scene, in.camera, {x, 0.8, z}, {x, 0.8, z + 3.6}, 2.2,
                       [&](QPainter& q, double w, double h) {
                           QLinearGradient g(0, h, 0, 0);
                           g.setColorAt(0, QColor(120, 210, 220));
                           g.setColorAt(1, QColor(20, 80, 110));
                           q.fillRect(QRectF(0, 0, w, h), g);
                           q.setBrush(QColor(40, 90, 50));
                           for (double wx = 0.2; wx < w; wx += 0.5)
                               q.drawEllipse(QRectF(wx, 0, 0.15, in.random.Range(0.4, 1.2)));
                           q.setBrush(QColor(220, 140, 60));
                           for (int f = 0; f < 4; ++f) {
                               const QPointF c(in.random.Range(0.3, w - 0.3),
                                               in.random.Range(0.5, h - 0.3));
                               q.drawEllipse(c, 0.22, 0.09);
                           }
                       });
        }
    }
    People(in, in.random.Int(2, 4), r.zNear + 3, r.zFar - 3);
}

void CoveredMarket(Interior& in) {
    Room& r = in.room;
    const Material iron{QColor(50, 70, 64), Masonry::Smooth};
    static const QColor kAwnings[] = {QColor(170, 40, 40), QColor(40, 90, 60), QColor(200, 170, 70),
                                      QColor(40, 70, 130)};
    for (double z = r.zFar - 2; z > r.zNear + 2; z -= 6)
        for (double x : {r.x0 + (r.x1 - r.x0) * 0.3, r.x1 - (r.x1 - r.x0) * 0.3})
            PaintCylinder(in.scene, in.camera, Round{x, z, 0.2}, 0, r.height, iron);
    for (double z = r.zFar - 4; z > r.zNear + 2; z -= 3.2)
        for (double side : {-1.0, 1.0}) {
            const double x = side < 0 ? r.x0 + 0.5 : r.x1 - 3.0;
            PaintBox(in.scene, in.camera, Box{x, z, 2.5, 2.2, 0.9, 0},
                     Material{QColor(110, 80, 50), Masonry::Smooth});
            PaintBox(in.scene, in.camera, Box{x - 0.2, z - 0.3, 2.9, 2.8, 0.15, 2.3},
                     Material{in.random.Pick(kAwnings), Masonry::Smooth});
        }
    People(in, in.random.Int(5, 10), r.zNear + 3, r.zFar - 3);
}

FaceDetail GlassRoof(const SceneContext& scene) {
    const QColor sky = Mix(scene.mood.skyHorizon, QColor(255, 255, 255), 0.35);
    return [=](QPainter& p, double w, double d) {
        p.fillRect(QRectF(0, 0, w, d), sky);
        p.setPen(QPen(QColor(50, 66, 60), 0.12));
        for (double x = 0; x < w; x += 1.2) p.drawLine(QPointF(x, 0), QPointF(x, d));
        p.setPen(QPen(QColor(50, 66, 60), 0.35));
        for (double z = 0; z < d; z += 6) p.drawLine(QPointF(0, z), QPointF(w, z));
    };
}

FaceDetail Panelling(const QColor& wood, double top) {
    return [=](QPainter& p, double w, double) {
        p.setPen(Qt::NoPen);
        p.setBrush(wood);
        p.drawRect(QRectF(0, 0, w, top));
        p.setPen(QPen(Scaled(wood, 0.7), 0.05));
        p.setBrush(Qt::NoBrush);
        for (double x = 0.1; x + 0.8 < w; x += 1.0)
            p.drawRect(QRectF(x + 0.1, 0.3, 0.8, top - 0.6));
    };
}

FaceDetail Both(FaceDetail a, FaceDetail b) {
    return [=](QPainter& p, double w, double h) {
        if (a) a(p, w, h);
        if (b) b(p, w, h);
    };
}

}  // namespace

void PaintInterior(SceneContext& scene) {
    if (scene.form == kTubePlatform) {
        PaintTubePlatform(scene);
        return;
    }
    SceneRandom random = scene.random.Fork(0x1a7e);
    const int form = scene.FormOr(random.Int(0, kLibrary));
    // Rooms are darker than the day outside, and their light is warmer.
    scene.mood.light = Mix(scene.mood.light, QColor(255, 226, 180), 0.3);
    scene.mood.hazeStrength = 0.2;
    const bool small = form == kShop || form == kWorkshop || form == kForge;
    const double horizon = scene.h * random.Range(0.52, 0.6);
    const double eye = form == kAuditorium ? 4.0 : form == kChamber ? 3.2 : 1.6;
    const Camera camera(scene.w, horizon, scene.FieldOfView(small ? 1.25 : 1.1), eye,
                        random.Jitter(0.08));
    scene.horizonY = horizon;
    Interior in{scene, camera, random, {}};
    Room& r = in.room;
    const double width = small            ? random.Range(5, 7)
                         : form == kCrypt ? random.Range(8, 11)
                         : form == kNave  ? random.Range(14, 18)
                                          : random.Range(10, 16);
    // In a crypt the viewer stands in one aisle, the row of columns off to one side.
    const double offset =
        form == kCrypt ? width * (random.Chance(0.5) ? 0.25 : -0.25) : random.Jitter(width * 0.08);
    r.x0 = -width / 2 + offset;
    r.x1 = width / 2 + offset;
    r.height = small ? 3.4 : form == kCrypt ? 4.2 : form == kNave ? 20 : random.Range(8, 12);
    r.zFar = small ? random.Range(9, 13) : random.Range(28, 45);
    static const QColor kPlaster[] = {QColor(226, 214, 190), QColor(210, 200, 180),
                                      QColor(236, 226, 206)};
    static const QColor kGalleryWalls[] = {QColor(140, 40, 44), QColor(60, 90, 80),
                                           QColor(170, 150, 110)};
    const Material plaster{random.Pick(kPlaster), Masonry::Smooth};
    const Material stone{QColor(180, 170, 150), Masonry::Ashlar};
    const Material boards{QColor(130, 92, 58), Masonry::Smooth};
    const Material flags{QColor(150, 142, 130), Masonry::Smooth};
    const QColor oak(92, 62, 38), gilt(200, 164, 80);
    const bool fromLeft = scene.mood.sunFromLeft;
    const double bays = form == kNave ? 5 : form == kHall ? 4.2 : 4.5;
    FaceDetail windows = WindowsAlongWall(scene, small ? 1.0 : 2.5, small ? 1.6 : r.height * 0.55,
                                          bays, form == kHall || form == kNave);
    r.walls = plaster;
    r.farWall = plaster;
    r.floor = boards;
    r.ceiling = Material{Scaled(plaster.colour, 0.9), Masonry::Smooth};
    r.floorDetail = FloorPattern(boards.colour, 0.25, false);
    bool sideWindows = true;
    switch (form) {
        case kHall:
            r.walls = stone;
            r.farWall = stone;
            r.floor = flags;
            r.floorDetail = FloorPattern(flags.colour, 1.2, true);
            r.ceiling = Material{oak, Masonry::Smooth};
            r.farDetail =
                WindowsAlongWall(scene, r.height * 0.35, r.height * 0.5, width / 1.4, true);
            break;
        case kChamber:
            r.walls = Material{oak, Masonry::Smooth};
            r.farWall = Material{oak, Masonry::Smooth};
            r.floor = Material{QColor(60, 90, 70), Masonry::Smooth};
            r.floorDetail = {};
            r.ceiling = Material{Scaled(oak, 1.2), Masonry::Smooth};
            r.ceilingDetail = FloorPattern(Scaled(oak, 0.8), 1.5, true);
            break;
        case kGallery:
            sideWindows = false;
            r.walls = Material{random.Pick(kGalleryWalls), Masonry::Smooth};
            r.farWall = r.walls;
            r.left = PicturesOnWall(random.Fork(1), 3.2, 1.6, gilt);
            r.right = PicturesOnWall(random.Fork(2), 3.2, 1.6, gilt);
            r.farDetail = PicturesOnWall(random.Fork(3), 4.0, 1.4, gilt);
            r.ceilingDetail = GlassRoof(scene);
            break;
        case kMuseum:
            r.floor = flags;
            r.floorDetail = FloorPattern(flags.colour, 0.8, true);
            r.farDetail = PicturesOnWall(random.Fork(3), 5.0, 2.0, QColor(60, 50, 40));
            break;
        case kNave:
            r.walls = stone;
            r.farWall = stone;
            r.floor = flags;
            r.floorDetail = FloorPattern(flags.colour, 1.0, true);
            r.ceiling = stone;
            r.farDetail = [](QPainter& p, double w, double h) {
                // The east window's stained glass.
                const QPainterPath window = ArchOutline(w * 0.32, w * 0.68, h * 0.4, h * 0.22, true)
                                                .translated(0, h * 0.25);
                static const QColor kPanes[] = {QColor(40, 60, 160), QColor(60, 90, 190),
                                                QColor(170, 30, 40), QColor(220, 180, 60),
                                                QColor(40, 120, 70), QColor(50, 70, 170)};
                p.save();
                p.setClipPath(window);
                p.setPen(Qt::NoPen);
                int i = 0;
                for (double y = h * 0.2; y < h; y += 0.9)
                    for (double x = w * 0.3; x < w * 0.7; x += 0.7)
                        p.fillRect(QRectF(x, y, 0.62, 0.82), kPanes[(i++ * 5 + int(y)) % 6]);
                // Mullions: the tracery's dark stone.
                p.setPen(QPen(QColor(40, 36, 34), 0.25));
                for (double x = w * 0.32; x < w * 0.68; x += w * 0.09)
                    p.drawLine(QPointF(x, 0), QPointF(x, h));
                p.restore();
            };
            break;
        case kCrypt:
            sideWindows = false;
            scene.mood.light = Scaled(scene.mood.light, 0.7);
            r.walls = Material{QColor(150, 140, 124), Masonry::Rubble};
            r.farWall = r.walls;
            r.ceiling = r.walls;
            r.floor = flags;
            r.floorDetail = FloorPattern(flags.colour, 0.9, true);
            break;
        case kShop:
        case kWorkshop:
            r.left = ShelvedWall(random.Fork(4), 2.6, false);
            r.right = ShelvedWall(random.Fork(5), 2.6, false);
            r.farDetail = WindowsAlongWall(scene, 0.9, 1.8, width / 2.2, false);
            sideWindows = false;
            break;
        case kForge:
            sideWindows = false;
            scene.mood.light = Scaled(scene.mood.light, 0.6);
            r.walls = Material{QColor(110, 96, 84), Masonry::Rubble};
            r.farWall = r.walls;
            r.ceiling = Material{QColor(60, 50, 44), Masonry::Smooth};
            r.floor = Material{QColor(80, 70, 62), Masonry::Smooth};
            r.floorDetail = {};
            break;
        case kAuditorium:
            sideWindows = false;
            r.walls = Material{QColor(120, 30, 36), Masonry::Smooth};
            r.farWall = r.walls;
            r.left = Boxes(gilt);
            r.right = Boxes(gilt);
            r.farDetail = Proscenium(gilt);
            r.ceiling = Material{QColor(220, 200, 160), Masonry::Smooth};
            r.floor = Material{QColor(120, 30, 36), Masonry::Smooth};
            r.floorDetail = {};
            break;
        case kBallroom:
            r.floorDetail = FloorPattern(Scaled(boards.colour, 1.2), 0.15, false);
            r.ceilingDetail = Panelling(Scaled(plaster.colour, 0.95), 0);
            break;
        case kAquarium:
            sideWindows = false;
            scene.mood.light = QColor(120, 150, 170);
            r.walls = Material{QColor(40, 50, 60), Masonry::Smooth};
            r.farWall = r.walls;
            r.ceiling = r.walls;
            r.floor = Material{QColor(50, 54, 58), Masonry::Smooth};
            r.floorDetail = {};
            break;
        case kCoveredMarket:
            sideWindows = false;
            r.ceilingDetail = GlassRoof(scene);
            r.walls = Material{QColor(170, 110, 80), Masonry::Brick};
            r.farWall = r.walls;
            r.floor = flags;
            r.floorDetail = FloorPattern(flags.colour, 0.8, true);
            break;
        default:  // the library
            r.left = ShelvedWall(random.Fork(6), r.height - 1, true);
            r.right = ShelvedWall(random.Fork(7), r.height - 1, true);
            r.farDetail = ShelvedWall(random.Fork(8), r.height - 1, true);
            sideWindows = false;
            r.ceilingDetail = GlassRoof(scene);
            break;
    }
    if (sideWindows) {
        FaceDetail& wall = fromLeft ? r.left : r.right;
        wall = Both(form == kChamber ? Panelling(Scaled(oak, 0.85), 2.2) : FaceDetail{}, windows);
        FaceDetail& other = fromLeft ? r.right : r.left;
        if (form == kChamber) other = Panelling(Scaled(oak, 0.85), 2.2);
        if (form == kHall && !other) other = Panelling(oak, 2.4);
        r.floorDetail = Both(r.floorDetail, WindowLightOnFloor(scene, r, bays, fromLeft));
    }
    PaintRoom(scene, camera, r);
    switch (form) {
        case kHall:
            GreatHall(in);
            break;
        case kChamber:
            Chamber(in);
            break;
        case kGallery:
            Gallery(in);
            break;
        case kMuseum:
            Museum(in);
            break;
        case kNave:
            Nave(in);
            break;
        case kCrypt:
            Crypt(in);
            break;
        case kShop:
            Shop(in, false);
            break;
        case kWorkshop:
            Shop(in, true);
            break;
        case kForge:
            Forge(in);
            break;
        case kAuditorium:
            Auditorium(in);
            break;
        case kBallroom:
            Ballroom(in);
            break;
        case kAquarium:
            Aquarium(in);
            break;
        case kCoveredMarket:
            CoveredMarket(in);
            break;
        default:
            Tables(in, (in.room.x1 - in.room.x0) * 0.2,
                   Material{QColor(90, 60, 40), Masonry::Smooth});
            break;
    }
}
