// One great old tree on a village green: a trunk of enormous girth flaring into its roots,
// limbs spreading wide and a crown that fills the sky, the cottages of the green behind it.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/houses.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

QPointF Towards(double angle, double length) {
    return QPointF(std::sin(angle) * length, -std::cos(angle) * length);
}

// A tapering limb, forking as it goes; leaves gather at the ends of the twigs.
void PaintLimb(SceneContext& scene, SceneRandom& random, QPointF from, double angle, double length,
               double width, int forks, const QColor& bark, std::vector<QPointF>& twigEnds) {
    QPainter& p = scene.painter;
    const QPointF to = from + Towards(angle, length);
    const QPointF across = Towards(angle + kPi / 2, 1);
    const QPointF bend = Lerp(from, to, 0.5) + across * random.Jitter(length * 0.12);
    QPainterPath limb(from + across * width / 2);
    limb.quadTo(bend + across * width * 0.35, to + across * width * 0.3);
    limb.lineTo(to - across * width * 0.3);
    limb.quadTo(bend - across * width * 0.35, from - across * width / 2);
    limb.closeSubpath();
    const bool sunLeft = scene.mood.sunFromLeft;
    QLinearGradient shade(from - across * width, from + across * width);
    shade.setColorAt((across.x() > 0) == sunLeft ? 1 : 0, Shaded(scene.mood, Scaled(bark, 0.7)));
    shade.setColorAt((across.x() > 0) == sunLeft ? 0 : 1, Lit(scene.mood, Scaled(bark, 1.2)));
    p.fillPath(limb, shade);
    if (forks == 0) {
        twigEnds.push_back(to);
        return;
    }
    const int children = random.Int(2, 3);
    for (int i = 0; i < children; ++i)
        PaintLimb(scene, random, to, angle * 0.8 + random.Range(-0.6, 0.6),
                  length * random.Range(0.6, 0.8), width * 0.6, forks - 1, bark, twigEnds);
}

// Clouds of leaves round the ends of the limbs, dark within and lit at the sun's edge; in
// winter only a haze of twigs.
void PaintCrown(SceneContext& scene, SceneRandom& random, const std::vector<QPointF>& twigEnds,
                QPointF centre, double radius, bool back) {
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    const bool bare = scene.mood.bareTrees;
    const int clumps = bare ? 0 : back ? 160 : static_cast<int>(twigEnds.size()) * 14;
    const double towardsSun = scene.mood.sunFromLeft ? -1 : 1;
    for (int i = 0; i < clumps; ++i) {
        const QPointF around = back ? centre : twigEnds[i / 14];
        const double spread = back ? radius * 0.8 : radius * 0.2;
        const double a = random.Range(0, 2 * kPi), r = spread * std::sqrt(random.Unit());
        const QPointF at = around + QPointF(std::cos(a) * r * 1.2, std::sin(a) * r * 0.75);
        const double lit =
            (at.x() - centre.x()) * towardsSun / radius - (at.y() - centre.y()) / radius;
        const int tone = back ? 0 : lit > 0.3 ? 2 : lit > -0.4 ? 1 : 0;
        const QColor leaf = Foliage(scene.mood, tone, back ? 0.15 : 0);
        p.setBrush(WithAlpha(tone == 2 ? Lit(scene.mood, leaf) : leaf, back ? 150 : 215));
        const double s = radius * (back ? random.Range(0.06, 0.12) : random.Range(0.04, 0.09));
        p.drawEllipse(at, s * 1.2, s);
    }
    if (bare && !back) {
        p.setPen(QPen(WithAlpha(QColor(60, 56, 50), 90), 0.8 * scene.u));
        for (int i = 0; i < 400; ++i) {
            const double a = random.Range(0, 2 * kPi), r = radius * std::sqrt(random.Unit());
            const QPointF at = centre + QPointF(std::cos(a) * r * 1.2, std::sin(a) * r * 0.75);
            p.drawLine(at, at + QPointF(random.Jitter(8), random.Jitter(8)) * scene.u);
        }
    }
}

}  // namespace

void PaintGreatTree(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x62ea);
    const double horizon = scene.h * random.Range(0.58, 0.66);
    scene.horizonY = horizon;
    PaintSky(scene, horizon);
    PaintDistantHills(scene, horizon, random.Range(8, 20) * scene.u, 1);
    PaintMeadow(scene, horizon, scene.h);
    // Cottages round the green behind, their row seen at an angle.
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.1), 1.6, random.Jitter(0.3));
    const double rowZ = random.Range(45, 70);
    const HouseStyle style = RandomHouseStyle(random, scene.year);
    for (double x = camera.LeftAt(rowZ); x < camera.RightAt(rowZ); x += random.Range(8, 12)) {
        const House house = RandomHouse(random, style, Box{x, rowZ, random.Range(6, 9), 6, 6, 0});
        PaintHouse(scene, camera, house, Frontage::Front);
    }
    PaintTreeBelt(scene, camera.Project(0, 0, rowZ + 20).y(), -20 * scene.u,
                  random.Range(0.1, 0.3) * scene.w, camera.Scale(0, rowZ) * 12, 0.4);
    // The tree itself, standing a little off centre, its crown overflowing the frame.
    const double cx = scene.w * random.Range(0.42, 0.58);
    const double footY = scene.h * random.Range(0.8, 0.86);
    const double girth = scene.w * random.Range(0.15, 0.2);
    const QColor bark = Mix(QColor(120, 118, 108), QColor(96, 86, 72), random.Unit());
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(QColor(20, 30, 10), 70));
    p.drawEllipse(QPointF(cx + (scene.mood.sunFromLeft ? 1 : -1) * girth * 0.6, footY), girth * 2.2,
                  girth * 0.22);
    const double forkY = Lerp(footY, scene.h * 0.05, random.Range(0.4, 0.5));
    const QPointF crownCentre(cx, scene.h * 0.2);
    const double crownRadius = scene.w * 0.6;
    PaintCrown(scene, random, {}, crownCentre, crownRadius, true);
    // The bole: broad, fluted and buttressed where the roots spread.
    QPainterPath bole(QPointF(cx - girth * 1.0, footY));
    bole.cubicTo(cx - girth * 0.55, footY - girth * 0.2, cx - girth * 0.45, forkY + girth * 0.8,
                 cx - girth * 0.45, forkY + girth * 0.4);
    bole.lineTo(cx + girth * 0.45, forkY + girth * 0.4);
    bole.cubicTo(cx + girth * 0.45, forkY + girth * 0.8, cx + girth * 0.55, footY - girth * 0.2,
                 cx + girth * 1.0, footY);
    bole.closeSubpath();
    const bool sunLeft = scene.mood.sunFromLeft;
    QLinearGradient round(cx - girth * 0.6, 0, cx + girth * 0.6, 0);
    round.setColorAt(sunLeft ? 0.05 : 0.95, Lit(scene.mood, Scaled(bark, 1.25)));
    round.setColorAt(0.45, bark);
    round.setColorAt(sunLeft ? 1 : 0, Shaded(scene.mood, Scaled(bark, 0.5)));
    p.fillPath(bole, round);
    p.save();
    p.setClipPath(bole);
    // Deep fissures in the bark, running up and twisting a little.
    p.setPen(QPen(WithAlpha(QColor(30, 26, 22), 150), 1.6 * scene.u));
    for (int i = 0; i < 60; ++i) {
        const double x = cx + random.Jitter(girth), y = random.Range(forkY, footY);
        p.drawLine(QPointF(x, y),
                   QPointF(x + random.Jitter(4) * scene.u, y - random.Range(10, 40) * scene.u));
    }
    p.restore();
    std::vector<QPointF> twigEnds;
    const int limbs = random.Int(4, 6);
    for (int i = 0; i < limbs; ++i) {
        const double angle = Lerp(-1.0, 1.0, (i + 0.5) / limbs) + random.Jitter(0.15);
        PaintLimb(scene, random, QPointF(cx + angle * girth * 0.25, forkY + girth * 0.7), angle,
                  scene.h * random.Range(0.14, 0.2), girth * random.Range(0.5, 0.65), 3, bark,
                  twigEnds);
    }
    PaintCrown(scene, random, twigEnds, crownCentre, crownRadius, false);
    // A bench round the bole and someone beside it, for the size of it.
    const Material seat{QColor(130, 100, 70), Masonry::Smooth};
    p.setBrush(Lit(scene.mood, seat.colour));
    p.drawRect(
        QRectF(cx - girth * 1.1, footY - girth * 0.05 - 14 * scene.u, girth * 2.2, 3 * scene.u));
    p.setBrush(Shaded(scene.mood, seat.colour));
    for (double f : {-1.0, -0.4, 0.4, 1.0})
        p.drawRect(QRectF(cx + f * girth - scene.u, footY - girth * 0.05 - 11 * scene.u,
                          2 * scene.u, 11 * scene.u));
    const double side = random.Chance(0.5) ? -1 : 1;
    PaintPerson(scene, random,
                QPointF(cx + side * girth * random.Range(1.3, 1.6), footY + 6 * scene.u),
                random.Range(48, 56) * scene.u, 0);
    PaintGrassBlades(scene, footY, scene.h, 300);
}
