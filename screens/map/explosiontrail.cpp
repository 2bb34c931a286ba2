#include "screens/map/explosiontrail.h"

#include <QImage>
#include <QPainter>

namespace {

// A dotted rectangle in XOR: drawing it twice leaves the canvas as it was.
void focusRect(QPainter& painter, const QRect& r) {
    if (r.isEmpty()) return;
    QPen dotted(Qt::white, 1, Qt::DotLine);
    painter.setPen(dotted);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

}  // namespace

void PaintExplosionStep(QImage& canvas, const QRect& previous, const QRect& frame) {
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    focusRect(painter, previous);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(previous.topLeft(), frame.topLeft());
    painter.drawLine(previous.topRight(), frame.topRight());
    painter.drawLine(previous.bottomRight(), frame.bottomRight());
    painter.drawLine(previous.bottomLeft(), frame.bottomLeft());
    focusRect(painter, frame);
}
