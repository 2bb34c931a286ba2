#include "screens/map/milescale.h"

#include <QPainter>
#include <algorithm>

#include "app/colours.h"

namespace {

constexpr int kScaleMargin = 20;
constexpr int kSegmentHeight = 9;
constexpr int kLabelTop = 10;

}  // namespace

MileScaleGeometry ArrangeMileScale(int width) {
    const int usable = std::max(0, width - kScaleMargin);
    const int n = usable / kMileSegmentPixels;
    MileScaleGeometry scale;
    scale.offset = (usable % kMileSegmentPixels + kScaleMargin) / 2;
    for (int i = 0; i < n; ++i)
        scale.segments.emplace_back(scale.offset + kMileSegmentPixels * i, 0, kMileSegmentPixels,
                                    kSegmentHeight);
    for (int i = 0; i <= n; ++i)
        scale.labels.push_back(
            {QString::number(kMilesPerSegment * i), scale.offset + kMileSegmentPixels * i});
    return scale;
}

QImage DrawMileScale(QSize size, const QFont& labelFont) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kScreenBackdrop);
    const MileScaleGeometry scale = ArrangeMileScale(size.width());
    QPainter painter(&image);
    painter.setPen(QPen(Qt::white, 2));
    bool solid = false;
    for (const QRect& segment : scale.segments) {
        painter.setBrush(solid ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
        painter.drawRect(segment);
        solid = !solid;
    }
    painter.setFont(labelFont);
    painter.setBrush(Qt::NoBrush);
    const int labelWidth = kMileSegmentPixels;
    for (const MileScaleLabel& label : scale.labels) {
        painter.drawText(
            QRect(label.centreX - labelWidth / 2, kLabelTop, labelWidth, size.height() - kLabelTop),
            Qt::AlignHCenter | Qt::AlignTop, label.text);
    }
    return image;
}
