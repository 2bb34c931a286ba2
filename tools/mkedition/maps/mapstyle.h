// How the maps look: the inks, the land and sea tints, the line widths and the lettering.
// Every colour the maps use is one of these or lies between them, so the palette can be
// designed from this file alone.
#pragma once

#include <QRgb>

namespace mapstyle {

// Land, by height in metres: lowland green up to heather moor.
struct Tint {
    double height;
    QRgb colour;
};
constexpr Tint kCountyTints[] = {{0, qRgb(190, 218, 160)},   {60, qRgb(204, 226, 168)},
                                 {140, qRgb(226, 230, 176)}, {240, qRgb(232, 216, 172)},
                                 {340, qRgb(214, 192, 158)}, {460, qRgb(196, 172, 160)},
                                 {600, qRgb(184, 160, 160)}};
constexpr int kCountyTintCount = sizeof kCountyTints / sizeof kCountyTints[0];
// Verdanis outside the county: a warm grey that darkens a little with height.
constexpr QRgb kGreyedLand = qRgb(230, 228, 222);
constexpr double kGreyedDarkeningPerMetre = 0.03;
// Outside the county the relief is shown more softly, as everything else there is.
constexpr double kGreyedShadeShare = 0.6;

// The sea: pale along the shore, deeper blue offshore (distance in map units).
constexpr QRgb kShallowSea = qRgb(204, 228, 242);
constexpr QRgb kDeepSea = qRgb(150, 192, 224);
constexpr double kDeepSeaDistance = 260;

// Hillshade: how strongly slopes lighten and darken the tints.
constexpr double kShadeStrength = 0.85;
constexpr double kDarkestShade = 0.70;
constexpr double kLightestShade = 1.08;

constexpr QRgb kCoastLine = qRgb(84, 130, 172);
constexpr QRgb kRiver = qRgb(96, 156, 210);
constexpr QRgb kGreyedRiver = qRgb(146, 172, 196);
constexpr QRgb kLake = qRgb(176, 212, 238);
constexpr QRgb kCountyBorder = qRgb(150, 58, 120);
constexpr QRgb kRoadCasing = qRgb(150, 52, 36);
constexpr QRgb kRoadFill = qRgb(238, 128, 74);
constexpr QRgb kGreyedRoadCasing = qRgb(150, 148, 144);
constexpr QRgb kGreyedRoadFill = qRgb(252, 251, 248);

// Lettering.
constexpr char kSansFamily[] = "DejaVu Sans";
constexpr char kSerifFamily[] = "DejaVu Serif";
constexpr QRgb kPlaceInk = qRgb(28, 26, 24);
constexpr QRgb kGreyedInk = qRgb(112, 110, 106);
constexpr QRgb kHalo = qRgb(252, 251, 246);
constexpr QRgb kWaterInk = qRgb(44, 96, 150);
constexpr QRgb kUplandInk = qRgb(120, 84, 58);
constexpr QRgb kDistrictInk = qRgb(136, 62, 108);

// Dots: the covered places' (exactly the place dot colour, ringed) and the greyed towns'.
constexpr QRgb kPlaceDotRing = qRgb(118, 42, 22);
constexpr QRgb kTownDot = qRgb(150, 148, 144);
constexpr QRgb kTownDotRing = qRgb(96, 94, 90);

// Central London.
constexpr QRgb kCityGround = qRgb(238, 226, 208);
constexpr QRgb kCityStreet = qRgb(255, 255, 255);
constexpr QRgb kCityStreetCasing = qRgb(196, 176, 152);
constexpr QRgb kCityPark = qRgb(178, 212, 150);
constexpr QRgb kCityFrame = qRgb(90, 80, 70);

}  // namespace mapstyle
