// Button pictures drawn in code, shared by the screens.
#pragma once

#include <QColor>
#include <QIcon>
#include <QSize>
#include <functional>

class QPainter;

inline const QColor kButtonInk(24, 52, 92);
inline const QColor kButtonAccent(196, 60, 40);

// A transparent square picture of the button's smaller side, less a margin; draw paints it,
// given the painter and the side.
QIcon DrawnIcon(QSize buttonSize, const std::function<void(QPainter&, double)>& draw);

// The red cross of the Exit buttons.
QIcon CloseIcon(QSize size);
