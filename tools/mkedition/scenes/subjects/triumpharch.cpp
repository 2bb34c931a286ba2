// A triumphal arch over the road: a great round-headed gateway between paired columns, an
// attic carrying the royal arms in colour, the street beyond framed in the arch, and the
// traffic and people passing through.
#include <QPainter>
#include <QPainterPath>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/classical.h"
#include "tools/mkedition/scenes/crowd.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

// The arch's face: the open gateway, small side passages, and the arms on the attic.
FaceDetail ArchFace(const QImage& behind, const QColor& stone, double attic) {
    return [=](QPainter& p, double w, double h) {
        const QRectF gateway(w / 2 - w * 0.17, 0, w * 0.34, (h - attic) * 0.78);
        p.fillPath(OpeningPath(gateway.adjusted(-0.5, 0, 0.5, 0.5), Arch::Round),
                   Scaled(stone, 1.1));
        PaintThrough(p, OpeningPath(gateway, Arch::Round), behind);
        for (double side : {-1.0, 1.0}) {
            const QRectF passage(w / 2 + side * w * 0.33 - w * 0.06, 0, w * 0.12,
                                 (h - attic) * 0.42);
            PaintThrough(p, OpeningPath(passage, Arch::Round), behind);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(Scaled(stone, 1.12));
        p.drawRect(QRectF(0, h - attic - 0.8, w, 0.8));
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawRect(QRectF(0, h - attic - 0.95, w, 0.15));
        // The royal arms: a quartered shield under a crown, in red, blue and gold.
        const QRectF shield(w / 2 - 1.6, h - attic + 0.6, 3.2, attic - 1.6);
        QPainterPath outline;
        outline.moveTo(shield.left(), shield.bottom());
        outline.lineTo(shield.right(), shield.bottom());
        outline.lineTo(shield.right(), shield.top() + shield.height() * 0.45);
        outline.quadTo(shield.right(), shield.top(), shield.center().x(), shield.top());
        outline.quadTo(shield.left(), shield.top(), shield.left(),
                       shield.top() + shield.height() * 0.45);
        outline.closeSubpath();
        p.fillPath(outline, QColor(200, 170, 70));
        p.save();
        p.setClipPath(outline);
        p.fillRect(QRectF(shield.left(), shield.center().y(), shield.width() / 2, shield.height()),
                   QColor(180, 30, 40));
        p.fillRect(
            QRectF(shield.center().x(), shield.top(), shield.width() / 2, shield.height() / 2),
            QColor(40, 60, 150));
        p.restore();
        p.setBrush(QColor(220, 180, 60));
        p.drawEllipse(QRectF(shield.center().x() - 0.8, shield.bottom() + 0.1, 1.6, 0.8));
    };
}

}  // namespace

void PaintTriumphalArch(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0xa4c4);
    const double horizon = scene.h * random.Range(0.56, 0.64);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), 1.6, random.Jitter(0.15));
    PaintSkyline(scene, horizon, 10);
    const double width = random.Range(22, 28), height = random.Range(19, 24), attic = 5;
    const double z = camera.DistanceToFit(height, scene.h * random.Range(0.1, 0.2));
    const double cx = camera.XAt(scene.w * random.Range(0.45, 0.55), z);
    PaintFlagstones(scene, camera, 1, 300, 2.2, QColor(120, 118, 114));
    // The street beyond, seen through the arch.
    for (double hz = 200; hz > z + 10; hz -= random.Range(9, 12))
        for (double side : {-1.0, 1.0}) {
            House house = RandomHouse(random, HouseStyle::Georgian,
                                      Box{side < 0 ? cx - 24 : cx + 12, hz, 12, 10, 0, 0});
            SetStoreys(house, 4);
            PaintHouse(scene, camera, house, side < 0 ? Frontage::Right : Frontage::Left);
        }
    const QImage behind = scene.image.copy();
    const QColor stones[] = {QColor(226, 220, 204), QColor(214, 204, 180), QColor(200, 196, 186)};
    const Material stone{random.Pick(stones), Masonry::Ashlar};
    const Box arch{cx - width / 2, z, width, 8, height, 0};
    PaintBox(scene, camera, arch, stone,
             BoxFaces{ArchFace(behind, stone.colour, attic), {}, {}, {}, {}});
    // Paired columns standing proud of the face between the openings.
    for (double f : {-0.42, -0.24, 0.24, 0.42})
        PaintColumn(scene, camera, cx + f * width, z - 1.0, 0.7, 0.8, height - attic - 1.8, stone);
    for (double f : {-0.42, -0.24, 0.24, 0.42})
        PaintBox(scene, camera, Box{cx + f * width - 1.2, z - 2.2, 2.4, 2.2, 0.8, 0}, stone);
    std::vector<Vec3> people;
    for (int i = 0; i < random.Int(6, 14); ++i)
        people.push_back({cx + random.Jitter(width), 0, random.Range(6, z - 4)});
    PaintCrowd(scene, camera, random, people);
    PaintLampPost(scene, camera, {cx - width * 0.7, 0, z - 8});
    PaintLampPost(scene, camera, {cx + width * 0.7, 0, z - 8});
}
