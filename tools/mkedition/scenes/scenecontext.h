// What every part of a picture is painted with: the canvas, its size, the light and the
// random stream of this one picture.
#pragma once

#include <QImage>
#include <QPainter>

#include "tools/mkedition/scenes/mood.h"
#include "tools/mkedition/scenes/scenerandom.h"

struct SceneContext {
    QImage& image;
    QPainter& painter;
    double w;  // canvas size in pixels
    double h;
    double u;  // one unit of length: 1 pixel at 768 x 512, scaled with the picture's area
    Mood mood;
    SceneRandom random;
    int year;
    bool coastal;         // the sea may stand in for hills behind the subject
    double horizonY = 0;  // eye level on the canvas, set by the subject's painter

    bool Portrait() const { return h > w; }
    // An upright picture is narrower: a narrower lens keeps the subject filling it.
    double FieldOfView(double landscape) const { return Portrait() ? landscape * 0.7 : landscape; }
};
