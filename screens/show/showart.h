// The slideshow window's pictures, drawn in code: its button glyphs and the title column.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

QIcon StopIcon(QSize size);    // a map pin: stop and explore here
QIcon GoBackIcon(QSize size);  // a house: back to the control screen
QIcon MusicIcon(QSize size);   // two quavers
QIcon ExitIcon(QSize size);    // an open door
// A fern frond standing in a gold frame, over the button column.
QImage PaintShowLogo(QSize size);
// The product's name, reading upwards, for the narrow column beside the pictures.
QImage PaintSideTitle(QSize size);
