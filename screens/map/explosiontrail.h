// The slideshow's explosion drawn on the map's canvas: each frame a dotted rectangle that the
// next step erases, and white lines from the previous frame's corners that stay as a trail.
#pragma once

#include <QRect>

class QImage;

// Draws frame over the canvas, moving on from previous (empty for the first frame).
void PaintExplosionStep(QImage& canvas, const QRect& previous, const QRect& frame);
