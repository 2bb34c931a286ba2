// Colours more than one screen uses, as QRgb (the comments give them as 0x00BBGGRR too).
#pragma once

#include <QColor>

constexpr QRgb kScreenBackdrop = 0xFF002840;  // 0x00402800, a dark blue; text on it is white
constexpr QRgb kDotYellow = 0xFFFFFF80;       // 0x0080FFFF, a place dot

// The program's own look for the controls (app/programstyle.cpp): the pages the controls stand
// on, the brass of the logo's rim for edges that have the focus, the silver of the bars for
// buttons, and the ink of texts and frames on the pages.
constexpr QRgb kPageColour = 0xFFECECEC;
constexpr QRgb kBrass = 0xFFD6B860;
constexpr QRgb kSilverLight = 0xFFF8F8FA;
constexpr QRgb kSilverMid = 0xFFC4C8CE;
constexpr QRgb kSilverDark = 0xFF787C84;
constexpr QRgb kPageInk = 0xFF1A2433;
constexpr QRgb kPageFrame = 0xFF8C96A5;
constexpr QRgb kSelection = 0xFF24507A;
