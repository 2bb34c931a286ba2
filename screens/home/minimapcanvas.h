// The mini map as drawn: the country bitmap stretched to the control, with place dots and the
// ring of a typed place drawn over it. Restoring repaints it from the kept stretched bitmap.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include "app/colours.h"

constexpr QRgb kDotGreen = 0xFF008000;  // 0x00008000
// The ring round each marked place, and its width.
constexpr QRgb kMarkRingColour = 0xFF3A2A10;
constexpr int kMarkRing = 1;

class MiniMapCanvas {
  public:
    // The country bitmap stretched smoothly to the control's size.
    static QImage Stretched(const QImage& bitmap, QSize mapSize);
    // screenSize: the screen the place positions are converted for; mapSize: the control. A
    // bitmap already stretched to it is kept as it is.
    void setUp(const QImage& bitmap, QSize screenSize, QSize mapSize);
    void release();
    bool isSetUp() const { return !canvas_.isNull(); }

    void restore();
    // A filled circle of the given diameter centred on the place's mini-map pixel.
    void drawPlaceDot(int place, int diameter, QRgb colour);
    // Every place, light yellow in a dark ring, as the mark-all box shows them.
    void markAllPlaces();
    // The green ring with a yellow middle round a typed place.
    void drawRing(int place);

    const QImage& image() const { return canvas_; }
    int dotDiameter() const { return screen_.height() * 2 / 600; }
    QPoint placePixel(int place) const;

  private:
    QImage bitmap_;
    QImage canvas_;
    QSize screen_;
};
