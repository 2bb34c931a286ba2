#include "tools/mkedition/contactsheet.h"

#include <QFile>
#include <QFont>
#include <QPainter>

#include "tools/mkedition/jpegcodec.h"

namespace {

constexpr int kGap = 6;
constexpr int kLineHeight = 14;

}  // namespace

ContactSheet::ContactSheet(int count, int columns, int cellWidth, int textLines)
    : columns_(columns),
      cellWidth_(cellWidth),
      // Room for a landscape picture at its own proportions (3:2).
      pictureHeight_(cellWidth * 2 / 3),
      textHeight_(textLines > 0 ? textLines * kLineHeight + 8 : 0) {
    const int rows = (count + columns - 1) / columns;
    sheet_ = QImage(columns * (cellWidth + kGap) + kGap,
                    rows * (pictureHeight_ + textHeight_ + kGap) + kGap, QImage::Format_RGB32);
    sheet_.fill(QColor(40, 40, 40));
}

QRect ContactSheet::Cell(int index) const {
    const int column = index % columns_, row = index / columns_;
    return QRect(kGap + column * (cellWidth_ + kGap),
                 kGap + row * (pictureHeight_ + textHeight_ + kGap), cellWidth_,
                 pictureHeight_ + textHeight_);
}

void ContactSheet::Place(int index, const QImage& picture, const QString& title,
                         const QString& caption) {
    const QRect cell = Cell(index);
    QPainter p(&sheet_);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QSize fit = picture.size().scaled(cellWidth_, pictureHeight_, Qt::KeepAspectRatio);
    p.drawImage(QRect(QPoint(cell.center().x() - fit.width() / 2, cell.top()), fit), picture);
    if (textHeight_ == 0) return;
    const QRect text(cell.left() + 2, cell.top() + pictureHeight_ + 3, cellWidth_ - 4,
                     textHeight_ - 4);
    QFont bold("DejaVu Sans");
    bold.setPixelSize(11);
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(QColor(240, 236, 226));
    QRect used;
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title, &used);
    QFont plain = bold;
    plain.setBold(false);
    plain.setPixelSize(10);
    p.setFont(plain);
    p.setPen(QColor(190, 186, 176));
    p.drawText(text.adjusted(0, used.height() + 1, 0, 0),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
}

bool ContactSheet::Save(const QString& path) const {
    if (!path.endsWith(".jpg", Qt::CaseInsensitive)) return sheet_.save(path, "PNG");
    const std::vector<uint8_t> jpeg = EncodeJpeg(sheet_, 78);
    QFile file(path);
    return !jpeg.empty() && file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(jpeg.data()), qint64(jpeg.size())) ==
               qint64(jpeg.size());
}
