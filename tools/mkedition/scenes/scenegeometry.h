// Small geometry helpers the painters share.
#pragma once

#include <QPointF>
#include <algorithm>
#include <vector>

constexpr double kPi = 3.14159265358979323846;

inline double Lerp(double a, double b, double t) { return a + (b - a) * t; }

inline QPointF Lerp(const QPointF& a, const QPointF& b, double t) {
    return QPointF(Lerp(a.x(), b.x(), t), Lerp(a.y(), b.y(), t));
}

// The outline round a cloud of points, in order round it.
inline std::vector<QPointF> ConvexHull(std::vector<QPointF> points) {
    if (points.size() < 3) return points;
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    auto cross = [](const QPointF& o, const QPointF& a, const QPointF& b) {
        return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
    };
    std::vector<QPointF> hull(points.size() * 2);
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0) --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(hull[k - 2], hull[k - 1], points[i - 1]) <= 0) --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k > 0 ? k - 1 : 0);
    return hull;
}
