#include "tools/mkedition/maps/detailedmap.h"

#include <QPainter>

#include "tools/mkedition/maps/ground.h"
#include "tools/mkedition/maps/lettering.h"
#include "tools/mkedition/maps/linework.h"
#include "tools/mkedition/maps/londonpictures.h"
#include "tools/mkedition/maps/mapstyle.h"
#include "tools/mkedition/maps/placedots.h"

using namespace mapstyle;

namespace {

constexpr double kTownDotRadius = 2.5;
// A name half on the land and half on the sea is hard to read.
constexpr double kShoreStraddleCost = 3;

QPoint pixelOf(const QPointF& at) {
    return QPoint(static_cast<int>(at.x()), static_cast<int>(at.y()));
}

void paintTownDots(QPainter& painter, const std::vector<MapPlace>& towns) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(kTownDotRing), 1));
    painter.setBrush(QColor(kTownDot));
    for (const MapPlace& town : towns) painter.drawEllipse(town.at, kTownDotRadius, kTownDotRadius);
    painter.restore();
}

// The covered places whose names found no room.
std::vector<size_t> letterTheMap(QPainter& painter, const Geography& geography,
                                 const Relief& relief, const Viewport& view) {
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::Antialiasing);
    LabelPlacer placer(QRectF(QPointF(0, 0), QSizeF(view.size)), [&relief](const QRectF& box) {
        int onLand = 0;
        for (const QPointF& corner :
             {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight(), box.center()})
            onLand += relief.seaDistance(corner.x(), corner.y()) < 1 ? 1 : 0;
        return onLand == 0 || onLand == 5 ? 0.0 : kShoreStraddleCost;
    });
    const double dotClearance = kPlaceDotPixelRadius + 1;
    for (const MapPlace& place : geography.places) placer.keepFree(place.at, dotClearance);
    for (const MapPlace& town : geography.towns) placer.keepFree(town.at, kTownDotRadius + 1);
    placer.keepFree(QRectF(geography.londonBox).adjusted(-1, -1, 2, 2));
    LetterAreas(painter, geography.labels, kDetailedMapAreas, 1, view, placer);
    const std::vector<size_t> unnamed =
        LetterPlaces(painter, geography.places, dotClearance, kPlaceNameStyle, view, placer);
    // A greyed town without its name is no loss.
    LetterPlaces(painter, geography.towns, kTownDotRadius + 1, kTownNameStyle, view, placer);
    return unnamed;
}

}  // namespace

DetailedMap PaintDetailedMap(const Geography& geography, const Relief& relief,
                             const MapPalette& palette) {
    const Viewport view{QRectF(QPointF(0, 0), QSizeF(geography.mapSize)), geography.mapSize};
    const QImage ground = PaintGround(geography, relief, view);
    QImage overlay(view.size, QImage::Format_ARGB32_Premultiplied);
    overlay.fill(Qt::transparent);
    DetailedMap map;
    {
        QPainter painter(&overlay);
        PaintLinework(painter, geography, view, DetailedMapLines());
        paintTownDots(painter, geography.towns);
        painter.drawImage(geography.londonBox.topLeft(), PaintLondonPlan(geography, 1));
        map.unnamedPlaces = letterTheMap(painter, geography, relief, view);
    }
    map.picture = Quantise(ground, overlay, palette);
    const uint8_t ring = palette.indexOf(kPlaceDotRing);
    for (const MapPlace& place : geography.places)
        StampDot(map.picture, pixelOf(place.at), kPlaceDotPixelRadius, palette.placeDotIndex(),
                 ring);
    for (const MapPlace& place : geography.londonPlaces)
        StampDot(map.picture, pixelOf(place.at), kLondonDotPixelRadius, palette.placeDotIndex(),
                 ring);
    map.londonPicture = map.picture.copy(geography.londonBox).convertToFormat(QImage::Format_RGB32);
    return map;
}
