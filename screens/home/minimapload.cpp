#include "screens/home/minimapload.h"

#include <string>

#include "app/startupstate.h"
#include "content/bitmapscramble.h"
#include "content/minimapseeds.h"
#include "screens/home/homelayout.h"
#include "screens/home/minimapcanvas.h"

namespace {

// Everything the reading needs, worked out on the GUI thread: the reader shares nothing else.
struct MiniMapSource {
    std::string path;
    std::string seed;
    QSize size;
};

MiniMapSource sourceForThisScreen() {
    const int W = Startup().ScreenWidth;
    const int H = Startup().ScreenHeight;
    const bool small = H == 600;
    return {DataPath(small ? kSmallMiniMapFile : kLargeMiniMapFile),
            small ? kSmallMiniMapSeed : kLargeMiniMapSeed, ArrangeHomeLayout(W, H).miniMap.size()};
}

QImage readStretched(const MiniMapSource& source) {
    const QImage bitmap = LoadScrambledBitmap(source.path, source.seed);
    return bitmap.isNull() ? QImage() : MiniMapCanvas::Stretched(bitmap, source.size);
}

}  // namespace

void MiniMapLoad::start() {
    if (!reading_.pending())
        reading_.start([source = sourceForThisScreen()] { return readStretched(source); });
}

QImage MiniMapLoad::take() {
    return reading_.pending() ? reading_.take() : readStretched(sourceForThisScreen());
}
