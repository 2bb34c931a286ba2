#include "screens/home/minimapload.h"

#include <string>

#include "app/startupstate.h"
#include "content/bitmapscramble.h"
#include "content/minimapseeds.h"
#include "screens/home/homelayout.h"
#include "screens/home/minimapcanvas.h"

namespace {

QImage readStretched(const std::string& path, const std::string& seed, QSize size) {
    const QImage bitmap = LoadScrambledBitmap(path, seed);
    return bitmap.isNull() ? QImage() : MiniMapCanvas::Stretched(bitmap, size);
}

}  // namespace

MiniMapLoad::~MiniMapLoad() {
    if (reader_.joinable()) reader_.join();
}

void MiniMapLoad::start() {
    if (started_) return;
    started_ = true;
    const int W = Startup().ScreenWidth;
    const int H = Startup().ScreenHeight;
    const bool small = H == 600;
    // Everything the reader needs is copied here: it shares nothing with the windows.
    const std::string path = DataPath(small ? kSmallMiniMapFile : kLargeMiniMapFile);
    const std::string seed = small ? kSmallMiniMapSeed : kLargeMiniMapSeed;
    const QSize size = ArrangeHomeLayout(W, H).miniMap.size();
    reader_ = std::thread([this, path, seed, size] { result_ = readStretched(path, seed, size); });
}

QImage MiniMapLoad::take() {
    start();
    if (reader_.joinable()) reader_.join();
    return std::move(result_);
}
