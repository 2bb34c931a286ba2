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

    int form = -1;  // the form the scene's subject word asks for; -1: the painter's choice

    bool Portrait() const { return h > w; }
    // The form asked for, else the painter's own choice.
    int FormOr(int chosen) const { return form >= 0 ? form : chosen; }
    // An upright picture is narrower: a narrower lens keeps the subject filling it.
    double FieldOfView(double landscape) const { return Portrait() ? landscape * 0.7 : landscape; }
};
