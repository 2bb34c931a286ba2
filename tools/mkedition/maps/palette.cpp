#include "tools/mkedition/maps/palette.h"

#include <algorithm>
#include <cstdlib>

#include "content/maptiles.h"
#include "tools/mkedition/maps/landcolours.h"
#include "tools/mkedition/maps/mapstyle.h"

using namespace mapstyle;

namespace {

// The flash fill treats colours within this of the dot's as the dot.
constexpr int kDotTolerance = 15;

bool nearDot(QRgb colour) {
    const QRgb dot = maptiles::kPlaceDotColour;
    return std::abs(qRed(colour) - qRed(dot)) <= kDotTolerance &&
           std::abs(qGreen(colour) - qGreen(dot)) <= kDotTolerance &&
           std::abs(qBlue(colour) - qBlue(dot)) <= kDotTolerance;
}

int distance(QRgb a, QRgb b) {
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return 3 * r * r + 4 * g * g + 2 * bl * bl;
}

// 4 x 4 Bayer thresholds, centred on zero.
constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
constexpr int kDitherAmplitude = 6;

}  // namespace

MapPalette::MapPalette() : cache_(1 << 24, -1) {
    const double levels[] = {0.62, 0.70, 0.77, 0.83, 0.88, 0.92, 0.96, 1.00, 1.04, 1.08};
    for (int i = 0; i < kCountyTintCount; ++i) {
        std::vector<double> heights{kCountyTints[i].height};
        if (i + 1 < kCountyTintCount)
            heights.push_back((heights[0] + kCountyTints[i + 1].height) / 2);
        for (double height : heights) {
            for (double b : levels) add(Brightened(CountyTint(height), b));
        }
    }
    for (int step = 0; step <= 30; ++step) add(Brightened(kGreyedLand, 0.50 + step * 0.02));
    for (int step = 0; step <= 13; ++step) add(SeaTint(kDeepSeaDistance * step * step / 169.0));
    const QRgb lines[] = {kCoastLine,      kRiver,        kGreyedRiver,      kLake,
                          kCountyBorder,   kRoadCasing,   kRoadFill,         kGreyedRoadCasing,
                          kGreyedRoadFill, kPlaceDotRing, kTownDot,          kTownDotRing,
                          kCityGround,     kCityStreet,   kCityStreetCasing, kCityPark,
                          kCityFrame};
    for (QRgb line : lines) add(line);
    // Lines half over the ground they cross.
    for (QRgb line : {kCoastLine, kRiver, kCountyBorder, kRoadCasing, kRoadFill}) {
        add(Mix(line, CountyTint(60), 0.5));
        add(Mix(line, kGreyedLand, 0.5));
    }
    add(Mix(kCoastLine, kShallowSea, 0.5));
    for (QRgb ink : {kPlaceInk, kGreyedInk, kWaterInk, kUplandInk, kDistrictInk}) {
        for (int step = 0; step < 6; ++step) add(Mix(ink, kHalo, step / 6.0));
    }
    add(kHalo);
    placeDot_ = static_cast<uint8_t>(colours_.size());
    colours_.push_back(maptiles::kPlaceDotColour);
}

void MapPalette::add(QRgb colour) {
    colour |= 0xFF000000u;
    if (colours_.size() >= 255 || nearDot(colour) || colours_.contains(colour)) return;
    colours_.push_back(colour);
}

uint8_t MapPalette::nearest(QRgb colour) const {
    int16_t& known = cache_[colour & 0xFFFFFF];
    if (known >= 0) return static_cast<uint8_t>(known);
    int best = 0;
    int bestDistance = distance(colour, colours_[0]);
    for (int i = 1; i < colours_.size(); ++i) {
        if (i == placeDot_) continue;
        const int d = distance(colour, colours_[i]);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    known = static_cast<int16_t>(best);
    return static_cast<uint8_t>(best);
}

uint8_t MapPalette::indexOf(QRgb colour) const {
    return static_cast<uint8_t>(colours_.indexOf(colour | 0xFF000000u));
}

QImage Quantise(const QImage& base, const QImage& overlay, const MapPalette& palette) {
    QImage out(base.size(), QImage::Format_Indexed8);
    out.setColorTable(palette.colours());
    for (int y = 0; y < base.height(); ++y) {
        const auto* ground = reinterpret_cast<const QRgb*>(base.constScanLine(y));
        const auto* ink = reinterpret_cast<const QRgb*>(overlay.constScanLine(y));
        uchar* line = out.scanLine(y);
        for (int x = 0; x < base.width(); ++x) {
            const QRgb over = ink[x];
            const int alpha = qAlpha(over);
            if (alpha == 0) {
                const int offset = (kBayer[y & 3][x & 3] * 2 - 15) * kDitherAmplitude / 15;
                const QRgb g = ground[x];
                line[x] = palette.nearest(qRgb(std::clamp(qRed(g) + offset, 0, 255),
                                               std::clamp(qGreen(g) + offset, 0, 255),
                                               std::clamp(qBlue(g) + offset, 0, 255)));
                continue;
            }
            const QRgb g = ground[x];
            const int keep = 255 - alpha;
            line[x] = palette.nearest(qRgb(qRed(over) + qRed(g) * keep / 255,
                                           qGreen(over) + qGreen(g) * keep / 255,
                                           qBlue(over) + qBlue(g) * keep / 255));
        }
    }
    return out;
}
