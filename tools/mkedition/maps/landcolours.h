// The colours of the ground: the tint for a height, in the county and outside it, the sea's
// for a distance from the shore, and the hillshade applied to a tint. The renderer paints with
// them and the palette is built from them.
#pragma once

#include <QRgb>

QRgb CountyTint(double height);
QRgb GreyedTint(double height);
QRgb SeaTint(double distanceFromShore);

// A relief shade (1 on level ground) as a brightness factor within the style's bounds.
double Brightness(double shade);
// Darkens below 1, lightens towards white above.
QRgb Brightened(QRgb colour, double brightness);

QRgb Mix(QRgb from, QRgb to, double t);
