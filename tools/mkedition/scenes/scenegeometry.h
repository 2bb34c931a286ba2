// Small geometry helpers the painters share.
#pragma once

#include <QPointF>

constexpr double kPi = 3.14159265358979323846;

inline double Lerp(double a, double b, double t) { return a + (b - a) * t; }

inline QPointF Lerp(const QPointF& a, const QPointF& b, double t) {
    return QPointF(Lerp(a.x(), b.x(), t), Lerp(a.y(), b.y(), t));
}
