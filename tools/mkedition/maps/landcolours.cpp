#include "tools/mkedition/maps/landcolours.h"

#include <algorithm>
#include <cmath>

#include "tools/mkedition/maps/mapstyle.h"

using namespace mapstyle;

QRgb Mix(QRgb from, QRgb to, double t) {
    auto channel = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return qRgb(channel(qRed(from), qRed(to)), channel(qGreen(from), qGreen(to)),
                channel(qBlue(from), qBlue(to)));
}

QRgb CountyTint(double height) {
    if (height <= kCountyTints[0].height) return kCountyTints[0].colour;
    for (int i = 1; i < kCountyTintCount; ++i) {
        const Tint& above = kCountyTints[i];
        if (height <= above.height) {
            const Tint& below = kCountyTints[i - 1];
            return Mix(below.colour, above.colour,
                       (height - below.height) / (above.height - below.height));
        }
    }
    return kCountyTints[kCountyTintCount - 1].colour;
}

QRgb GreyedTint(double height) {
    return Brightened(kGreyedLand, 1 - std::min(height, 900.0) * kGreyedDarkeningPerMetre / 100);
}

QRgb SeaTint(double distanceFromShore) {
    const double t = std::clamp(distanceFromShore / kDeepSeaDistance, 0.0, 1.0);
    return Mix(kShallowSea, kDeepSea, std::sqrt(t));
}

double Brightness(double shade) {
    return std::clamp(1 + (shade - 1) * kShadeStrength, kDarkestShade, kLightestShade);
}

QRgb Brightened(QRgb colour, double brightness) {
    if (brightness <= 1) return Mix(qRgb(0, 0, 0), colour, brightness);
    return Mix(colour, qRgb(255, 255, 255), (brightness - 1) * 2.5);
}
