// The about and upgrade boxes' picture: a photograph print of a fern by the sea (55 x 70).
#pragma once

#include <QImage>

QImage PaintProgramIcon();
