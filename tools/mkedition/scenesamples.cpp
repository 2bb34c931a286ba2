// scenesamples: paints sample photographs onto one contact sheet, to look at the painter's
// work, and reports how long painting and encoding take.
//   scenesamples SHEET.{png,jpg} [--each DIR] [--seed N] [--year N] [TOPIC...]
// Without topics the sheet shows one of each kind of subject; with topics, twelve pictures of
// those topics.

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/scenes/scenepainter.h"
#include "tools/mkedition/topics.h"

namespace {

struct Sample {
    const char* topics;
    int year;
    bool portrait;
};

constexpr Sample kMix[] = {
    {"coast", 1850, false},          {"coast transport", 1900, false},
    {"coast", 1700, true},           {"castles", 1300, false},
    {"castles coast", 1400, true},   {"worship", 1200, false},
    {"worship", 1850, true},         {"gardens", 1750, false},
    {"mazes", 1700, false},          {"industry", 1880, false},
    {"shops", 1900, false},          {"transport", 1930, false},
    {"old-transport", 1870, true},   {"old-universities", 1500, false},
    {"schools", 1870, true},         {"theatres", 1890, false},
    {"zoos", 1950, false},           {"monuments", 1820, true},
    {"monuments", -2500, false},     {"stately-homes", 1760, false},
    {"landscape", 1900, false},      {"distant-views", 1900, true},
    {"historic-towns", 1600, false}, {"beautiful", 1800, false},
};

TopicBits TopicsOf(const std::string& words) {
    TopicBits bits;
    size_t start = 0;
    while (start < words.size()) {
        size_t end = words.find(' ', start);
        if (end == std::string::npos) end = words.size();
        if (!LookUpTopic(words.substr(start, end - start), bits))
            std::fprintf(stderr, "scenesamples: no topic '%s'\n",
                         words.substr(start, end - start).c_str());
        start = end + 1;
    }
    return bits;
}

int Usage() {
    std::fprintf(
        stderr,
        "usage: scenesamples SHEET.{png,jpg} [--each DIR] [--seed N] [--year N] [TOPIC...]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const QString sheetPath = QString::fromLocal8Bit(argv[1]);
    QString eachDir;
    uint32_t seedBase = 1;
    int year = 1800;
    std::string topics;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--each" && i + 1 < argc)
            eachDir = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--seed" && i + 1 < argc)
            seedBase = static_cast<uint32_t>(std::stoul(argv[++i]));
        else if (arg == "--year" && i + 1 < argc)
            year = std::stoi(argv[++i]);
        else if (arg.rfind("--", 0) == 0)
            return Usage();
        else
            topics += (topics.empty() ? "" : " ") + arg;
    }

    std::vector<SceneRequest> requests;
    if (topics.empty()) {
        uint32_t n = 0;
        for (const Sample& sample : kMix) {
            const TopicBits bits = TopicsOf(sample.topics);
            requests.push_back({sample.portrait, bits.maskA, bits.maskB, sample.year,
                                SceneSeed("Sample", std::to_string(seedBase + n++))});
        }
    } else {
        const TopicBits bits = TopicsOf(topics);
        for (uint32_t n = 0; n < 12; ++n)
            requests.push_back({n % 4 == 3, bits.maskA, bits.maskB, year,
                                SceneSeed("Sample", std::to_string(seedBase + n))});
    }

    const int columns = 6, cellW = 256, cellH = 180, gap = 4;
    const int rows = static_cast<int>((requests.size() + columns - 1) / columns);
    QImage sheet(columns * (cellW + gap) + gap, rows * (cellH + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(40, 40, 40));
    QPainter sheetPainter(&sheet);
    sheetPainter.setRenderHint(QPainter::SmoothPixmapTransform);

    QElapsedTimer timer;
    qint64 paintNs = 0, encodeNs = 0;
    // Processor time of the whole process: Qt may spread an image conversion over threads,
    // and what an edition build costs is the sum.
    std::clock_t processor = 0;
    size_t jpegBytes = 0;
    for (size_t i = 0; i < requests.size(); ++i) {
        const std::clock_t before = std::clock();
        timer.start();
        const QImage picture = PaintScene(requests[i]);
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
        const QSize fit = picture.size().scaled(cellW, cellH, Qt::KeepAspectRatio);
        const int column = static_cast<int>(i % columns), row = static_cast<int>(i / columns);
        const QRect cell(gap + column * (cellW + gap), gap + row * (cellH + gap), cellW, cellH);
        sheetPainter.drawImage(QRect(QPoint(cell.center().x() - fit.width() / 2, cell.top()), fit),
                               picture);
    }
    sheetPainter.end();

    const double count = double(requests.size());
    std::printf("%zu pictures: paint %.1f ms, encode %.1f ms, %.0f KB each on average\n",
                requests.size(), paintNs / count / 1e6, encodeNs / count / 1e6,
                jpegBytes / count / 1024);
    const double processorSeconds = double(processor) / CLOCKS_PER_SEC / count;
    std::printf("processor time %.1f ms a picture; an edition of 345 photographs: about %.1f s\n",
                processorSeconds * 1e3, processorSeconds * 345);

    bool written;
    if (sheetPath.endsWith(".jpg", Qt::CaseInsensitive)) {
        const std::vector<uint8_t> jpeg = EncodeJpeg(sheet, 80);
        QFile file(sheetPath);
        written = !jpeg.empty() && file.open(QIODevice::WriteOnly) &&
                  file.write(reinterpret_cast<const char*>(jpeg.data()), qint64(jpeg.size())) ==
                      qint64(jpeg.size());
    } else {
        written = sheet.save(sheetPath, "PNG");
    }
    if (!written) {
        std::fprintf(stderr, "scenesamples: cannot write %s\n", qPrintable(sheetPath));
        return 1;
    }
    return 0;
}
