// A great hill seen across its valley, filling the picture, with what people cut into it:
// grassy terraces following the contours, or a giant outlined in white chalk on its face.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <vector>

#include "tools/mkedition/scenes/beasts.h"
#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/scenegeometry.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"

namespace {

struct Hill {
    Ridge crest;
    double footY;
    // A line across the face at fraction t of the way from the crest down to the foot.
    double Contour(double x, double t) const { return Lerp(crest.At(x), footY, t); }
};

// Strip terraces: each a bright bank facing the light with a shadow under its lip.
void PaintTerraces(SceneContext& scene, SceneRandom& random, const Hill& hill) {
    QPainter& p = scene.painter;
    const int count = random.Int(5, 8);
    const double x0 = scene.w * random.Range(-0.1, 0.2), x1 = scene.w * random.Range(0.75, 1.1);
    for (int i = 0; i < count; ++i) {
        const double t = 0.2 + 0.7 * (i + 0.5) / count;
        const double bank = (hill.footY - hill.crest.At(scene.w / 2)) * 0.7 / count * 0.55;
        QPainterPath lip, band;
        std::vector<QPointF> upper, lower;
        for (double x = x0; x <= x1; x += 6 * scene.u) {
            // The terraces die into the slope at each end.
            const double end = std::min(1.0, std::min(x - x0, x1 - x) / (scene.w * 0.12));
            const double y = hill.Contour(x, t);
            upper.emplace_back(x, y);
            lower.emplace_back(x, y + bank * std::max(0.05, end));
        }
        band.moveTo(upper.front());
        for (const QPointF& point : upper) band.lineTo(point);
        for (auto it = lower.rbegin(); it != lower.rend(); ++it) band.lineTo(*it);
        band.closeSubpath();
        QLinearGradient slope(0, hill.Contour(scene.w / 2, t), 0,
                              hill.Contour(scene.w / 2, t) + bank);
        slope.setColorAt(0,
                         Distant(scene.mood, Lit(scene.mood, Scaled(scene.mood.grass, 1.12)), 0.3));
        slope.setColorAt(1, Distant(scene.mood, Scaled(scene.mood.grass, 0.95), 0.3));
        p.fillPath(band, slope);
        lip.moveTo(lower.front());
        for (const QPointF& point : lower) lip.lineTo(point);
        p.strokePath(lip, QPen(WithAlpha(Scaled(scene.mood.grassDark, 0.7), 110), bank * 0.25));
    }
}

// The giant with his crook: a chalk outline on the face, foreshortened by the slope.
void PaintHillFigure(SceneContext& scene, SceneRandom& random, const Hill& hill) {
    const double cx = scene.w * random.Range(0.38, 0.62);
    const double top = hill.Contour(cx, 0.12), bottom = hill.Contour(cx, 0.85);
    const double height = bottom - top, width = height * random.Range(0.9, 1.2);
    auto at = [&](double fx, double fy) { return QPointF(cx + fx * width, top + fy * height); };
    QPainterPath figure;
    figure.addEllipse(at(0, 0.07), width * 0.06, height * 0.065);
    const double strokes[][4] = {
        {-0.13, 0.16, 0.13, 0.16},   // shoulders
        {-0.13, 0.16, -0.09, 0.52},  // body
        {0.13, 0.16, 0.09, 0.52},   {-0.09, 0.52, 0.09, 0.52},
        {-0.13, 0.17, -0.26, 0.44},  // the hanging arm
        {0.13, 0.17, 0.3, 0.36},     // the arm holding the crook
        {-0.07, 0.52, -0.16, 0.96},  // legs and feet
        {0.07, 0.52, 0.16, 0.96},   {-0.16, 0.96, -0.24, 0.97},
        {0.16, 0.96, 0.24, 0.97},   {0.32, 0.06, 0.32, 0.98},  // the crook's staff
    };
    for (const auto& s : strokes) {
        figure.moveTo(at(s[0], s[1]));
        figure.lineTo(at(s[2], s[3]));
    }
    figure.moveTo(at(0.32, 0.06));
    figure.cubicTo(at(0.32, -0.02), at(0.42, -0.02), at(0.42, 0.05));
    const double line = std::max(2.0, height * 0.022);
    QPainter& p = scene.painter;
    QPen shadow(WithAlpha(Scaled(scene.mood.grassDark, 0.5), 140), line * 1.4);
    shadow.setCapStyle(Qt::RoundCap);
    p.strokePath(figure.translated(0, line * 0.5), shadow);
    QPen chalk(Lit(scene.mood, QColor(244, 242, 232)), line);
    chalk.setCapStyle(Qt::RoundCap);
    p.strokePath(figure, chalk);
}

}  // namespace

void PaintHillside(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x4175);
    const int form = scene.FormOr(random.Int(kTerraces, kHillFigure));
    const double horizon = scene.h * random.Range(0.4, 0.48);
    scene.horizonY = horizon;
    PaintSky(scene, horizon);
    PaintDistantHills(scene, horizon, random.Range(10, 20) * scene.u, 1);
    // The hill: a long smooth down rising well above the horizon, lit on the sun's side.
    // The giant is seen from close under the down, so that he stands the height of the
    // picture; the terraces from across the valley.
    const bool figure = form == kHillFigure;
    const double crestY = scene.h * (figure ? random.Range(0.03, 0.08) : random.Range(0.12, 0.2));
    const double footY = scene.h * (figure ? random.Range(0.8, 0.86) : random.Range(0.6, 0.66));
    const double shoulder = figure ? crestY + scene.h * 0.15 : horizon;
    Hill hill{Ridge(random, shoulder, shoulder - crestY, scene.w * random.Range(1.4, 2.2), 0.1),
              footY};
    QPainter& p = scene.painter;
    const QPainterPath face = hill.crest.Area(scene.w, footY + 4 * scene.u);
    QLinearGradient light(0, 0, scene.w, 0);
    const QColor turf = scene.mood.grass;
    light.setColorAt(scene.mood.sunFromLeft ? 0 : 1,
                     Distant(scene.mood, Lit(scene.mood, turf), 0.3));
    light.setColorAt(scene.mood.sunFromLeft ? 1 : 0,
                     Distant(scene.mood, Shaded(scene.mood, turf), 0.35));
    p.fillPath(face, light);
    // Coombs and the shadows of old tracks across the down.
    p.save();
    p.setClipPath(face);
    for (int i = 0; i < 4; ++i) {
        const double x = random.Range(0, scene.w);
        QRadialGradient coomb(QPointF(x, footY), scene.h * 0.3);
        coomb.setColorAt(0, WithAlpha(Shaded(scene.mood, scene.mood.grassDark), 70));
        coomb.setColorAt(1, WithAlpha(scene.mood.grassDark, 0));
        p.fillRect(QRectF(0, 0, scene.w, scene.h), coomb);
    }
    if (form == kTerraces)
        PaintTerraces(scene, random, hill);
    else
        PaintHillFigure(scene, random, hill);
    // Scrub and a few thorns on the steep.
    for (int i = 0; i < random.Int(4, 10); ++i) {
        const double x = random.Range(0, scene.w), t = random.Range(0.05, 0.9);
        PaintTree(scene, QPointF(x, hill.Contour(x, t)), random.Range(6, 14) * scene.u,
                  TreeShape::Broadleaf, 0.35);
    }
    p.restore();
    // The valley floor: a belt of trees along the foot, then fields with hedges to the viewer.
    PaintTreeBelt(scene, footY + 4 * scene.u, -20 * scene.u, scene.w + 20 * scene.u,
                  random.Range(22, 34) * scene.u, 0.25);
    PaintMeadow(scene, footY + 3 * scene.u, scene.h);
    const double hedgeY = Lerp(footY, scene.h, random.Range(0.3, 0.5));
    PaintHedge(scene, QPointF(-10, hedgeY + random.Jitter(10) * scene.u),
               QPointF(scene.w + 10, hedgeY + random.Jitter(10) * scene.u), 12 * scene.u, 0.1);
    PaintGrassBlades(scene, hedgeY + 10 * scene.u, scene.h, 300);
    SceneRandom flock = random.Fork(11);
    for (int i = 0; i < random.Int(0, 7); ++i) {
        const double f = flock.Range(0.55, 0.95);
        PaintBeast(scene, flock, Beast::Sheep,
                   QPointF(flock.Range(0.05, 0.95) * scene.w, Lerp(footY, scene.h, f)),
                   (8 + 30 * f * f) * scene.u, flock.Chance(0.5), 0.1 * (1 - f));
    }
}
