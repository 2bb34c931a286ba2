#include "tools/mkedition/scenes/coastland.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/water.h"

Material RockMaterial(Rock rock) {
    switch (rock) {
        case Rock::Chalk:
            return {QColor(232, 228, 214), Masonry::Smooth};
        case Rock::Sandstone:
            return {QColor(200, 134, 96), Masonry::Smooth};
        case Rock::Granite:
            return {QColor(128, 122, 114), Masonry::Smooth};
    }
    return {};
}

namespace {

// Streaks, strata and cracks on a cliff face, clipped to it: chalk streaked white and grey,
// sandstone in bands, granite in blocks.
void PaintCliffTexture(QPainter& p, SceneRandom& random, const QRectF& box, const QColor& face,
                       Rock rock, double seaY) {
    const double height = std::max(1.0, seaY - box.top());
    const int streaks = static_cast<int>(box.width() / (rock == Rock::Chalk ? 10 : 25)) + 2;
    for (int i = 0; i < streaks; ++i) {
        const double x = random.Range(box.left(), box.right());
        const double w = random.Range(1.5, 7.0);
        QLinearGradient run(x - w, 0, x + w, 0);
        run.setColorAt(0, WithAlpha(Scaled(face, 0.75), 0));
        run.setColorAt(0.5, WithAlpha(Scaled(face, 0.72), rock == Rock::Chalk ? 60 : 45));
        run.setColorAt(1, WithAlpha(Scaled(face, 0.75), 0));
        const double top = box.top() + height * random.Range(0.0, 0.3);
        p.fillRect(QRectF(x - w, top, 2 * w, (seaY - top) * random.Range(0.4, 1.0)), run);
    }
    p.setBrush(Qt::NoBrush);
    switch (rock) {
        case Rock::Chalk:
            // Thin dark lines of flints.
            for (int i = 1; i < 7; ++i) {
                const double y = box.top() + height * i / 7 + random.Jitter(2);
                p.setPen(QPen(WithAlpha(Scaled(face, 0.6), 50), 0.8, Qt::DotLine));
                p.drawLine(QPointF(box.left(), y), QPointF(box.right(), y + random.Jitter(2)));
            }
            break;
        case Rock::Sandstone:
            // Beds of different hardness, one above another.
            p.setPen(Qt::NoPen);
            for (double y = box.top(); y < seaY;) {
                const double bed = height * random.Range(0.04, 0.12);
                p.setBrush(
                    WithAlpha(random.Chance(0.5) ? Scaled(face, 1.12) : Scaled(face, 0.84), 90));
                p.drawRect(QRectF(box.left(), y, box.width(), bed));
                y += bed;
            }
            break;
        case Rock::Granite:
            // Joints cut the rock into great blocks.
            for (int i = 0; i < static_cast<int>(box.width() * height / 600) + 6; ++i) {
                const QPointF a(random.Range(box.left(), box.right()),
                                random.Range(box.top(), seaY));
                const double length = random.Range(4, 20);
                const double angle =
                    random.Chance(0.6) ? 1.57 + random.Jitter(0.2) : random.Jitter(0.4);
                p.setPen(QPen(WithAlpha(Scaled(face, 0.45), 120), 1.0));
                p.drawLine(a, a + QPointF(std::cos(angle) * length, std::sin(angle) * length));
            }
            break;
    }
    // A shadowed band where the sea has undercut the foot.
    QLinearGradient foot(0, seaY - height * 0.2, 0, seaY);
    foot.setColorAt(0, WithAlpha(Scaled(face, 0.5), 0));
    foot.setColorAt(1, WithAlpha(Scaled(face, 0.45), 160));
    p.fillRect(QRectF(box.left(), seaY - height * 0.2, box.width(), height * 0.2), foot);
}

// The face is not a wall: buttresses and bays of rock catch the light or fall into shade,
// and the end of the headland turns away from the viewer.
void PaintFacets(QPainter& p, SceneRandom& random, const QRectF& box, double tipX, double side,
                 const QColor& face, double scale) {
    p.setPen(Qt::NoPen);
    for (double x = box.left(); x < box.right();) {
        const double width = std::max(4.0, scale * random.Range(6, 20));
        const double lean = random.Jitter(width * 0.4);
        p.setBrush(WithAlpha(random.Chance(0.5) ? Scaled(face, 1.12) : Scaled(face, 0.82),
                             random.Int(40, 90)));
        p.drawPolygon(
            QPolygonF({QPointF(x, box.top()), QPointF(x + width, box.top()),
                       QPointF(x + width + lean, box.bottom()), QPointF(x + lean, box.bottom())}));
        x += width;
    }
    const double turn = std::max(6.0, box.width() * 0.08);
    QLinearGradient away(tipX + side * turn, 0, tipX, 0);
    away.setColorAt(0, WithAlpha(Scaled(face, 0.6), 0));
    away.setColorAt(1, WithAlpha(Scaled(face, 0.6), 120));
    p.fillRect(QRectF(std::min(tipX, tipX + side * turn) - turn, box.top(), turn * 3, box.height()),
               away);
}

}  // namespace

HeadlandShape PaintHeadland(SceneContext& scene, const Camera& camera, const Headland& headland) {
    SceneRandom random = scene.random.ForkAt(headland.distance * 11);
    QPainter& p = scene.painter;
    const double scale = camera.Focal() / headland.distance;
    const double seaY = camera.Project(0, 0, headland.distance).y();
    const double topY = camera.Project(0, headland.height, headland.distance).y();
    const double depth = DistanceDepth(scene.mood, headland.distance);
    const double side = headland.landOnLeft ? -1 : 1;
    const double edgeX = headland.landOnLeft ? -10 : scene.w + 10;
    const double tipX = headland.landOnLeft ? headland.tip * scene.w : (1 - headland.tip) * scene.w;

    // The grass top rolls gently, then drops in a rounded shoulder to the tip.
    HeadlandShape shape;
    shape.seaY = seaY;
    const double roll = (topY - seaY) * 0.12;
    const double phase = random.Range(0, 6.3);
    const int samples = 40;
    for (int i = 0; i <= samples; ++i) {
        const double t = double(i) / samples;
        const double x = Lerp(edgeX, tipX, t);
        const double shoulder = std::pow(t, 4) * (seaY - topY) * 0.12;
        shape.top << QPointF(x, topY + roll * std::sin(t * 5 + phase) + shoulder);
    }
    shape.tip = shape.top.last();
    // The face drops from the tip with a jagged edge.
    QPolygonF land = shape.top;
    const double drop = seaY - shape.tip.y();
    // The face falls from the tip onto a skirt of fallen rock that spreads into the sea.
    for (int i = 1; i <= 8; ++i) {
        const double t = double(i) / 8;
        land << QPointF(tipX - side * (t * t * 0.3 + random.Range(0.0, 0.05)) * drop,
                        shape.tip.y() + drop * t);
    }
    land << QPointF(edgeX, seaY);
    QPainterPath landPath;
    landPath.addPolygon(land);
    landPath.closeSubpath();

    const Material rock = RockMaterial(headland.rock);
    const QColor face =
        Distant(scene.mood, LightFace(scene, rock.colour, {-side * 0.5, 0, -1}), depth);
    QLinearGradient fill(0, topY, 0, seaY);
    fill.setColorAt(0, face);
    fill.setColorAt(1, Scaled(face, 0.82));
    p.fillPath(landPath, fill);
    p.save();
    p.setClipPath(landPath);
    PaintFacets(p, random, landPath.boundingRect(), tipX, side, face, scale);
    PaintCliffTexture(p, random, landPath.boundingRect(), face, headland.rock, seaY);
    p.restore();

    // The turf overhangs the edge as a thick green lip.
    const double lip = std::max(1.5, scale * random.Range(1.5, 3.0));
    QPolygonF underside;
    for (auto it = shape.top.rbegin(); it != shape.top.rend(); ++it)
        underside << *it + QPointF(0, lip);
    QPolygonF turfShape = shape.top;
    turfShape << underside;
    const QColor grass = Distant(scene.mood, scene.mood.grass, depth);
    p.setPen(Qt::NoPen);
    p.setBrush(grass);
    p.drawPolygon(turfShape);
    // The land above the edge, rolling back out of sight.
    if (shape.top.first().y() > camera.HorizonY()) {
        QPolygonF back = shape.top;
        back << QPointF(tipX, camera.HorizonY() + 1) << QPointF(edgeX, camera.HorizonY() + 1);
        p.setBrush(Distant(scene.mood, Scaled(scene.mood.grass, 0.9), depth + 0.1));
        p.drawPolygon(back);
    }

    if (headland.stack) {
        const double sx = tipX + side * -scale * random.Range(15, 30);
        const double sw = scale * random.Range(5, 9);
        const double sh = (seaY - topY) * random.Range(0.45, 0.75);
        QPainterPath stack(QPointF(sx - sw / 2, seaY));
        stack.lineTo(sx - sw * 0.42, seaY - sh * 0.7);
        stack.lineTo(sx - sw * 0.25, seaY - sh);
        stack.lineTo(sx + sw * 0.3, seaY - sh * 0.95);
        stack.lineTo(sx + sw * 0.45, seaY - sh * 0.5);
        stack.lineTo(sx + sw / 2, seaY);
        stack.closeSubpath();
        p.fillPath(stack, fill);
        p.save();
        p.setClipPath(stack);
        PaintCliffTexture(p, random, stack.boundingRect(), face, headland.rock, seaY);
        p.restore();
        p.setBrush(grass);
        p.drawEllipse(QPointF(sx + sw * 0.02, seaY - sh * 0.97), sw * 0.3,
                      std::max(1.0, lip * 0.6));
    }

    // Surf breaking at the foot.
    QPainterPath foam(QPointF(edgeX, seaY));
    foam.lineTo(tipX + side * -4, seaY);
    PaintSurf(scene, foam, std::max(0.8, scale * 0.6));
    return shape;
}

namespace {

// A few gulls wheeling in the sky above the horizon.
void PaintGulls(SceneContext& scene, double horizonY) {
    SceneRandom random = scene.random.Fork(0x9011);
    QPainter& p = scene.painter;
    const int count = random.Int(0, 5);
    for (int i = 0; i < count; ++i) {
        const QPointF c(random.Range(0.1, 0.9) * scene.w, random.Range(0.15, 0.85) * horizonY);
        const double span = random.Range(5, 14) * scene.u;
        const double lift = random.Range(0.1, 0.45) * span;
        QPainterPath gull(c + QPointF(-span, -lift));
        gull.quadTo(c + QPointF(-span * 0.4, -lift * 1.6), c);
        gull.quadTo(c + QPointF(span * 0.4, -lift * 1.6), c + QPointF(span, -lift));
        p.setBrush(Qt::NoBrush);
        p.setPen(
            QPen(scene.mood.time == DayTime::Evening ? QColor(50, 40, 50) : QColor(250, 250, 250),
                 1.4 * scene.u, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(gull);
    }
}

}  // namespace

void PaintSeaView(SceneContext& scene, double horizonY) {
    PaintSky(scene, horizonY);
    PaintGulls(scene, horizonY);
    PaintSea(scene, horizonY, scene.h);
}
