// The control screen's small pictures, drawn in code.
#pragma once

#include <QImage>
#include <QSize>

// A fingerpost: "go somewhere" beside the Go To page's hint (34 x 75).
QImage PaintStartImage();
// The logo button: a fern frond in a medallion (68 x 36).
QImage PaintIconImage();
// A magnifying glass over a printed page: the Search page's picture (97 x 59).
QImage PaintLookImage();
