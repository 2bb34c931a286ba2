// The map key's scale bar: 73 map pixels stand for 10 miles. As many segments as fit in the
// image less 20 pixels, centred, alternately hollow and solid, numbered 0, 10, 20... below.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

constexpr int kMileSegmentPixels = 73;
constexpr int kMilesPerSegment = 10;

struct MileScaleLabel {
    QString text;
    int centreX;
};

struct MileScaleGeometry {
    int offset;                          // left edge of the first segment
    std::vector<QRect> segments;         // the first hollow, then solid, and so on
    std::vector<MileScaleLabel> labels;  // one more than segments: at every segment boundary
};

MileScaleGeometry ArrangeMileScale(int width);

// The drawn scale: background colour, white segments, white labels at y = 10.
QImage DrawMileScale(QSize size, const QFont& labelFont);
