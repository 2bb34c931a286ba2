// The control screen's small pictures, drawn in code.
#pragma once

#include <QImage>
#include <QSize>

// A fingerpost: "go somewhere" beside the Go To page's hint (34 x 75).
QImage PaintStartImage();
// The logo button: a fern frond in a medallion (68 x 36).
QImage PaintIconImage();
