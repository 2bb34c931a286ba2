// An inn or a hotel: an old inn's front with its painted sign swinging from a bracket and
// benches by the door, or a hotel's long stucco front with its flags and canopy; by the
// water when the scene is by the sea.
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/water.h"

namespace {

// The sign on its iron bracket off the wall's corner: a board with a painted emblem.
void PaintInnSign(SceneContext& scene, const Camera& camera, SceneRandom& random, Vec3 mount) {
    QPainter& p = scene.painter;
    const double s = camera.Scale(mount.x, mount.z);
    const QPointF a = camera.Project(mount),
                  b = camera.Project(mount.x - 1.4, mount.y, mount.z - 0.3);
    p.setPen(QPen(QColor(30, 30, 30), std::max(1.0, s * 0.08)));
    p.drawLine(a, b);
    const QRectF board(b.x() - s * 0.55, b.y() + s * 0.1, s * 1.1, s * 1.3);
    p.drawLine(QPointF(board.left() + s * 0.1, b.y()),
               QPointF(board.left() + s * 0.1, board.top()));
    p.drawLine(QPointF(board.right() - s * 0.1, b.y()),
               QPointF(board.right() - s * 0.1, board.top()));
    static const QColor kGrounds[] = {QColor(30, 50, 90), QColor(110, 24, 30), QColor(30, 70, 44)};
    p.setPen(QPen(QColor(200, 170, 90), s * 0.06));
    p.setBrush(Lit(scene.mood, random.Pick(kGrounds)));
    p.drawRect(board);
    // The emblem: a crown, an anchor or a ship, kept to a bold shape.
    p.setPen(QPen(QColor(220, 190, 110), s * 0.09, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF c = board.center();
    switch (random.Int(0, 2)) {
        case 0:
            p.drawLine(c + QPointF(0, -s * 0.4), c + QPointF(0, s * 0.4));
            p.drawArc(QRectF(c.x() - s * 0.35, c.y() - s * 0.05, s * 0.7, s * 0.5), 180 * 16,
                      180 * 16);
            p.drawLine(c + QPointF(-s * 0.2, -s * 0.25), c + QPointF(s * 0.2, -s * 0.25));
            break;
        case 1: {
            QPolygonF crown;
            crown << c + QPointF(-s * 0.35, s * 0.2) << c + QPointF(-s * 0.35, -s * 0.2)
                  << c + QPointF(-s * 0.12, 0) << c + QPointF(0, -s * 0.3)
                  << c + QPointF(s * 0.12, 0) << c + QPointF(s * 0.35, -s * 0.2)
                  << c + QPointF(s * 0.35, s * 0.2);
            p.drawPolygon(crown);
            break;
        }
        default:
            p.drawLine(c + QPointF(-s * 0.35, s * 0.2), c + QPointF(s * 0.35, s * 0.2));
            p.drawLine(c + QPointF(0, s * 0.2), c + QPointF(0, -s * 0.4));
            p.drawLine(c + QPointF(0, -s * 0.35), c + QPointF(s * 0.3, s * 0.1));
            break;
    }
}

void PaintBench(SceneContext& scene, const Camera& camera, double x, double z) {
    const Material wood{QColor(110, 80, 50), Masonry::Smooth};
    PaintBox(scene, camera, Box{x, z, 1.8, 0.7, 0.08, 0.72}, wood);
    for (double leg : {x + 0.1, x + 1.6})
        PaintBox(scene, camera, Box{leg, z + 0.1, 0.1, 0.5, 0.72, 0}, wood);
}

}  // namespace

void PaintInn(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x1b25);
    const bool hotel = scene.FormOr(random.Int(0, 1)) == kHotelFront;
    const double horizon = scene.h * random.Range(0.6, 0.68);
    const double yaw = random.Jitter(0.35);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 1.6, yaw);
    scene.horizonY = horizon;
    PaintSkyline(scene, horizon, random.Range(10, 30));
    const double width = hotel ? random.Range(34, 50) : random.Range(14, 20);
    const int storeys = hotel ? random.Int(4, 5) : 2;
    const double height = storeys * (hotel ? 3.6 : 2.9);
    const double room = scene.h * random.Range(0.1, 0.16);
    const double z = std::max(camera.DistanceToFit(height + 4, room), width * 0.75);
    const double x = camera.XAt(scene.w * random.Range(0.42, 0.58), z) - width / 2;
    // The ground in front: a quay over the water by the sea, else the road and pavement.
    QPainter& p = scene.painter;
    const QPointF front = camera.Project(0, 0, z);
    if (scene.coastal) {
        const double quayEdge =
            std::max(front.y() + 12 * scene.u, camera.Project(0, 0, z * 0.45).y());
        p.fillRect(QRectF(0, horizon, scene.w, quayEdge - horizon),
                   Lit(scene.mood, QColor(170, 160, 146)));
        QPainterPath water;
        water.addRect(QRectF(-5, quayEdge, scene.w + 10, scene.h - quayEdge + 5));
        PaintStillWater(scene, water, quayEdge, scene.h);
        ReflectInto(scene, water, quayEdge, 0.5);
    } else {
        p.fillRect(QRectF(0, horizon, scene.w, scene.h - horizon),
                   Distant(scene.mood, QColor(150, 144, 134), 0.6));
        PaintFlagstones(scene, camera, 1, z + 30, 1.2, QColor(150, 144, 134));
    }
    static const HouseStyle kInns[] = {HouseStyle::Timbered, HouseStyle::Cottage,
                                       HouseStyle::Georgian};
    House house = RandomHouse(random, hotel ? HouseStyle::Georgian : random.Pick(kInns),
                              Box{x, z, width, random.Range(9, 12), height, 0});
    SetStoreys(house, storeys);
    if (hotel) {
        static const QColor kStucco[] = {QColor(244, 240, 230), QColor(236, 226, 200),
                                         QColor(230, 236, 240)};
        house.wall = Material{random.Pick(kStucco), Masonry::Smooth};
        house.roof = Roof::Hip;
    }
    PaintHouse(scene, camera, house, Frontage::Front);
    const double top = house.box.height;
    if (hotel) {
        // Flags over the roofline and a canopy over the door.
        for (double fx : {x + width * 0.2, x + width * 0.5, x + width * 0.8}) {
            const QPointF foot = camera.Project(fx, top, z), tip = camera.Project(fx, top + 5, z);
            p.setPen(QPen(QColor(60, 60, 60), std::max(1.0, camera.Scale(fx, z) * 0.08)));
            p.drawLine(foot, tip);
            const double s = camera.Scale(fx, z);
            p.setPen(Qt::NoPen);
            p.setBrush(
                Lit(scene.mood, random.Chance(0.5) ? QColor(170, 30, 40) : QColor(30, 60, 130)));
            p.drawRect(QRectF(tip.x(), tip.y(), s * 1.8, s * 1.1));
        }
        PaintBox(scene, camera, Box{x + width / 2 - 2, z - 3, 4, 3, 0.4, 3.2},
                 Material{QColor(40, 50, 60), Masonry::Smooth});
    } else {
        PaintInnSign(scene, camera, random, Vec3{x + 0.2, top * 0.8, z - 0.1});
        PaintBench(scene, camera, x + width * 0.2, z - 1.6);
        PaintBench(scene, camera, x + width * 0.65, z - 1.6);
    }
    PaintLampPost(scene, camera, Vec3{x - 2, 0, z - 3});
    for (int i = 0; i < random.Int(1, 4); ++i) {
        const double pz = random.Range(z * 0.5, z - 2);
        const double px = camera.XAt(scene.w * random.Range(0.15, 0.85), pz);
        PaintPerson(scene, random, camera.Project(px, 0, pz), camera.Scale(px, pz) * 1.75, 0);
    }
}
