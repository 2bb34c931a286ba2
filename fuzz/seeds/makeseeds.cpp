// Writes the fuzz targets' seed corpora: files of the built demo edition, small sound files
// made with mkedition's writers, and damaged ones made the way the tests make them.
//   fern_fuzz_seeds EDITION_DIR OUT_DIR   (OUT_DIR/<target>/ for every target)
#include <QColor>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "content/minimapseeds.h"
#include "fuzz/entries/photographseed.h"
#include "tools/mkedition/bitmapwriter.h"
#include "tools/mkedition/btabimage.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/outputfiles.h"
#include "tools/mkedition/photographs.h"
#include "tools/mkedition/simpleedition.h"
#include "tools/mkedition/tablebuilder.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

class Corpus {
  public:
    Corpus(const fs::path& root, const char* target) : dir_(root / target) {
        fs::create_directories(dir_);
    }
    void add(const std::string& name, const Bytes& bytes) const {
        std::ofstream out(dir_ / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    void add(const std::string& name, const std::string& text) const {
        add(name, Bytes(text.begin(), text.end()));
    }
    // The file and its first half.
    void addWithCut(const std::string& name, const Bytes& bytes) const {
        add(name, bytes);
        add(name + ".cut",
            Bytes(bytes.begin(), bytes.begin() + static_cast<long>(bytes.size() / 2)));
    }

  private:
    fs::path dir_;
};

Bytes readFile(const fs::path& path) {
    Bytes bytes;
    if (!ReadFileBytes(path.string(), bytes))
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
    return bytes;
}

void tableSeeds(const fs::path& edition, const Corpus& corpus) {
    corpus.add("demo.dat", readFile(edition / "BTab.dat"));
    EditionSource source = SimpleEdition(50, 2, 7);
    source.londonBox = MapBox{2342, 3870, 2405, 3915};
    source.places[3].x = 2350;
    source.places[3].y = 3880;
    // A short tour from the northernmost place.
    std::vector<SourcePlace> byY = source.places;
    std::sort(byY.begin(), byY.end(), [](auto& a, auto& b) { return a.y < b.y; });
    for (size_t p = 0; p < byY.size(); p += 5)
        source.coastOrder.push_back(CoastStop{byY[p].name, 0});
    const BuildOutcome built = BuildTables(source);
    if (!built.ok) {
        std::fprintf(stderr, "the small edition does not build: %s\n", built.error.c_str());
        return;
    }
    const BTabImage& sound = built.edition.image;
    corpus.addWithCut("small.dat", WriteBTab(sound));
    // Damage the way the loader's tests do: each of these is refused.
    const auto damaged = [&](const char* name, auto edit) {
        BTabImage image = sound;
        edit(image);
        corpus.add(name, WriteBTab(image));
    };
    damaged("viewcount.dat", [](BTabImage& i) { i.viewCount += 1; });
    damaged("tag.dat", [](BTabImage& i) { i.sectionTags[3][2] = 'X'; });
    damaged("nextgroup.dat", [](BTabImage& i) { i.views[0].NextGroup = 9999; });
    damaged("firstview.dat", [](BTabImage& i) { i.places[1].FirstView = -3; });
    damaged("rowindex.dat", [](BTabImage& i) { i.rowIndex[10] = 31000; });
    damaged("nameindex.dat", [](BTabImage& i) { i.nameIndex[5] = 1; });
    damaged("eastwest.dat", [](BTabImage& i) { std::swap(i.eastWest[0], i.eastWest[1]); });
    damaged("captionstart.dat", [](BTabImage& i) { i.views[2].CaptionStart = 230; });
    damaged("piccode.dat", [](BTabImage& i) { i.views[4].PicCode[1] = '/'; });
}

void photographSeeds(const fs::path& edition, const Corpus& corpus) {
    const auto scrambled = [](Bytes plain, bool portrait) {
        Bytes file = ScramblePhotograph(std::move(plain), kFuzzPhotographSeed);
        file.insert(file.begin(), portrait ? 1 : 0);
        return file;
    };
    // Every fortieth demo photograph, re-scrambled with the target's seed.
    std::vector<fs::path> photos;
    for (const auto& entry : fs::recursive_directory_iterator(edition / "0"))
        if (entry.path().extension() == ".JPG") photos.push_back(entry.path());
    std::sort(photos.begin(), photos.end());
    for (size_t i = 0; i < photos.size(); i += 40) {
        const Bytes plain = ScramblePhotograph(readFile(photos[i]), photos[i].filename().string());
        QImage decoded;
        if (!DecodeJpeg(plain, decoded)) continue;
        corpus.addWithCut("demo-" + photos[i].stem().string(),
                          scrambled(plain, decoded.height() > decoded.width()));
    }
    // Small files: plain colours at low quality, of both shapes and of neither.
    const auto plainJpeg = [](int width, int height, QColor colour, QImage::Format format) {
        QImage image(width, height, format);
        image.fill(colour);
        return EncodeJpeg(image, 10);
    };
    corpus.addWithCut("landscape",
                      scrambled(plainJpeg(768, 512, Qt::darkCyan, QImage::Format_RGB888), false));
    corpus.add("portrait",
               scrambled(plainJpeg(400, 600, Qt::gray, QImage::Format_Grayscale8), true));
    corpus.add("wrongsize", scrambled(plainJpeg(64, 48, Qt::red, QImage::Format_RGB888), false));
    corpus.add("empty", Bytes{0});
}

void putLittleEndian(Bytes& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A tile-sized bitmap in run-length encoding: bands of colour a few kilobytes long, where the
// plain tiles are 130, so that mutations of a tile are quick.
Bytes runLengthTile() {
    Bytes runs;
    for (int y = 0; y < 256; ++y) {
        const auto colour = static_cast<uint8_t>(y / 16);
        for (int left = 512; left > 0; left -= std::min(left, 255))
            runs.insert(runs.end(), {static_cast<uint8_t>(std::min(left, 255)), colour});
        runs.insert(runs.end(), {0, 0});  // end of line
    }
    runs.insert(runs.end(), {0, 1});  // end of bitmap
    constexpr uint32_t kHeaders = 14 + 40 + 256 * 4;
    Bytes file{'B', 'M'};
    putLittleEndian(file, kHeaders + static_cast<uint32_t>(runs.size()), 4);
    putLittleEndian(file, 0, 4);
    putLittleEndian(file, kHeaders, 4);
    for (uint32_t field : {40u, 512u, 256u}) putLittleEndian(file, field, 4);
    putLittleEndian(file, 1, 2);  // planes
    putLittleEndian(file, 8, 2);  // bits per pixel
    putLittleEndian(file, 1, 4);  // run-length encoded, 8 bits
    for (uint32_t field : {static_cast<uint32_t>(runs.size()), 2835u, 2835u, 256u, 0u})
        putLittleEndian(file, field, 4);
    for (uint32_t c = 0; c < 256; ++c) putLittleEndian(file, c * 0x00010203u, 4);
    file.insert(file.end(), runs.begin(), runs.end());
    return file;
}

void bitmapSeeds(const fs::path& edition, const Corpus& corpus) {
    // Demo files are scrambled with other seeds: their pixels read as noise, which is all the
    // same to the reader.
    corpus.add("tile-000.bmp", readFile(edition / "000" / "000.bmp"));
    corpus.add("minimap.bmp", readFile(edition / kSmallMiniMapFile));
    QImage small(24, 16, QImage::Format_Indexed8);
    small.setColorCount(4);
    for (int c = 0; c < 4; ++c) small.setColor(c, qRgb(c * 80, 255 - c * 60, 40));
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x)
            small.setPixel(x, y, static_cast<uint>((x / 3 + y) % 4));
    corpus.addWithCut("small.bmp", WriteScrambledBitmap(small, kSmallMiniMapSeed));
    QImage odd(7, 3, QImage::Format_Indexed8);  // rows padded to four bytes
    odd.setColorCount(256);
    odd.fill(200);
    corpus.add("odd.bmp", WriteScrambledBitmap(odd, kSmallMiniMapSeed));
    corpus.add("tile-rle.bmp", runLengthTile());
}

void midiSeeds(const fs::path& edition, const Corpus& corpus) {
    corpus.addWithCut("jingle.mid", readFile(edition / "000" / "J0.dat"));
    corpus.add("show.mid", readFile(edition / "000" / "J1.dat"));
    // One track: a tempo, a note on, and the note ended in running status.
    // clang-format off
    const Bytes header{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
    const Bytes track{'M', 'T', 'r', 'k', 0, 0, 0, 19,
                      0, 0xFF, 0x51, 3, 0x07, 0xA1, 0x20,
                      0, 0x90, 60, 100,
                      96, 60, 0,
                      0, 0xFF, 0x2F, 0};
    // clang-format on
    Bytes tiny = header;
    tiny.insert(tiny.end(), track.begin(), track.end());
    corpus.add("tiny.mid", tiny);
}

void textSeeds(const fs::path& edition, const Corpus& corpus) {
    corpus.add("demo.txt", readFile(edition / "ExtraText.txt"));
    corpus.add("crlf.txt", std::string("First line\r\nsecond line\r\n"));
    corpus.add("cr.txt", std::string("A\rB\r"));
    corpus.add("nul.txt", std::string("Before\0after\n", 13));
    corpus.add("long.txt", std::string(300, 'x') + "\n");
    corpus.add("newline.txt", std::string("\n"));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fern_fuzz_seeds EDITION_DIR OUT_DIR\n");
        return 2;
    }
    const fs::path edition = argv[1], out = argv[2];
    tableSeeds(edition, Corpus(out, "table"));
    photographSeeds(edition, Corpus(out, "photograph"));
    bitmapSeeds(edition, Corpus(out, "bitmap"));
    midiSeeds(edition, Corpus(out, "midi"));
    textSeeds(edition, Corpus(out, "text"));
    return 0;
}
