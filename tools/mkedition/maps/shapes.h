// Geometry of the map's lines and outlines, in map units (x east, y south).
#pragma once

#include <QPolygonF>
#include <cstdint>
#include <vector>

// A curve through the points (centripetal Catmull-Rom, so it never loops at sharp turns),
// sampled about every step units; a closed outline wraps round. knots receives the index of
// each given point in the result.
QPolygonF SmoothPath(const QPolygonF& points, bool closed, double step,
                     std::vector<int>* knots = nullptr);

// Irregularity for a hand-drawn line: every sample moves along its normal by fractal noise of
// the amplitude, fading to nothing within fade units of the pinned samples.
struct Roughness {
    double amplitude;
    double wavelength;
    uint32_t seed;
};
QPolygonF RoughenPath(const QPolygonF& path, bool closed, const Roughness& roughness,
                      const std::vector<int>& pinned, double fade);

// The unit normal at sample i, on the right-hand side of the direction of travel as seen on the
// map: the sea side of an outline that runs clockwise round its land.
QPointF RightNormal(const QPolygonF& path, int i, bool closed);

double DistanceToPath(const QPointF& p, const QPolygonF& path, bool closed);

// Positive when the outline runs clockwise as seen on the map.
double SignedArea(const QPolygonF& outline);
