#include "tools/mkedition/maps/londonpictures.h"

#include <QPainter>
#include <cmath>

#include "content/londonpictures.h"
#include "content/maptiles.h"
#include "tools/mkedition/maps/labelplacer.h"
#include "tools/mkedition/maps/lettering.h"
#include "tools/mkedition/maps/mapstyle.h"

using namespace mapstyle;

namespace {

// Marker half-axes inside its ring, and the ring's width, in inset pixels: the fill points lie
// 8 across and 10 up and down from the centre.
constexpr int kMarkerHalfWidth = 10;
constexpr int kMarkerHalfHeight = 12;
constexpr int kMarkerRing = 2;

QPen pen(QRgb colour, double width) {
    return QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

bool inEllipse(int dx, int dy, double a, double b) {
    return (dx * dx) / (a * a) + (dy * dy) / (b * b) <= 1.0;
}

// Exact pixels, no antialiasing: the fill must find one solid grey.
void paintMarker(QImage& image, const QPoint& centre) {
    const QRgb ring = kCityFrame;
    const int reach = kMarkerHalfHeight + kMarkerRing + 1;
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p = centre + QPoint(dx, dy);
            if (!image.rect().contains(p)) continue;
            if (inEllipse(dx, dy, kMarkerHalfWidth + 0.5, kMarkerHalfHeight + 0.5)) {
                image.setPixel(p, kLondonMarkerGrey);
            } else if (inEllipse(dx, dy, kMarkerHalfWidth + 0.5 + kMarkerRing,
                                 kMarkerHalfHeight + 0.5 + kMarkerRing)) {
                image.setPixel(p, ring);
            }
        }
    }
}

// The marker grey and the dot yellow belong to markers alone.
void keepMarkerColoursFree(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            if (c == kLondonMarkerGrey || c == maptiles::kPlaceDotColour) line[x] = c ^ 1u;
        }
    }
}

}  // namespace

QImage PaintLondonPlan(const Geography& geography, int scale) {
    const QRect& box = geography.londonBox;
    QImage image(box.size() * scale, QImage::Format_RGB32);
    image.fill(kCityGround);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.translate(-box.left(), -box.top());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kCityPark));
    for (const QPolygonF& park : geography.londonParks) painter.drawPolygon(park);
    for (const MapRiver& river : geography.rivers) {
        painter.setPen(pen(kRiver, river.mouthWidth));
        painter.drawPolyline(river.path);
    }
    // Streets over the river are its bridges. At one pixel per map unit a fine line each;
    // enlarged, white with a casing.
    for (const bool casing : {true, false}) {
        for (const LondonStreet& street : geography.londonStreets) {
            const QPolygonF line(QVector<QPointF>(street.points.begin(), street.points.end()));
            if (scale == 1) {
                if (casing) painter.setPen(pen(kCityStreetCasing, 0.7));
            } else {
                painter.setPen(casing ? pen(kCityStreetCasing, street.width + 2.0 / scale)
                                      : pen(kCityStreet, street.width));
            }
            if (scale != 1 || casing) painter.drawPolyline(line);
        }
    }
    if (scale == 1) {
        painter.resetTransform();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QColor(kCityFrame));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    }
    return image;
}

LondonInset PaintLondonInset(const Geography& geography) {
    LondonInset inset;
    QImage& image = inset.picture;
    image = PaintLondonPlan(geography, kLondonInsetScale);
    const QPoint origin = geography.londonBox.topLeft();
    std::vector<QPoint> markers;
    for (const MapPlace& place : geography.londonPlaces)
        markers.push_back(((place.at - origin) * kLondonInsetScale).toPoint());

    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        LabelPlacer placer(QRectF(image.rect()), [](const QRectF&) { return 0.0; });
        const double clearance = kMarkerHalfHeight + kMarkerRing;
        for (const QPoint& marker : markers) placer.keepFree(QPointF(marker), clearance);
        const Viewport view{QRectF(origin, QSizeF(geography.londonBox.size())), image.size()};
        inset.unnamedPlaces =
            LetterPlaces(painter, geography.londonPlaces, clearance, kPlaceNameStyle, view, placer);
    }
    keepMarkerColoursFree(image);
    for (const QPoint& marker : markers) paintMarker(image, marker);
    return inset;
}
