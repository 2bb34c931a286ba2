// Pictures the shell and every screen share, drawn in code at any size.
#pragma once

#include <QImage>
#include <QSize>

// The product's logo: a coastal landscape under the title.
QImage PaintLogo(QSize size);
// A silver rail across the backdrop, as trim between the screen's parts.
QImage PaintSilverBar(QSize size);
// The logo button of the control and explore screens: a fern frond in a medallion (68 x 36).
QImage PaintIconImage();
