// The explore screen's button pictures, drawn in code at the size of their button. Disabled
// buttons show them greyed (the style derives that from the same picture).
#pragma once

#include <QIcon>
#include <QSize>

class QPushButton;

enum class Compass { North, South, East, West };

QIcon CompassIcon(Compass direction, QSize size);
QIcon BackIcon(QSize size);
QIcon CoastIcon(bool clockwise, QSize size);
QIcon EyeIcon(bool up, QSize size);
QIcon MapIcon(QSize size);
QIcon NextViewIcon(QSize size);
// Idle: two play triangles; running: a stop square.
QIcon SlideshowIcon(bool running, QSize size);

// The button shows the picture instead of its caption.
void PutPicture(QPushButton* button, const QIcon& icon);
