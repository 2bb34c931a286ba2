// The detailed map's own colours, as QRgb (the comments give them as 0x00BBGGRR too).
#pragma once

#include <QColor>

#include "app/colours.h"

constexpr QRgb kMapBackground = 0xFFAFD8CE;  // 0x00CED8AF, where no tile is
constexpr QRgb kFlashDark = 0xFF000010;      // 0x00100000, the flashing dot's dark phase
constexpr QRgb kGreyedDot = 0xFF7B6830;      // 0x0030687B, a place outside the found set
constexpr QRgb kLondonGrey = 0xFFC0C0C0;     // 0x00C0C0C0, a greyed marker on the inset
constexpr QRgb kMarkerYellow = 0xFFFFFF00;   // 0x0000FFFF, the inset's XOR pen
