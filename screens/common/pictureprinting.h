// Printing a picture of the screen (a view, the map) on the shared printer: fitted to the
// page, sent in strips, with anything the caller prints over it.
#pragma once

#include <QRect>
#include <functional>

class QImage;
class QPainter;

// Runs the print dialog and checks that the printer takes bitmaps (saying so when it does
// not): true when printing can go ahead.
bool ReadyToPrintPicture();

// Printed over the picture once every strip has gone out; target is where the picture lies.
using PictureOverlay = std::function<void(QPainter& painter, const QRect& target)>;

// One document titled jobTitle. A strip that fails ends the job and its error code is reported.
// Returns that code, 0 when all went out.
int PrintPicture(const QImage& picture, const char* jobTitle,
                 const PictureOverlay& overlay = nullptr);
