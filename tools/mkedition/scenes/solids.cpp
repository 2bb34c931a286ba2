#include "tools/mkedition/scenes/solids.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"

namespace {

// Lines of coursing and texture in face coordinates; pixelsPerMetre decides how fine a
// pattern can still be seen.
void PaintMasonry(QPainter& p, SceneRandom& random, Masonry masonry, const QColor& colour,
                  double width, double height, double pixelsPerMetre) {
    if (masonry == Masonry::Smooth || pixelsPerMetre < 1.2) return;
    const QColor joint = WithAlpha(Scaled(colour, 0.55), pixelsPerMetre > 4 ? 70 : 40);
    const double line = 1.0 / pixelsPerMetre;
    switch (masonry) {
        case Masonry::Smooth:
            break;
        case Masonry::Ashlar:
        case Masonry::Brick: {
            const double course = masonry == Masonry::Ashlar ? 0.5 : 0.3;
            const double block = masonry == Masonry::Ashlar ? 1.1 : 0.45;
            // Joints are thin filled strips: much cheaper than stroked lines in perspective.
            p.setPen(Qt::NoPen);
            p.setBrush(joint);
            for (double y = course; y < height; y += course) p.drawRect(QRectF(0, y, width, line));
            if (pixelsPerMetre > 5) {
                int row = 0;
                for (double y = 0; y < height; y += course, ++row)
                    for (double x = (row % 2) * block / 2; x < width; x += block)
                        p.drawRect(QRectF(x, y, line, course));
            }
            p.setPen(Qt::NoPen);
            // Enough tinted blocks to break the flatness, never more than the eye can see.
            const double pixels = width * height * pixelsPerMetre * pixelsPerMetre;
            const int tints =
                std::min({120, static_cast<int>(width * height / (course * block * 6)),
                          static_cast<int>(pixels / 300)});
            for (int i = 0; i < tints; ++i) {
                const double x = random.Range(0, width),
                             y = std::floor(random.Range(0, height) / course) * course;
                p.setBrush(WithAlpha(
                    random.Chance(0.5) ? Scaled(colour, 1.12) : Scaled(colour, 0.86), 60));
                p.drawRect(QRectF(x, y, block, course));
            }
            break;
        }
        case Masonry::Rubble: {
            p.setPen(Qt::NoPen);
            const double pixels = width * height * pixelsPerMetre * pixelsPerMetre;
            const int stones = std::min(
                {300, static_cast<int>(width * height * 1.5), static_cast<int>(pixels / 150)});
            for (int i = 0; i < stones; ++i) {
                p.setBrush(
                    WithAlpha(random.Chance(0.5) ? Scaled(colour, 1.15) : Scaled(colour, 0.8), 70));
                p.drawEllipse(QPointF(random.Range(0, width), random.Range(0, height)),
                              random.Range(0.2, 0.45), random.Range(0.12, 0.25));
            }
            break;
        }
        case Masonry::Slate: {
            const double course = 0.35;
            int row = 0;
            for (double y = 0; y < height; y += course, ++row) {
                p.setPen(Qt::NoPen);
                p.setBrush(WithAlpha(row % 2 ? Scaled(colour, 1.08) : Scaled(colour, 0.94), 90));
                p.drawRect(QRectF(0, y, width, course));
                p.setBrush(joint);
                p.drawRect(QRectF(0, y, width, line));
            }
            break;
        }
    }
}

// Damp and grime gather at the foot of a wall.
void PaintWeathering(QPainter& p, double width, double height) {
    QLinearGradient grime(0, 0, 0, std::min(height, 3.0));
    grime.setColorAt(0, QColor(30, 30, 20, 60));
    grime.setColorAt(1, QColor(30, 30, 20, 0));
    p.fillRect(QRectF(0, 0, width, height), grime);
}

void PaintHaze(SceneContext& scene, const QPainterPath& area, double depth) {
    const double t = std::clamp(depth * scene.mood.hazeStrength * 1.25, 0.0, 0.95);
    if (t <= 0.01) return;
    scene.painter.fillPath(area, WithAlpha(scene.mood.haze, ClampChannel(t * 255)));
}

Vec3 OnCircle(const Round& round, double angle, double y, double radius) {
    return {round.x + radius * std::sin(angle), y, round.z - radius * std::cos(angle)};
}

// A solid of revolution between two rings: outline from the hull of the projected rings,
// shaded across by the light on each visible slice.
void PaintTurned(SceneContext& scene, const Camera& camera, const Round& round, double bottom,
                 double top, double topRadius, const Material& material) {
    constexpr int kSlices = 48;
    std::vector<QPointF> outline;
    std::vector<std::pair<double, QColor>> shades;
    const Vec3 eye = camera.Eye();
    const double slope = (round.radius - topRadius) / std::max(0.01, top - bottom);
    for (int i = 0; i < kSlices; ++i) {
        const double a = 2 * kPi * i / kSlices;
        const Vec3 low = OnCircle(round, a, bottom, round.radius);
        const Vec3 high = OnCircle(round, a, top, topRadius);
        outline.push_back(camera.Project(low));
        outline.push_back(camera.Project(high));
        const Vec3 normal = Normalised({std::sin(a), slope, -std::cos(a)});
        if (Dot(normal, eye - low) > 0) {
            const QPointF mid = camera.Project(
                OnCircle(round, a, Lerp(bottom, top, 0.3), Lerp(round.radius, topRadius, 0.3)));
            shades.emplace_back(mid.x(), LightFace(scene, material.colour, normal));
        }
    }
    const std::vector<QPointF> hull = ConvexHull(outline);
    QPainterPath path;
    path.addPolygon(QPolygonF(QVector<QPointF>(hull.begin(), hull.end())));
    path.closeSubpath();
    std::sort(shades.begin(), shades.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    const QRectF box = path.boundingRect();
    QLinearGradient fill(box.left(), 0, box.right(), 0);
    for (const auto& [x, colour] : shades)
        fill.setColorAt(std::clamp((x - box.left()) / std::max(1.0, box.width()), 0.0, 1.0),
                        colour);
    QPainter& p = scene.painter;
    p.fillPath(path, fill);

    // Courses follow the curve of the surface.
    const double scale = camera.Scale(round.x, round.z);
    if (material.masonry != Masonry::Smooth && scale > 2) {
        p.save();
        p.setClipPath(path);
        p.setPen(QPen(WithAlpha(Scaled(material.colour, 0.5), 50), std::max(0.5, scale * 0.03)));
        p.setBrush(Qt::NoBrush);
        for (double y = bottom + 0.5; y < top;
             y += material.masonry == Masonry::Slate ? 0.35 : 0.5) {
            const double r = Lerp(round.radius, topRadius, (y - bottom) / (top - bottom));
            QPainterPath ring;
            for (int i = -12; i <= 12; ++i) {
                const QPointF q = camera.Project(OnCircle(round, kPi / 2 * i / 12.0, y, r));
                if (i == -12)
                    ring.moveTo(q);
                else
                    ring.lineTo(q);
            }
            p.drawPath(ring);
        }
        p.restore();
    }
    PaintHaze(scene, path, HazeAt(scene, camera, {round.x, bottom, round.z}));
}

}  // namespace

Vec3 SunDirection(const Mood& mood) {
    const double height = mood.time == DayTime::Evening  ? 0.25
                          : mood.time == DayTime::Midday ? 0.9
                                                         : 0.5;
    return Normalised({mood.sunFromLeft ? -0.8 : 0.8, height, mood.sunVisible ? 0.45 : -0.6});
}

QColor LightFace(const SceneContext& scene, const QColor& base, Vec3 normal) {
    const double d = Dot(Normalised(normal), SunDirection(scene.mood));
    const double k = std::clamp(0.42 + 0.7 * d, 0.0, 1.0);
    return Mix(Shaded(scene.mood, base), Lit(scene.mood, base), k);
}

double HazeAt(const SceneContext& scene, const Camera& camera, Vec3 point) {
    return DistanceDepth(scene.mood, camera.Depth(point.x, point.z));
}

bool PaintPlane(SceneContext& scene, const Camera& camera, const std::vector<Vec3>& polygon,
                const Material& material, const FaceDetail& detail) {
    const Vec3 a = polygon.front(), b = polygon[1], d = polygon.back();
    const Vec3 normal = Normalised(Cross(d - a, b - a));
    if (Dot(normal, camera.Eye() - a) <= 0) return false;

    const Vec3 xAxis = Normalised(b - a);
    const Vec3 yAxis = Normalised(Cross(xAxis, normal));
    double left = 0, right = 0, low = 0, high = 0;
    QPolygonF flat;
    Vec3 centre;
    for (const Vec3& v : polygon) {
        const double fx = Dot(v - a, xAxis), fy = Dot(v - a, yAxis);
        left = std::min(left, fx);
        right = std::max(right, fx);
        low = std::min(low, fy);
        high = std::max(high, fy);
        flat << QPointF(fx, fy);
        centre = centre + v * (1.0 / polygon.size());
    }
    const double width = right - left, height = high - low;
    if (width <= 0 || height <= 0) return false;
    flat.translate(-left, -low);
    auto corner = [&](double fx, double fy) {
        return camera.Project(a + xAxis * (fx + left) + yAxis * (fy + low));
    };
    QTransform toScreen;
    const QPolygonF faceRect(
        {QPointF(0, 0), QPointF(width, 0), QPointF(width, height), QPointF(0, height)});
    const QPolygonF screenQuad(
        {corner(0, 0), corner(width, 0), corner(width, height), corner(0, height)});
    if (!QTransform::quadToQuad(faceRect, screenQuad, toScreen)) return false;

    QPainter& p = scene.painter;
    p.save();
    p.setTransform(toScreen, true);
    QPainterPath outline;
    outline.addPolygon(flat);
    outline.closeSubpath();
    const QColor colour = LightFace(scene, material.colour, normal);
    p.setPen(Qt::NoPen);
    p.fillPath(outline, colour);
    p.setClipPath(outline);
    SceneRandom texture = scene.random.ForkAt(centre.x * 131 + centre.z * 977 + centre.y * 17);
    PaintMasonry(p, texture, material.masonry, colour, width, height,
                 camera.Scale(centre.x, centre.z));
    if (std::abs(normal.y) < 0.5) PaintWeathering(p, width, height);
    if (detail) {
        p.setPen(Qt::NoPen);
        detail(p, width, height);
    }
    p.setClipping(false);
    PaintHaze(scene, outline, HazeAt(scene, camera, centre));
    p.restore();
    return true;
}

void PaintBox(SceneContext& scene, const Camera& camera, const Box& box, const Material& material,
              const BoxFaces& faces) {
    const double x0 = box.x, x1 = box.x + box.width, z0 = box.z, z1 = box.z + box.depth;
    const double y0 = box.base, y1 = box.base + box.height;
    PaintPlane(scene, camera, {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0}}, material,
               faces.front);
    PaintPlane(scene, camera, {{x1, y0, z1}, {x0, y0, z1}, {x0, y1, z1}, {x1, y1, z1}}, material,
               faces.back);
    PaintPlane(scene, camera, {{x0, y0, z1}, {x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1}}, material,
               faces.left);
    PaintPlane(scene, camera, {{x1, y0, z0}, {x1, y0, z1}, {x1, y1, z1}, {x1, y1, z0}}, material,
               faces.right);
    PaintPlane(scene, camera, {{x0, y1, z0}, {x1, y1, z0}, {x1, y1, z1}, {x0, y1, z1}}, material,
               faces.top);
    PaintPlane(scene, camera, {{x0, y0, z0}, {x0, y0, z1}, {x1, y0, z1}, {x1, y0, z0}}, material);
}

namespace {

// The eaves keep the top of a wall in shadow.
void PaintEavesShadow(SceneContext& scene, const Camera& camera, const Box& box, double drop) {
    const double x0 = box.x, x1 = box.x + box.width, z0 = box.z, z1 = box.z + box.depth;
    const double top = box.base + box.height, low = top - drop;
    const Vec3 eye = camera.Eye();
    const std::pair<Vec3, Vec3> walls[] = {{{x0, top, z0}, {x1, top, z0}},
                                           {{x1, top, z1}, {x0, top, z1}},
                                           {{x0, top, z1}, {x0, top, z0}},
                                           {{x1, top, z0}, {x1, top, z1}}};
    for (const auto& [a, b] : walls) {
        const Vec3 normal = Cross(Vec3{0, 1, 0}, b - a);
        if (Dot(normal, eye - a) <= 0) continue;
        const QPointF pa = camera.Project(a), pb = camera.Project(b);
        const QPointF qa = camera.Project(a.x, low, a.z), qb = camera.Project(b.x, low, b.z);
        QLinearGradient shadow(Lerp(pa, pb, 0.5), Lerp(qa, qb, 0.5));
        shadow.setColorAt(0, QColor(10, 12, 20, static_cast<int>(40 + 60 * scene.mood.contrast)));
        shadow.setColorAt(1, QColor(10, 12, 20, 0));
        scene.painter.setPen(Qt::NoPen);
        scene.painter.setBrush(shadow);
        scene.painter.drawPolygon(QPolygonF({pa, pb, qb, qa}));
    }
}

}  // namespace

void PaintRoof(SceneContext& scene, const Camera& camera, const Box& box, const RoofDesign& roof) {
    if (roof.overhang > 0.15)
        PaintEavesShadow(scene, camera, box, std::min(box.height * 0.25, 1.2));
    const double o = roof.overhang;
    const Material& material = roof.covering;
    const Material& wall = roof.gable;
    const FaceDetail& gableDetail = roof.gableDetail;
    const double x0 = box.x, x1 = box.x + box.width, z0 = box.z, z1 = box.z + box.depth;
    const double xm = (x0 + x1) / 2, zm = (z0 + z1) / 2;
    const double y = box.base + box.height, ridge = y + roof.rise;
    const Vec3 fl{x0 - o, y, z0 - o}, fr{x1 + o, y, z0 - o}, bl{x0 - o, y, z1 + o},
        br{x1 + o, y, z1 + o};
    switch (roof.kind) {
        case Roof::Gable: {
            const Vec3 r1{x0 - o, ridge, zm}, r2{x1 + o, ridge, zm};
            PaintPlane(scene, camera, {{x0, y, z1}, {x0, y, z0}, {x0, ridge, zm}}, wall,
                       gableDetail);
            PaintPlane(scene, camera, {{x1, y, z0}, {x1, y, z1}, {x1, ridge, zm}}, wall,
                       gableDetail);
            PaintPlane(scene, camera, {fl, fr, r2, r1}, material);
            PaintPlane(scene, camera, {br, bl, r1, r2}, material);
            return;
        }
        case Roof::GableEndOn: {
            const Vec3 r1{xm, ridge, z0 - o}, r2{xm, ridge, z1 + o};
            PaintPlane(scene, camera, {{x0, y, z0}, {x1, y, z0}, {xm, ridge, z0}}, wall,
                       gableDetail);
            PaintPlane(scene, camera, {{x1, y, z1}, {x0, y, z1}, {xm, ridge, z1}}, wall,
                       gableDetail);
            PaintPlane(scene, camera, {bl, fl, r1, r2}, material);
            PaintPlane(scene, camera, {fr, br, r2, r1}, material);
            return;
        }
        case Roof::Hip:
        case Roof::Pyramid: {
            const bool pyramid = roof.kind == Roof::Pyramid;
            if (!pyramid && box.width >= box.depth) {
                const double h = box.depth / 2;
                const Vec3 r1{x0 + h, ridge, zm}, r2{x1 - h, ridge, zm};
                PaintPlane(scene, camera, {fl, fr, r2, r1}, material);
                PaintPlane(scene, camera, {fr, br, r2}, material);
                PaintPlane(scene, camera, {br, bl, r1, r2}, material);
                PaintPlane(scene, camera, {bl, fl, r1}, material);
            } else {
                const double h = pyramid ? box.depth / 2 : box.width / 2;
                const Vec3 r1{xm, ridge, z0 + h}, r2{xm, ridge, z1 - h};
                PaintPlane(scene, camera, {fl, fr, r1}, material);
                PaintPlane(scene, camera, {fr, br, r2, r1}, material);
                PaintPlane(scene, camera, {br, bl, r2}, material);
                PaintPlane(scene, camera, {bl, fl, r1, r2}, material);
            }
            return;
        }
    }
}

void PaintBattlements(SceneContext& scene, const Camera& camera, const Box& box,
                      const Material& material, double merlon) {
    const double top = box.base + box.height;
    const double thick = merlon * 0.6;
    std::vector<Box> merlons;
    auto along = [&](double length, auto place) {
        const int count = std::max(2, static_cast<int>(length / (merlon * 2)));
        const double pitch = length / count;
        for (int i = 0; i < count; ++i) merlons.push_back(place(i * pitch + (pitch - merlon) / 2));
    };
    along(box.width, [&](double s) { return Box{box.x + s, box.z, merlon, thick, merlon, top}; });
    along(box.width, [&](double s) {
        return Box{box.x + s, box.z + box.depth - thick, merlon, thick, merlon, top};
    });
    along(box.depth, [&](double s) { return Box{box.x, box.z + s, thick, merlon, merlon, top}; });
    along(box.depth, [&](double s) {
        return Box{box.x + box.width - thick, box.z + s, thick, merlon, merlon, top};
    });
    const Vec3 eye = camera.Eye();
    auto distance = [&](const Box& m) {
        const Vec3 c{m.x + m.width / 2, m.base, m.z + m.depth / 2};
        return Dot(c - eye, c - eye);
    };
    std::sort(merlons.begin(), merlons.end(),
              [&](const Box& a, const Box& b) { return distance(a) > distance(b); });
    for (const Box& m : merlons) PaintBox(scene, camera, m, material);
}

void PaintCylinder(SceneContext& scene, const Camera& camera, const Round& round, double bottom,
                   double top, const Material& material) {
    PaintTurned(scene, camera, round, bottom, top, round.radius, material);
}

void PaintFrustum(SceneContext& scene, const Camera& camera, const Round& round, double bottom,
                  double top, double topRadius, const Material& material) {
    PaintTurned(scene, camera, round, bottom, top, topRadius, material);
}

void PaintCone(SceneContext& scene, const Camera& camera, const Round& round, double bottom,
               double apex, const Material& material) {
    PaintTurned(scene, camera, round, bottom, apex, 0.0, material);
}

void PaintDome(SceneContext& scene, const Camera& camera, const Round& round, double bottom,
               double rise, const Material& material) {
    std::vector<QPointF> outline;
    for (int ring = 0; ring <= 8; ++ring) {
        const double lat = kPi / 2 * ring / 8;
        for (int i = 0; i < 32; ++i)
            outline.push_back(
                camera.Project(OnCircle(round, 2 * kPi * i / 32, bottom + rise * std::sin(lat),
                                        round.radius * std::cos(lat))));
    }
    const std::vector<QPointF> hull = ConvexHull(outline);
    QPainterPath path;
    path.addPolygon(QPolygonF(QVector<QPointF>(hull.begin(), hull.end())));
    path.closeSubpath();
    const Vec3 sun = SunDirection(scene.mood);
    const QPointF bright =
        camera.Project(Vec3{round.x, bottom, round.z} +
                       Vec3{sun.x * round.radius, sun.y * rise, sun.z * round.radius} * 0.8);
    const QRectF box = path.boundingRect();
    QRadialGradient fill(bright, std::max(box.width(), box.height()) * 0.9);
    fill.setColorAt(0.0, LightFace(scene, material.colour, sun));
    fill.setColorAt(1.0, LightFace(scene, material.colour, sun * -1.0));
    scene.painter.fillPath(path, fill);
    PaintHaze(scene, path, HazeAt(scene, camera, {round.x, bottom, round.z}));
}

void PaintRoundBattlements(SceneContext& scene, const Camera& camera, const Round& round,
                           double top, const Material& material, double merlon) {
    const int count = std::max(6, static_cast<int>(2 * kPi * round.radius / (merlon * 2)));
    const double step = 2 * kPi / count, span = step * 0.5;
    const double r = round.radius * 1.04;
    const double high = top + merlon;
    for (bool inner : {true, false}) {
        for (int i = 0; i < count; ++i) {
            const double a = i * step;
            const Vec3 p0 = OnCircle(round, a, top, r), p1 = OnCircle(round, a + span, top, r);
            const Vec3 q0 = OnCircle(round, a, high, r), q1 = OnCircle(round, a + span, high, r);
            if (inner)
                PaintPlane(scene, camera, {p1, p0, q0, q1}, material);
            else
                PaintPlane(scene, camera, {p0, p1, q1, q0}, material);
        }
    }
}

void PaintDecal(SceneContext& scene, const Camera& camera, Vec3 bottomLeft, Vec3 bottomRight,
                double height, const FaceDetail& detail) {
    const Vec3 along = bottomRight - bottomLeft;
    const double width = std::sqrt(Dot(along, along));
    const Vec3 up{0, height, 0};
    const QPolygonF quad({camera.Project(bottomLeft), camera.Project(bottomRight),
                          camera.Project(bottomRight + up), camera.Project(bottomLeft + up)});
    QTransform toScreen;
    const QPolygonF flat(
        {QPointF(0, 0), QPointF(width, 0), QPointF(width, height), QPointF(0, height)});
    if (width <= 0 || !QTransform::quadToQuad(flat, quad, toScreen)) return;
    QPainter& p = scene.painter;
    p.save();
    p.setTransform(toScreen, true);
    p.setPen(Qt::NoPen);
    detail(p, width, height);
    p.restore();
}

void PaintOnCylinder(SceneContext& scene, const Camera& camera, const Round& round, double angle,
                     double y, double width, double height, const FaceDetail& detail) {
    const double half = width / 2 / round.radius;
    const double r = round.radius * 1.01;
    const Vec3 p0 = OnCircle(round, angle - half, y, r), p1 = OnCircle(round, angle + half, y, r);
    const Vec3 normal{std::sin(angle), 0, -std::cos(angle)};
    if (Dot(normal, camera.Eye() - p0) <= 0) return;
    PaintDecal(scene, camera, p0, p1, height, detail);
}

void PaintThrough(QPainter& painter, const QPainterPath& opening, const QImage& behind) {
    painter.save();
    painter.setClipPath(opening, Qt::IntersectClip);
    painter.resetTransform();
    painter.drawImage(QPointF(0, 0), behind);
    painter.restore();
}
