#include "tools/mkedition/maps/shapes.h"

#include <algorithm>
#include <cmath>

#include "tools/mkedition/maps/noise.h"

namespace {

// Straight stretches longer than this get extra knots before smoothing.
constexpr double kLongestStraight = 40;

double length(const QPointF& v) { return std::hypot(v.x(), v.y()); }

// Parameter step of centripetal Catmull-Rom between two knots.
double knotStep(const QPointF& a, const QPointF& b) {
    return std::max(std::sqrt(length(b - a)), 1e-3);
}

QPointF lerp(const QPointF& a, const QPointF& b, double t0, double t1, double t) {
    return a * ((t1 - t) / (t1 - t0)) + b * ((t - t0) / (t1 - t0));
}

// Barry and Goldman's pyramid for the segment p1 -> p2 at fraction f.
QPointF catmullRom(const QPointF& p0, const QPointF& p1, const QPointF& p2, const QPointF& p3,
                   double f) {
    const double t0 = 0;
    const double t1 = t0 + knotStep(p0, p1);
    const double t2 = t1 + knotStep(p1, p2);
    const double t3 = t2 + knotStep(p2, p3);
    const double t = t1 + f * (t2 - t1);
    const QPointF a1 = lerp(p0, p1, t0, t1, t);
    const QPointF a2 = lerp(p1, p2, t1, t2, t);
    const QPointF a3 = lerp(p2, p3, t2, t3, t);
    const QPointF b1 = lerp(a1, a2, t0, t2, t);
    const QPointF b2 = lerp(a2, a3, t1, t3, t);
    return lerp(b1, b2, t1, t2, t);
}

double distanceToSegment(const QPointF& p, const QPointF& a, const QPointF& b) {
    const QPointF ab = b - a;
    const double l2 = QPointF::dotProduct(ab, ab);
    const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / l2, 0.0, 1.0) : 0.0;
    return length(p - (a + ab * t));
}

}  // namespace

QPolygonF SmoothPath(const QPolygonF& given, bool closed, double step, std::vector<int>* knots) {
    // Long straight stretches get knots along them, so the curve only rounds the corners and
    // never swings wide of a line its author drew straight.
    QPolygonF points;
    std::vector<int> givenAt;
    const int g = static_cast<int>(given.size());
    for (int i = 0; i < g; ++i) {
        givenAt.push_back(static_cast<int>(points.size()));
        points << given[i];
        if (!closed && i + 1 == g) break;
        const QPointF next = given[(i + 1) % g];
        const int pieces = static_cast<int>(std::ceil(length(next - given[i]) / kLongestStraight));
        for (int k = 1; k < pieces; ++k)
            points << given[i] + (next - given[i]) * (static_cast<double>(k) / pieces);
    }

    const int n = static_cast<int>(points.size());
    QPolygonF out;
    if (knots) knots->clear();
    if (n < 2) return points;
    auto at = [&](int i) {
        if (closed) return points[((i % n) + n) % n];
        if (i < 0) return points[0] * 2 - points[1];
        if (i >= n) return points[n - 1] * 2 - points[n - 2];
        return points[i];
    };
    std::vector<int> sampleAt;
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i) {
        const QPointF p1 = at(i);
        const QPointF p2 = at(i + 1);
        sampleAt.push_back(static_cast<int>(out.size()));
        const int samples = std::max(1, static_cast<int>(std::ceil(length(p2 - p1) / step)));
        for (int s = 0; s < samples; ++s)
            out << catmullRom(at(i - 1), p1, p2, at(i + 2), static_cast<double>(s) / samples);
    }
    if (!closed) {
        sampleAt.push_back(static_cast<int>(out.size()));
        out << points[n - 1];
    }
    if (knots) {
        for (int i : givenAt) knots->push_back(sampleAt[static_cast<size_t>(i)]);
    }
    return out;
}

QPointF RightNormal(const QPolygonF& path, int i, bool closed) {
    const int n = static_cast<int>(path.size());
    const int before = closed ? (i + n - 1) % n : std::max(i - 1, 0);
    const int after = closed ? (i + 1) % n : std::min(i + 1, n - 1);
    const QPointF d = path[after] - path[before];
    const double l = length(d);
    if (l == 0) return QPointF(0, 0);
    return QPointF(d.y() / l, -d.x() / l);
}

QPolygonF RoughenPath(const QPolygonF& path, bool closed, const Roughness& roughness,
                      const std::vector<int>& pinned, double fade) {
    const int n = static_cast<int>(path.size());
    std::vector<double> arc(static_cast<size_t>(n), 0.0);
    for (int i = 1; i < n; ++i)
        arc[static_cast<size_t>(i)] =
            arc[static_cast<size_t>(i - 1)] + length(path[i] - path[i - 1]);
    const double total = closed && n > 1 ? arc.back() + length(path[0] - path[n - 1]) : arc.back();

    // Distance along the path to the nearest pinned sample; the ends of an open path and the
    // seam of a closed one are pinned too, so the path keeps its ends and closes cleanly.
    std::vector<double> freedom(static_cast<size_t>(n), fade);
    std::vector<int> pins = pinned;
    pins.push_back(0);
    if (!closed) pins.push_back(n - 1);
    for (int pin : pins) {
        if (pin < 0 || pin >= n) continue;
        for (int i = 0; i < n; ++i) {
            double d = std::fabs(arc[static_cast<size_t>(i)] - arc[static_cast<size_t>(pin)]);
            if (closed) d = std::min(d, total - d);
            freedom[static_cast<size_t>(i)] = std::min(freedom[static_cast<size_t>(i)], d);
        }
    }

    QPolygonF out(path);
    for (int i = 0; i < n; ++i) {
        const double s = arc[static_cast<size_t>(i)] / roughness.wavelength;
        double offset = 0;
        double amplitude = 1;
        double frequency = 1;
        for (int octave = 0; octave < 4; ++octave) {
            offset +=
                amplitude * Noise1(s * frequency, roughness.seed + static_cast<uint32_t>(octave));
            amplitude *= 0.45;
            frequency *= 2.3;
        }
        const double weight =
            fade > 0 ? std::min(1.0, freedom[static_cast<size_t>(i)] / fade) : 1.0;
        out[i] += RightNormal(path, i, closed) * (offset * roughness.amplitude * weight);
    }
    return out;
}

double DistanceToPath(const QPointF& p, const QPolygonF& path, bool closed) {
    const int n = static_cast<int>(path.size());
    if (n == 0) return 1e300;
    if (n == 1) return length(p - path[0]);
    double best = 1e300;
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i)
        best = std::min(best, distanceToSegment(p, path[i], path[(i + 1) % n]));
    return best;
}

double SignedArea(const QPolygonF& outline) {
    double sum = 0;
    const int n = static_cast<int>(outline.size());
    for (int i = 0; i < n; ++i) {
        const QPointF& a = outline[i];
        const QPointF& b = outline[(i + 1) % n];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum / 2;
}
