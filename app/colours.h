// Colours more than one screen uses, as QRgb (the comments give them as 0x00BBGGRR too).
#pragma once

#include <QColor>

constexpr QRgb kScreenBackdrop = 0xFF002840;  // 0x00402800, a dark blue; text on it is white
constexpr QRgb kDotYellow = 0xFFFFFF80;       // 0x0080FFFF, a place dot
