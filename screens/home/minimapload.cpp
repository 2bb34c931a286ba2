#include "screens/home/minimapload.h"

#include <sys/stat.h>

#include <QStringList>
#include <optional>
#include <string>

#include "app/startupstate.h"
#include "content/bitmapscramble.h"
#include "content/minimapseeds.h"
#include "platform/picturecache.h"
#include "screens/home/homelayout.h"
#include "screens/home/minimapcanvas.h"

namespace {

// Everything the reading needs, worked out on the GUI thread: the reader shares nothing else.
struct MiniMapSource {
    std::string path;
    std::string seed;
    QSize size;
    // The stretched map kept from an earlier start, for this very file.
    std::optional<PictureCache> kept;
};

// The file as it is now: any change to it (a new edition, damage) changes its change time.
std::optional<PictureCache> keptFor(const std::string& path, const std::string& seed, QSize size) {
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) return std::nullopt;
    const QStringList identity{
        QString::fromStdString(path),         QString::fromStdString(seed),
        QString::number(file.st_size),        QString::number(file.st_ino),
        QString::number(file.st_mtim.tv_sec), QString::number(file.st_mtim.tv_nsec),
        QString::number(file.st_ctim.tv_sec), QString::number(file.st_ctim.tv_nsec)};
    return PictureCache(QStringLiteral("minimap"), size, identity.join(QLatin1Char('|')));
}

MiniMapSource sourceForThisScreen() {
    const int W = Startup().ScreenWidth;
    const int H = Startup().ScreenHeight;
    const bool small = H == 600;
    MiniMapSource source{DataPath(small ? kSmallMiniMapFile : kLargeMiniMapFile),
                         small ? kSmallMiniMapSeed : kLargeMiniMapSeed,
                         ArrangeHomeLayout(W, H).miniMap.size(), std::nullopt};
    source.kept = keptFor(source.path, source.seed, source.size);
    return source;
}

QImage readAndStretch(const MiniMapSource& source) {
    const QImage bitmap = LoadScrambledBitmap(source.path, source.seed);
    return bitmap.isNull() ? QImage() : MiniMapCanvas::Stretched(bitmap, source.size);
}

QImage readStretched(const MiniMapSource& source) {
    if (!source.kept) return readAndStretch(source);
    return source.kept->picture([&source] { return readAndStretch(source); });
}

}  // namespace

void MiniMapLoad::start() {
    if (!reading_.pending())
        reading_.start([source = sourceForThisScreen()] { return readStretched(source); });
}

QImage MiniMapLoad::take() {
    return reading_.pending() ? reading_.take() : readStretched(sourceForThisScreen());
}
