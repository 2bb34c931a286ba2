#include "screens/common/drawnicon.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

QIcon DrawnIcon(QSize buttonSize, const std::function<void(QPainter&, double)>& draw) {
    const int side = std::max(8, std::min(buttonSize.width(), buttonSize.height()) - 6);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, side);
    return QIcon(pixmap);
}

QIcon CloseIcon(QSize size) {
    return DrawnIcon(size, [](QPainter& p, double s) {
        p.setPen(QPen(kButtonAccent, s * 0.14, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s * 0.22, s * 0.22), QPointF(s * 0.78, s * 0.78));
        p.drawLine(QPointF(s * 0.78, s * 0.22), QPointF(s * 0.22, s * 0.78));
    });
}
