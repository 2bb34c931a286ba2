#include "tools/mkedition/maps/mapfiles.h"

#include <QBuffer>
#include <QDir>
#include <cmath>

#include "content/londonpictures.h"
#include "content/maptiles.h"
#include "content/minimapseeds.h"
#include "tools/mkedition/bitmapwriter.h"
#include "tools/mkedition/maps/detailedmap.h"
#include "tools/mkedition/maps/geography.h"
#include "tools/mkedition/maps/londonpictures.h"
#include "tools/mkedition/maps/mapparser.h"
#include "tools/mkedition/maps/minimap.h"
#include "tools/mkedition/outputfiles.h"

namespace {

std::vector<uint8_t> pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool writeBitmap(const std::string& path, const QImage& picture, const std::string& seed,
                 std::string& error) {
    if (WriteIfChanged(path, WriteScrambledBitmap(picture, seed))) return true;
    error = "cannot write " + path;
    return false;
}

bool writeTiles(const QImage& map, const std::string& outDir, std::string& error) {
    const int columns = (map.width() + maptiles::kTileWidth - 1) / maptiles::kTileWidth;
    const int rows = (map.height() + maptiles::kTileHeight - 1) / maptiles::kTileHeight;
    const std::string folder = outDir + "/" + maptiles::kFolder;
    if (!QDir().mkpath(QString::fromStdString(folder))) {
        error = "cannot create " + folder;
        return false;
    }
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const std::string name = maptiles::TileName(c, r);
            const QImage tile = map.copy(c * maptiles::kTileWidth, r * maptiles::kTileHeight,
                                         maptiles::kTileWidth, maptiles::kTileHeight);
            if (!writeBitmap(folder + "/" + name, tile, name, error)) return false;
        }
    }
    return true;
}

// A covered place must have its name on the map; the first one without is the error.
bool allNamed(const std::vector<size_t>& unnamed, const std::vector<MapPlace>& places,
              const std::string& sourceDir, const char* picture, std::string& error) {
    if (unnamed.empty()) return true;
    const MapPlace& place = places[unnamed.front()];
    error = sourceDir + "/places.txt: line " + std::to_string(place.line) +
            ": no room for the name '" + place.label.toStdString() + "' on the " + picture;
    return false;
}

bool writeLondonPictures(const Geography& geography, const QImage& mapLondon,
                         const std::string& sourceDir, const std::string& resourceDir,
                         std::string& error) {
    const LondonInset inset = PaintLondonInset(geography);
    if (!allNamed(inset.unnamedPlaces, geography.londonPlaces, sourceDir, "London inset", error))
        return false;
    if (!QDir().mkpath(QString::fromStdString(resourceDir))) {
        error = "cannot create " + resourceDir;
        return false;
    }
    const std::pair<const char*, QImage> pictures[] = {{kMiniLonImageFile, mapLondon},
                                                       {kLonImageFile, inset.picture}};
    for (const auto& [name, picture] : pictures) {
        const std::string path = resourceDir + "/" + name;
        if (!WriteIfChanged(path, pngBytes(picture))) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}

}  // namespace

bool WriteEditionMaps(const EditionSource& edition, const std::string& sourceDir,
                      const std::string& outDir, const std::string& resourceDir,
                      std::string& error) {
    const MapParseOutcome parsed = ParseMapFolder(sourceDir);
    if (!parsed.ok) {
        error = sourceDir + "/" + parsed.error;
        return false;
    }
    if (!parsed.present) return true;
    if (edition.columnCount > maptiles::kMaxColumns * maptiles::kTileWidth ||
        edition.rowCount > maptiles::kMaxRows * maptiles::kTileHeight) {
        error = sourceDir + "/edition.txt: the map is too large for the tile names";
        return false;
    }
    const GeographyOutcome built = BuildGeography(parsed.source, edition);
    if (!built.ok) {
        error = sourceDir + "/" + built.error;
        return false;
    }
    const Geography& geography = built.geography;
    const Relief relief(geography);
    const MapPalette palette;
    const DetailedMap map = PaintDetailedMap(geography, relief, palette);
    if (!allNamed(map.unnamedPlaces, geography.places, sourceDir, "detailed map", error) ||
        !writeTiles(map.picture, outDir, error))
        return false;
    const struct {
        const char* file;
        const char* seed;
        QSize size;
    } minis[] = {
        {kSmallMiniMapFile, kSmallMiniMapSeed, QSize(kSmallMiniMapWidth, kSmallMiniMapHeight)},
        {kLargeMiniMapFile, kLargeMiniMapSeed, QSize(kLargeMiniMapWidth, kLargeMiniMapHeight)}};
    for (const auto& mini : minis) {
        if (!writeBitmap(outDir + "/" + mini.file,
                         PaintMiniMap(geography, relief, palette, mini.size), mini.seed, error))
            return false;
    }
    return resourceDir.empty() ||
           writeLondonPictures(geography, map.londonPicture, sourceDir, resourceDir, error);
}
