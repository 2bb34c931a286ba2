#include "tools/mkedition/maps/linework.h"

#include <QPainterPath>
#include <algorithm>

#include "tools/mkedition/maps/mapstyle.h"

using namespace mapstyle;

namespace {

// A river widens from a third of its mouth width at the source; drawn in stretches.
constexpr int kRiverStretches = 12;

QPen pen(QRgb colour, double width) {
    QPen p{QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
    p.setCosmetic(true);
    return p;
}

void paintRiver(QPainter& painter, const MapRiver& river, const LineWidths& widths, QRgb colour) {
    const int n = static_cast<int>(river.path.size());
    for (int stretch = 0; stretch < kRiverStretches; ++stretch) {
        const int first = n * stretch / kRiverStretches;
        const int last = std::min(n - 1, n * (stretch + 1) / kRiverStretches);
        if (last <= first) continue;
        const double along = (stretch + 1.0) / kRiverStretches;
        const double width = river.mouthWidth * (0.35 + 0.65 * along) * widths.riverScale;
        painter.setPen(pen(colour, std::max(widths.river, width)));
        painter.drawPolyline(river.path.data() + first, last - first + 1);
    }
}

void paintRoads(QPainter& painter, const std::vector<QPolygonF>& roads, QRgb casing, QRgb fill,
                double width) {
    painter.setPen(pen(casing, width));
    for (const QPolygonF& road : roads) painter.drawPolyline(road);
    painter.setPen(pen(fill, width * 0.55));
    for (const QPolygonF& road : roads) painter.drawPolyline(road);
}

}  // namespace

LineWidths DetailedMapLines() { return LineWidths{1.1, 1.0, 1.0, 1.6, 3.0}; }

LineWidths MiniMapLines(double unitsPerPixel) {
    return LineWidths{0.9, 0.5, 1.2 / unitsPerPixel, 1.2, 0};
}

void PaintLinework(QPainter& painter, const Geography& geography, const Viewport& view,
                   const LineWidths& widths) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(view.transform());
    const QPainterPath& land = geography.land;
    const QPainterPath& county = geography.countyLand;
    const QPainterPath greyed = land.subtracted(county);

    // Rivers and roads take the county's colours inside it and grey ones outside.
    for (const bool inside : {false, true}) {
        painter.save();
        painter.setClipPath(inside ? county : greyed);
        for (const MapRiver& river : geography.rivers)
            paintRiver(painter, river, widths, inside ? kRiver : kGreyedRiver);
        if (widths.road > 0) {
            if (inside) {
                paintRoads(painter, geography.roads, kRoadCasing, kRoadFill, widths.road);
            } else {
                paintRoads(painter, geography.roads, kGreyedRoadCasing, kGreyedRoadFill,
                           widths.road * 0.8);
            }
        }
        painter.restore();
    }
    painter.setPen(pen(kRiver, std::max(0.6, widths.river * 0.8)));
    painter.setBrush(QColor(kLake));
    for (const QPolygonF& lake : geography.lakes) painter.drawPolygon(lake);

    painter.save();
    painter.setClipPath(land);
    QPen border = pen(kCountyBorder, widths.countyBorder);
    border.setDashPattern({5, 2.5});
    border.setCapStyle(Qt::FlatCap);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(geography.county);
    painter.restore();

    painter.setPen(pen(kCoastLine, widths.coast));
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF& outline : geography.lands) painter.drawPolygon(outline);
    painter.restore();
}
