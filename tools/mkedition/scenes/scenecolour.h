// Colour arithmetic the painters share: mixing, scaling and tinting in plain RGB.
#pragma once

#include <QColor>
#include <algorithm>

inline int ClampChannel(double v) { return std::clamp(static_cast<int>(v + 0.5), 0, 255); }

// t = 0 gives a, t = 1 gives b; the alpha is mixed too.
inline QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor(ClampChannel(a.red() + (b.red() - a.red()) * t),
                  ClampChannel(a.green() + (b.green() - a.green()) * t),
                  ClampChannel(a.blue() + (b.blue() - a.blue()) * t),
                  ClampChannel(a.alpha() + (b.alpha() - a.alpha()) * t));
}

inline QColor Scaled(const QColor& c, double factor) {
    return QColor(ClampChannel(c.red() * factor), ClampChannel(c.green() * factor),
                  ClampChannel(c.blue() * factor), c.alpha());
}

// Each channel multiplied by the filter's channel (255 = unchanged).
inline QColor Filtered(const QColor& c, const QColor& filter) {
    return QColor(ClampChannel(c.red() * filter.red() / 255.0),
                  ClampChannel(c.green() * filter.green() / 255.0),
                  ClampChannel(c.blue() * filter.blue() / 255.0), c.alpha());
}

inline QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(std::clamp(alpha, 0, 255));
    return c;
}
