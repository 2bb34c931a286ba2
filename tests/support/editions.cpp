#include "tests/support/editions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <fstream>
#include <random>

#include "content/contentloader.h"
#include "content/datatables.h"
#include "tests/support/recordinghost.h"

EditionSource SimpleEdition(int places, int viewsPerPlace, uint32_t seed) {
    EditionSource source;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> xs(0, source.columnCount - 1);
    std::uniform_int_distribution<int> ys(40, 4839);
    for (int p = 0; p < places; ++p) {
        SourcePlace place;
        // Two letters from the index, so name order and y order differ.
        place.name = std::string{static_cast<char>('A' + (p * 7) % 26),
                                 static_cast<char>('a' + (p / 26) % 26)} +
                     "place " + std::to_string(p) + ", Testshire";
        place.x = xs(random);
        place.y = ys(random);
        place.line = p + 1;
        for (int v = 0; v < viewsPerPlace; ++v) {
            SourceView view;
            view.title = "View " + std::to_string(v + 1);
            view.caption = "Caption of view " + std::to_string(v + 1) + " at place " +
                           std::to_string(p) + ".";
            view.year = 1500 + (p * 13 + v * 7) % 500;
            view.line = p + 1;
            place.views.push_back(view);
        }
        source.places.push_back(place);
    }
    return source;
}

BuiltEdition Build(const EditionSource& source) {
    BuildOutcome outcome = BuildTables(source);
    EXPECT_TRUE(outcome.ok) << outcome.error;
    return outcome.edition;
}

DataDirectory::DataDirectory() { EXPECT_TRUE(dir_.isValid()); }

std::string DataDirectory::path() const { return dir_.path().toStdString() + "/"; }

void DataDirectory::write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const QString file = QString::fromStdString(path() + name);
    QDir().mkpath(QFileInfo(file).path());
    std::ofstream out(path() + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void DataDirectory::write(const std::string& name, const std::string& text) const {
    write(name, std::vector<uint8_t>(text.begin(), text.end()));
}

bool LoadImage(const BTabImage& image) {
    DataDirectory dir;
    dir.writeTable(image);
    RecordingHost host;
    LoadContent(dir.path());
    return host.errors.empty() && Content().loaded();
}
