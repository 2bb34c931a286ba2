// The two pictures of central London that the program holds as resources (mkedition draws them
// from the edition's map source): the London box at 1:1 for the detailed map, and the box
// enlarged for the London inset.
#pragma once

constexpr char kLondonPictureFolder[] = ":/london/";
constexpr char kMiniLonImageFile[] = "MiniLonImage1.png";
constexpr char kLonImageFile[] = "LonImage.png";

// Inset pixels per map unit.
constexpr int kLondonInsetScale = 6;

// The inset's place markers: the grey a marker shows until it is filled, and the offsets from
// a place's inset position of the five points the fill starts from.
constexpr unsigned kLondonMarkerGrey = 0xFFC0C0C0;
constexpr int kLondonFillPoints[5][2] = {{0, 0}, {-8, 0}, {8, 0}, {0, -10}, {0, 10}};
