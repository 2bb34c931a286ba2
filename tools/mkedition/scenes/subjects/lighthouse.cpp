// A lighthouse on its headland, the keepers' cottages at its foot, the sea all round.
#include <QPainter>
#include <QPainterPath>

#include "tools/mkedition/scenes/coastland.h"
#include "tools/mkedition/scenes/foreground.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/openings.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/solids.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"

namespace {

void PaintLighthouseTower(SceneContext& scene, const Camera& camera, SceneRandom& random,
                          const Round& base, double foot, double height) {
    const Material white{QColor(240, 238, 230), Masonry::Smooth};
    const Material red{QColor(176, 36, 36), Masonry::Smooth};
    const Material black{QColor(36, 38, 40), Masonry::Smooth};
    const bool banded = random.Chance(0.4);
    const double topRadius = base.radius * 0.7;
    const int bands = banded ? random.Int(2, 3) * 2 : 1;
    for (int i = 0; i < bands; ++i) {
        const double y0 = foot + height * i / bands, y1 = foot + height * (i + 1) / bands;
        Round ring = base;
        ring.radius = base.radius + (topRadius - base.radius) * i / bands;
        const double r1 = base.radius + (topRadius - base.radius) * (i + 1) / bands;
        PaintFrustum(scene, camera, ring, y0, y1, r1, banded && i % 2 ? red : white);
    }
    // Small windows up the tower, then the gallery, the lantern and its dome.
    const OpeningLook look = WindowLook(scene, white.colour);
    for (int i = 1; i <= 3; ++i) {
        Round at = base;
        at.radius = base.radius + (topRadius - base.radius) * i / 4.0;
        PaintOnCylinder(scene, camera, at, random.Jitter(0.3), foot + height * i / 4.0, 0.6, 1.0,
                        [look](QPainter& p, double w, double h) {
                            PaintWindow(p, QRectF(0, 0, w, h), Arch::Round, look, 0, 0, false);
                        });
    }
    Round gallery = base;
    gallery.radius = topRadius * 1.35;
    const double top = foot + height;
    PaintCylinder(scene, camera, gallery, top, top + 0.5, black);
    Round lantern = base;
    lantern.radius = topRadius * 0.8;
    const Material glass{scene.mood.windowsLit
                             ? QColor(255, 236, 170)
                             : Mix(scene.mood.skyHorizon, QColor(40, 50, 60), 0.5),
                         Masonry::Smooth};
    PaintCylinder(scene, camera, lantern, top + 0.5, top + 3.2, glass);
    // Glazing bars of the lantern.
    QPainter& p = scene.painter;
    p.setPen(QPen(QColor(40, 40, 40), std::max(0.6, camera.Scale(base.x, base.z) * 0.08)));
    for (double a = -1.2; a <= 1.21; a += 0.6) {
        const Vec3 low{lantern.x + lantern.radius * std::sin(a), top + 0.5,
                       lantern.z - lantern.radius * std::cos(a)};
        p.drawLine(camera.Project(low), camera.Project(low.x, top + 3.2, low.z));
    }
    // The railing round the gallery.
    const double rail = top + 1.4;
    p.drawLine(camera.Project(gallery.x - gallery.radius, rail, gallery.z),
               camera.Project(gallery.x + gallery.radius, rail, gallery.z));
    PaintDome(scene, camera, lantern, top + 3.2, lantern.radius * 1.1,
              random.Chance(0.5) ? black : red);
    if (scene.mood.windowsLit) {
        // The lamp is lit: a glow round the lantern.
        const QPointF glow = camera.Project(lantern.x, top + 1.9, lantern.z);
        const double r = camera.Scale(base.x, base.z) * 6;
        QRadialGradient halo(glow, r);
        halo.setColorAt(0, QColor(255, 240, 190, 200));
        halo.setColorAt(1, QColor(255, 240, 190, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(halo);
        p.drawEllipse(glow, r, r);
    }
}

}  // namespace

void PaintLighthouse(SceneContext& scene) {
    ClearSnow(scene.mood);
    SceneRandom random = scene.random.Fork(0x119e);
    const double horizon = scene.h * random.Range(0.5, 0.6);
    const double eye = random.Range(2, 20);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.0), eye, 0);
    PaintSeaView(scene, horizon);

    // Far headlands, then the one the light stands on.
    const bool landOnLeft = random.Chance(0.5);
    static constexpr Rock kRocks[] = {Rock::Granite, Rock::Granite, Rock::Sandstone, Rock::Chalk};
    const Rock rock = random.Pick(kRocks);
    for (int i = 2; i >= 1; --i) {
        Headland far;
        far.distance = random.Range(700, 900) * i;
        far.height = random.Range(30, 70);
        far.tip = 0.3 + 0.1 * i;
        far.landOnLeft = !landOnLeft;
        far.rock = rock;
        if (random.Chance(0.7)) PaintHeadland(scene, camera, far);
    }
    Headland point;
    point.height = random.Range(15, 35);
    const double towerHeight = random.Range(18, 30);
    // Near enough that the tower stands tall in the picture, far enough that its lantern and
    // vane stay clear of the frame's top.
    const double lanternTop = point.height + towerHeight + 6;
    point.distance = camera.DistanceToFit(lanternTop, scene.h * random.Range(0.1, 0.18)) *
                     random.Range(1.0, 1.15);
    point.tip = random.Range(0.55, 0.75);
    point.landOnLeft = landOnLeft;
    point.rock = rock;
    const HeadlandShape shape = PaintHeadland(scene, camera, point);

    // The tower stands back from the edge, near the tip.
    const double screenX = landOnLeft ? shape.tip.x() - scene.w * random.Range(0.12, 0.22)
                                      : shape.tip.x() + scene.w * random.Range(0.12, 0.22);
    // Stand it just behind the grass edge: find the edge's height on screen there, and the
    // depth at which the cliff top shows at that height.
    double edgeY = shape.tip.y();
    for (int i = 1; i < shape.top.size(); ++i)
        if ((shape.top[i - 1].x() - screenX) * (shape.top[i].x() - screenX) <= 0)
            edgeY = shape.top[i].y();
    const double behind = edgeY + (camera.HorizonY() > edgeY ? 2 : -2);
    const double depth = camera.Focal() * (point.height - eye) / (camera.HorizonY() - behind);
    const Vec3 ground = camera.GroundAt(screenX, std::max(point.distance, depth));
    const Round base{ground.x, ground.z, random.Range(2.6, 3.6)};
    // Keepers' cottages on the landward side.
    const double landward = landOnLeft ? -1 : 1;
    House cottage = RandomHouse(
        random, HouseStyle::Painted,
        Box{base.x + landward * 6 - (landOnLeft ? 14 : 0), base.z - 2, 14, 7, 0, point.height});
    cottage.wall.colour = QColor(240, 238, 232);
    SetStoreys(cottage, 1);
    PaintHouse(scene, camera, cottage, Frontage::Front);
    PaintLighthouseTower(scene, camera, random, base, point.height, towerHeight);
}
