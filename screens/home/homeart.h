// The control screen's small pictures, drawn in code.
#pragma once

#include <QImage>
#include <QSize>

// A fingerpost: "go somewhere" beside the Go To page's hint (34 x 75).
QImage PaintStartImage();
// A magnifying glass over a printed page: the Search page's picture (97 x 59).
QImage PaintLookImage();
