#include "screens/map/forwarding.h"

#include "app/keypreview.h"
#include "app/shellwindows.h"

namespace {

KeyPreviewScreen* keyScreen(QWidget* window) { return dynamic_cast<KeyPreviewScreen*>(window); }

}  // namespace

bool SlideshowVisible() {
    const QWidget* show = Windows().ZMShowWin.data();
    return show && show->isVisible();
}

void ExploreKeyDown(QKeyEvent* event) {
    if (KeyPreviewScreen* explore = keyScreen(Windows().ZMExplore)) explore->FormKeyDown(event);
}

void ExploreKeyUp(QKeyEvent* event) {
    if (KeyPreviewScreen* explore = keyScreen(Windows().ZMExplore)) explore->FormKeyUp(event);
}

void ExploreMouseDown(QMouseEvent* event) {
    if (Windows().exploreMouseDown) Windows().exploreMouseDown(event);
}

void ScreenKeyDown(QKeyEvent* event) {
    if (!SlideshowVisible()) return ExploreKeyDown(event);
    if (KeyPreviewScreen* show = keyScreen(Windows().ZMShowWin)) show->FormKeyDown(event);
}
