// The detailed map, its key and the London inset take no input of their own: keys and mouse
// presses go on to the explore screen, or to the slideshow window while it is showing.
#pragma once

class QKeyEvent;
class QMouseEvent;

bool SlideshowVisible();

void ExploreKeyDown(QKeyEvent* event);
void ExploreKeyUp(QKeyEvent* event);
void ExploreMouseDown(QMouseEvent* event);
// The slideshow window's handler while it shows, else the explore screen's.
void ScreenKeyDown(QKeyEvent* event);
