// The Slideshow page's four panel pictures, drawn in code in one style: a small island in a
// blue sea, with what each show visits on it. A disabled panel's picture is drawn faded.
#pragma once

#include <QImage>
#include <QSize>

QImage PaintShowPanelPicture(int index, QSize size, bool enabled);
