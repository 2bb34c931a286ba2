#include "tests/support/editions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <fstream>

#include "content/contentloader.h"
#include "content/datatables.h"
#include "tests/support/recordinghost.h"

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
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
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
