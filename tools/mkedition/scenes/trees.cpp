#include "tools/mkedition/scenes/trees.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"

namespace {

QColor BarkColour(const SceneContext& scene, double depth) {
    return Distant(scene.mood, QColor(74, 62, 52), depth);
}

void PaintGroundShadow(SceneContext& scene, QPointF foot, double width) {
    if (scene.mood.contrast < 0.5) return;
    const double away = scene.mood.sunFromLeft ? 1 : -1;
    QPainter& p = scene.painter;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 30, 20, 60));
    p.drawEllipse(QPointF(foot.x() + away * width * 0.35, foot.y()), width * 0.7, width * 0.12);
}

// Branches forking towards the sky; a winter tree is all branches.
void PaintBranches(QPainter& p, SceneRandom& random, QPointF from, double angle, double length,
                   double width, int level, const QColor& colour) {
    const QPointF to(from.x() + std::cos(angle) * length, from.y() - std::sin(angle) * length);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    if (level == 0) return;
    const int forks = level > 3 ? 2 : random.Int(2, 3);
    for (int i = 0; i < forks; ++i) {
        const double spread = (i - (forks - 1) / 2.0) * random.Range(0.35, 0.65);
        PaintBranches(p, random, to, angle + spread + random.Jitter(0.15),
                      length * random.Range(0.62, 0.8), width * 0.62, level - 1, colour);
    }
}

void PaintBareTree(SceneContext& scene, SceneRandom& random, QPointF foot, double height,
                   double depth) {
    QPainter& p = scene.painter;
    // The fine twigs read as a purple-grey haze round the branches.
    const QPointF crown(foot.x(), foot.y() - height * 0.62);
    QRadialGradient haze(crown, height * 0.45);
    haze.setColorAt(0.0, WithAlpha(Distant(scene.mood, QColor(110, 94, 100), depth), 120));
    haze.setColorAt(1.0, WithAlpha(Distant(scene.mood, QColor(110, 94, 100), depth), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(haze);
    p.drawEllipse(crown, height * 0.42, height * 0.4);
    const int levels = height > 60 * scene.u ? 5 : height > 20 * scene.u ? 4 : 2;
    PaintBranches(p, random, foot, kPi / 2 + random.Jitter(0.1), height * 0.36,
                  std::max(0.8, height * 0.05), levels, BarkColour(scene, depth));
}

// A crown: a silhouette of overlapping puffs, then leaf dabs lit by where they face, so that
// the side towards the sun glows and the underside falls into shade.
void PaintBroadleaf(SceneContext& scene, SceneRandom& random, QPointF foot, double height,
                    double depth, double slenderness) {
    QPainter& p = scene.painter;
    const double crownW = height * 0.4 * slenderness, crownH = height * 0.4;
    const QPointF centre(foot.x(), foot.y() - height + crownH);
    const double sunX = scene.mood.sunFromLeft ? -0.7 : 0.7, sunY = -0.7;

    p.setPen(
        QPen(BarkColour(scene, depth), std::max(1.0, height * 0.05), Qt::SolidLine, Qt::RoundCap));
    const QPointF fork(foot.x() + random.Jitter(height * 0.03), centre.y() + crownH * 0.3);
    p.drawLine(foot, fork);
    if (height > 40 * scene.u) {
        p.setPen(QPen(BarkColour(scene, depth), height * 0.025, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 3; ++i)
            p.drawLine(fork, fork + QPointF(random.Jitter(crownW * 0.6),
                                            -crownH * random.Range(0.4, 0.8)));
    }

    QPainterPath crown;
    crown.setFillRule(Qt::WindingFill);
    const int puffs = height > 40 * scene.u ? 9 : 5;
    std::vector<QPointF> centres;
    std::vector<double> radii;
    for (int i = 0; i < puffs; ++i) {
        const double a = random.Range(0, 2 * kPi);
        const double d = std::sqrt(random.Unit()) * 0.55;
        centres.emplace_back(centre.x() + std::cos(a) * crownW * d,
                             centre.y() + std::sin(a) * crownH * d);
        radii.push_back(std::min(crownW, crownH) * random.Range(0.42, 0.6));
        crown.addEllipse(centres.back(), radii.back(), radii.back());
    }
    auto inCrown = [&](QPointF at) {
        for (size_t i = 0; i < centres.size(); ++i) {
            const QPointF d = at - centres[i];
            if (d.x() * d.x() + d.y() * d.y() < radii[i] * radii[i]) return true;
        }
        return false;
    };
    const QColor dark = Shaded(scene.mood, Foliage(scene.mood, 0, depth));
    const QColor mid = Foliage(scene.mood, 1, depth);
    const QColor bright = Lit(scene.mood, Foliage(scene.mood, 2, depth));
    p.setPen(Qt::NoPen);
    p.fillPath(crown, dark);

    const QRectF box = crown.boundingRect();
    const double dab = std::max(1.2, std::min(box.width(), box.height()) / 34);
    const int dabs =
        std::min(3000, static_cast<int>(box.width() * box.height() / (dab * dab) * 1.1));
    for (int i = 0; i < dabs; ++i) {
        const QPointF at(random.Range(box.left(), box.right()),
                         random.Range(box.top(), box.bottom()));
        if (!inCrown(at)) continue;
        const double nx = (at.x() - centre.x()) / crownW, ny = (at.y() - centre.y()) / crownH;
        const double facing =
            std::clamp(0.45 + 0.7 * (nx * sunX + ny * sunY) + random.Jitter(0.25), 0.0, 1.0);
        const QColor c =
            facing < 0.5 ? Mix(dark, mid, facing * 2) : Mix(mid, bright, (facing - 0.5) * 2);
        p.setBrush(c);
        // A leaf-shaped fleck at a random angle: clusters of these read as foliage, where
        // round dabs read as coins.
        const double r = dab * random.Range(0.6, 1.2);
        const double a = random.Range(0, kPi);
        const QPointF along(std::cos(a) * r * 1.5, std::sin(a) * r * 1.5),
            across(-std::sin(a) * r * 0.6, std::cos(a) * r * 0.6);
        p.drawPolygon(QPolygonF({at + along, at + across, at - along, at - across}));
    }
}

void PaintConifer(SceneContext& scene, SceneRandom& random, QPointF foot, double height,
                  double depth) {
    QPainter& p = scene.painter;
    const int tiers = height > 30 * scene.u ? 6 : 3;
    const double width = height * random.Range(0.3, 0.42);
    const double sun = scene.mood.sunFromLeft ? -1 : 1;
    const QColor dark = Shaded(scene.mood, Distant(scene.mood, QColor(34, 58, 40), depth));
    const QColor lit = Lit(scene.mood, Distant(scene.mood, QColor(58, 92, 56), depth));
    p.setPen(QPen(BarkColour(scene, depth), std::max(1.0, height * 0.04)));
    p.drawLine(foot, QPointF(foot.x(), foot.y() - height * 0.2));
    p.setPen(Qt::NoPen);
    for (int t = 0; t < tiers; ++t) {
        const double f = double(t) / tiers;
        const double top = foot.y() - height + height * f * 0.85;
        const double bottom = foot.y() - height * 0.12 - height * 0.8 * (1 - f) * 0.25;
        const double half = width * (0.25 + 0.75 * (f + 1.0 / tiers)) / 2;
        QPolygonF tier({QPointF(foot.x(), top), QPointF(foot.x() + half, bottom),
                        QPointF(foot.x() - half, bottom)});
        p.setBrush(dark);
        p.drawPolygon(tier);
        QPolygonF side({QPointF(foot.x(), top), QPointF(foot.x() + sun * half, bottom),
                        QPointF(foot.x() + sun * half * 0.3, bottom)});
        p.setBrush(lit);
        p.drawPolygon(side);
    }
}

// A dark rounded column: the yew of a churchyard, the poplar of a river bank.
void PaintColumnTree(SceneContext& scene, QPointF foot, double height, double width,
                     const QColor& colour, double depth) {
    QPainter& p = scene.painter;
    const double sun = scene.mood.sunFromLeft ? -1 : 1;
    QPainterPath body;
    body.moveTo(foot.x() - width * 0.5, foot.y() - height * 0.05);
    body.cubicTo(foot.x() - width * 0.7, foot.y() - height * 0.6, foot.x() - width * 0.2,
                 foot.y() - height, foot.x(), foot.y() - height);
    body.cubicTo(foot.x() + width * 0.2, foot.y() - height, foot.x() + width * 0.7,
                 foot.y() - height * 0.6, foot.x() + width * 0.5, foot.y() - height * 0.05);
    body.closeSubpath();
    QLinearGradient fill(foot.x() - width / 2, 0, foot.x() + width / 2, 0);
    const QColor lit = Lit(scene.mood, Distant(scene.mood, colour, depth));
    const QColor dark = Shaded(scene.mood, Distant(scene.mood, colour, depth));
    fill.setColorAt(0, sun < 0 ? lit : dark);
    fill.setColorAt(1, sun < 0 ? dark : lit);
    p.fillPath(body, fill);
}

}  // namespace

void PaintTree(SceneContext& scene, QPointF foot, double height, TreeShape shape, double depth) {
    SceneRandom random = scene.random.ForkAt(foot.x() * 7919 + foot.y() * 104729);
    if (depth < 0.5) PaintGroundShadow(scene, foot, height * 0.5);
    switch (shape) {
        case TreeShape::Broadleaf:
            if (scene.mood.bareTrees)
                PaintBareTree(scene, random, foot, height, depth);
            else
                PaintBroadleaf(scene, random, foot, height, depth, random.Range(0.9, 1.25));
            break;
        case TreeShape::Conifer:
            PaintConifer(scene, random, foot, height, depth);
            break;
        case TreeShape::Poplar:
            if (scene.mood.bareTrees)
                PaintBareTree(scene, random, foot, height, depth);
            else
                PaintColumnTree(scene, foot, height, height * 0.22, scene.mood.foliage[1], depth);
            break;
        case TreeShape::Yew:
            PaintColumnTree(scene, foot, height, height * 0.5, QColor(30, 52, 34), depth);
            break;
    }
}

void PaintTreeBelt(SceneContext& scene, double y, double x0, double x1, double height,
                   double depth) {
    SceneRandom random = scene.random.ForkAt(y * 31 + x0);
    for (double x = x0; x < x1; x += height * random.Range(0.25, 0.45)) {
        const TreeShape shape = random.Chance(0.15) ? TreeShape::Conifer : TreeShape::Broadleaf;
        PaintTree(scene, QPointF(x, y + random.Jitter(height * 0.05)),
                  height * random.Range(0.7, 1.15), shape, depth);
    }
}

void PaintHedge(SceneContext& scene, QPointF from, QPointF to, double thickness, double depth) {
    QPainter& p = scene.painter;
    SceneRandom random = scene.random.ForkAt(from.x() * 13 + to.y() * 17);
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    const int lumps = std::max(2, static_cast<int>(length / (thickness * 0.6)));
    const QColor base = scene.mood.snow ? QColor(70, 80, 66) : scene.mood.foliage[0];
    p.setPen(Qt::NoPen);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i <= lumps; ++i) {
            const QPointF c = Lerp(from, to, double(i) / lumps);
            const double r = thickness * random.Range(0.45, 0.6);
            p.setBrush(pass == 0 ? Shaded(scene.mood, Distant(scene.mood, base, depth))
                                 : Lit(scene.mood, Foliage(scene.mood, 1, depth)));
            if (pass == 0)
                p.drawEllipse(QPointF(c.x(), c.y() - r), r, r);
            else
                p.drawEllipse(QPointF(c.x(), c.y() - r * 1.4), r * 0.6, r * 0.45);
        }
    }
}
