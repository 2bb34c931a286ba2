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
