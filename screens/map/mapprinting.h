// Printing the part of the map the window shows.
#pragma once

class QImage;

// The client area's image (the window paints it and the printer gets the same), fitted to a
// page. Does nothing when the print dialog is cancelled.
void PrintMapImage(const QImage& client);
