// scenesamples: paints sample photographs onto one contact sheet, to look at the painter's
// work, and reports how long painting and encoding take.
//   scenesamples SHEET.{png,jpg} [--each DIR] [--seed N] [--year N] [SCENE WORDS...]
//   scenesamples SHEET.{png,jpg} --views SOURCE_DIR [--count N] [--only WORD] [--seed N]
// Without scene words the sheet shows one of each kind of subject; with them, twelve pictures
// of that scene. With --views it shows views of an edition drawn at random (or every view
// whose scene is WORD), each with its title and caption under it.

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "tools/mkedition/contactsheet.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/scenes/scenepainter.h"
#include "tools/mkedition/scenes/scenerandom.h"
#include "tools/mkedition/sourceparser.h"

namespace {

struct Sample {
    SceneRequest request;
    QString title, caption;
};

// One of each painter, in both orientations now and then.
constexpr const char* kMix[] = {"lighthouse",  "cliffs",          "harbour",    "beach",
                                "cove",        "seals",           "sheep",      "castle",
                                "castle-ruin", "church",          "abbey-ruin", "cathedral",
                                "mansion",     "garden",          "maze",       "mill",
                                "mine",        "market",          "viaduct",    "station",
                                "college",     "theatre",         "zoo",        "obelisk",
                                "statue",      "standing-stones", "fields",     "moor",
                                "street",      "bridge",          "lake",       "hall",
                                "inn",         "clock-tower",     "quarry",     "golf-links",
                                "lane",        "gallery",         "crypt",      "forge"};

SceneLine SceneOf(const std::string& words) {
    SceneLine scene;
    std::string error;
    if (!ParseSceneWords(words, scene, error))
        std::fprintf(stderr, "scenesamples: %s\n", error.c_str());
    return scene;
}

std::vector<Sample> EditionViews(const std::string& folder, int count, const std::string& only,
                                 uint32_t seed) {
    const ParseOutcome parsed = ParseEditionFolder(folder);
    if (!parsed.ok) {
        std::fprintf(stderr, "scenesamples: %s/%s\n", folder.c_str(), parsed.error.c_str());
        return {};
    }
    std::vector<Sample> all;
    for (const SourcePlace& place : parsed.source.places)
        for (const SourceView& view : place.views) {
            if (!only.empty() && view.scene.word != only) continue;
            const std::string town = place.name.substr(0, place.name.find(','));
            all.push_back(
                {{view.portrait, view.scene, view.year, SceneSeed(place.name, view.title)},
                 QString::fromLatin1(town + ": " + view.title),
                 QString::fromLatin1(view.caption)});
        }
    if (!only.empty()) return all;
    // A fair draw without repeats: shuffle, then take the first count.
    SceneRandom random(seed);
    for (size_t i = all.size(); i > 1; --i) std::swap(all[i - 1], all[random.Next() % i]);
    if (all.size() > size_t(count)) all.resize(size_t(count));
    return all;
}

int Usage() {
    std::fprintf(stderr,
                 "usage: scenesamples SHEET.{png,jpg} [--each DIR] [--seed N] [--year N] "
                 "[SCENE WORDS...]\n"
                 "       scenesamples SHEET.{png,jpg} --views SOURCE_DIR [--count N] "
                 "[--only WORD] [--seed N]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // The captions need Qt's fonts, and they need an application (but no screen).
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 2) return Usage();
    const QString sheetPath = QString::fromLocal8Bit(argv[1]);
    QString eachDir;
    uint32_t seedBase = 1;
    int year = 1800, count = 40;
    std::string words, viewsFolder, only;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--each" && hasValue)
            eachDir = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--seed" && hasValue)
            seedBase = static_cast<uint32_t>(std::stoul(argv[++i]));
        else if (arg == "--year" && hasValue)
            year = std::stoi(argv[++i]);
        else if (arg == "--views" && hasValue)
            viewsFolder = argv[++i];
        else if (arg == "--count" && hasValue)
            count = std::max(1, std::stoi(argv[++i]));
        else if (arg == "--only" && hasValue)
            only = argv[++i];
        else if (arg.rfind("--", 0) == 0)
            return Usage();
        else
            words += (words.empty() ? "" : " ") + arg;
    }

    std::vector<Sample> samples;
    if (!viewsFolder.empty()) {
        samples = EditionViews(viewsFolder, count, only, seedBase);
    } else if (words.empty()) {
        uint32_t n = 0;
        for (const char* word : kMix) {
            samples.push_back({{n % 7 == 6, SceneOf(word), year,
                                SceneSeed("Sample", std::to_string(seedBase + n))},
                               QString::fromLatin1(word),
                               {}});
            ++n;
        }
    } else {
        const SceneLine scene = SceneOf(words);
        for (uint32_t n = 0; n < 12; ++n)
            samples.push_back(
                {{n % 4 == 3, scene, year, SceneSeed("Sample", std::to_string(seedBase + n))},
                 {},
                 {}});
    }
    if (samples.empty()) return 1;

    const bool captions = !viewsFolder.empty();
    ContactSheet sheet(static_cast<int>(samples.size()), captions ? 5 : 6, captions ? 270 : 256,
                       captions ? 5 : 0);
    QElapsedTimer timer;
    qint64 paintNs = 0, encodeNs = 0;
    // Processor time of the whole process: Qt may spread an image conversion over threads,
    // and what an edition build costs is the sum.
    std::clock_t processor = 0;
    size_t jpegBytes = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        const std::clock_t before = std::clock();
        timer.start();
        const QImage picture = PaintScene(samples[i].request);
        paintNs += timer.nsecsElapsed();
        timer.start();
        const std::vector<uint8_t> jpeg = EncodeJpeg(picture);
        encodeNs += timer.nsecsElapsed();
        processor += std::clock() - before;
        jpegBytes += jpeg.size();
        if (!eachDir.isEmpty()) {
            QFile file(QString("%1/sample%2.jpg").arg(eachDir).arg(i, 2, 10, QChar('0')));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(reinterpret_cast<const char*>(jpeg.data()), qint64(jpeg.size())) !=
                    qint64(jpeg.size()))
                std::fprintf(stderr, "scenesamples: cannot write %s\n",
                             qPrintable(file.fileName()));
        }
        sheet.Place(static_cast<int>(i), picture, samples[i].title, samples[i].caption);
    }

    const double n = double(samples.size());
    std::printf("%zu pictures: paint %.1f ms, encode %.1f ms, %.0f KB each on average\n",
                samples.size(), paintNs / n / 1e6, encodeNs / n / 1e6, jpegBytes / n / 1024);
    const double processorSeconds = double(processor) / CLOCKS_PER_SEC / n;
    std::printf("processor time %.1f ms a picture; an edition of 345 photographs: about %.1f s\n",
                processorSeconds * 1e3, processorSeconds * 345);
    if (!sheet.Save(sheetPath)) {
        std::fprintf(stderr, "scenesamples: cannot write %s\n", qPrintable(sheetPath));
        return 1;
    }
    return 0;
}
