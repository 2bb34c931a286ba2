#include "screens/map/londonpictures.h"

#include <QPainter>

#include "content/datatables.h"
#include "content/foundset.h"
#include "screens/map/canvasfills.h"
#include "screens/map/mapcolours.h"

const char kMiniLonImageResource[] = ":/london/MiniLonImage1.png";
const char kLonImageResource[] = ":/london/LonImage.png";

namespace {

constexpr QRgb kPlainLand = 0xFFE4E8D0;
constexpr QRgb kPlainOutline = 0xFF404040;
constexpr int kMiniDotRadius = 3;
constexpr int kInsetDotRadius = 13;  // covers the five points the recolouring fills from

QPoint placePosition(int place) {
    const PlaceRecord& p = Content().place(place);
    return QPoint(p.x, p.y);
}

QPoint miniPicturePoint(int place) { return placePosition(place) - kLondonBox.topLeft(); }

// u = 6x - 14052, v = 6y - 23220
QPoint insetPoint(int place) { return miniPicturePoint(place) * kLondonInsetScale; }

template <typename Visit>
void forEachLondonPlace(Visit visit) {
    const ContentStore& c = Content();
    for (int i = 0; i < c.LondonPlaceCount; ++i) visit(static_cast<int>(c.LondonPlaces[i]));
}

// A plain stand-in: light yellow dots on pale land, one per London place.
QImage drawPlainPicture(QSize size, int scale, int radius) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kPlainLand);
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromRgb(kPlainOutline), 1));
    painter.setBrush(QColor::fromRgb(kDotYellow));
    forEachLondonPlace([&](int place) {
        const QPoint centre = miniPicturePoint(place) * scale;
        painter.drawEllipse(centre, radius, radius);
    });
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

}  // namespace

QImage LoadLondonPicture(const QString& path, QSize size) {
    const QImage image(path);
    if (image.size() != size) return QImage();
    return image.convertToFormat(QImage::Format_RGB32);
}

QPoint InsetToMap(QPoint inset) {
    return QPoint(inset.x() / kLondonInsetScale, inset.y() / kLondonInsetScale) +
           kLondonBox.topLeft();
}

void LondonPictures::load() {
    MiniLonImage1 =
        LoadLondonPicture(QString::fromLatin1(kMiniLonImageResource), kLondonBox.size());
    if (MiniLonImage1.isNull())
        MiniLonImage1 = drawPlainPicture(kLondonBox.size(), 1, kMiniDotRadius);
    MiniLonImage2 = MiniLonImage1;
    markedPlace_ = -1;
    LonImage = LoadLondonPicture(QString::fromLatin1(kLonImageResource), kLonImageSize);
    if (LonImage.isNull())
        LonImage = drawPlainPicture(kLonImageSize, kLondonInsetScale, kInsetDotRadius);
}

void LondonPictures::colourPlaces(bool foundSetMode) {
    if (!loaded()) return;
    // The marker is lifted while the colours change, so that it neither hides a marker's colour
    // nor brings an old one back when erased.
    const int marked = markedPlace_;
    hideMarker();
    MiniLonImage2 = MiniLonImage1.copy();
    forEachLondonPlace([&](int place) {
        const bool greyed = foundSetMode && !IsInFoundSet(place);
        const QRgb from = greyed ? kDotYellow : kLondonGrey;
        const QRgb to = greyed ? kLondonGrey : kDotYellow;
        const QPoint at = insetPoint(place);
        for (const QPoint offset :
             {QPoint(0, 0), QPoint(-8, 0), QPoint(8, 0), QPoint(0, -10), QPoint(0, 10)})
            SurfaceFill(LonImage, at + offset, from, to);
        if (!greyed) return;
        // The colour of the place's own unmarked dot, when the picture has one there.
        const QPoint dot = miniPicturePoint(place);
        if (!MiniLonImage2.rect().contains(dot)) return;
        const QRgb unmarked = MiniLonImage2.pixel(dot);
        if (FlashColoursMatch(unmarked, kDotYellow))
            SurfaceFill(MiniLonImage2, dot, unmarked, kGreyedDot);
    });
    if (marked != -1) showMarker(marked);
}

QRect LondonPictures::showMarker(int place) {
    if (place == markedPlace_) return QRect();
    const QRect erased = hideMarker();
    if (!loaded() || place < 0 || place >= Content().PlaceCount) return erased;
    markedPlace_ = place;
    return erased | drawMarker(place);
}

QRect LondonPictures::hideMarker() {
    if (markedPlace_ == -1) return QRect();
    const QRect erased = drawMarker(markedPlace_);
    markedPlace_ = -1;
    return erased;
}

QRect LondonPictures::drawMarker(int place) {
    const QRect box(insetPoint(place) - QPoint(5, 5), QSize(10, 10));
    QPainter painter(&LonImage);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(QColor::fromRgb(kMarkerYellow), 10, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box);
    return box.adjusted(-6, -6, 6, 6) & LonImage.rect();
}
