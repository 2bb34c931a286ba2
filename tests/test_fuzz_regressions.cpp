// Inputs the fuzzers found faults with, kept after the fault was mended: each must now be
// refused cleanly or read into something the program can use.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "fuzz/entries/fuzzentries.h"

namespace {

QStringList keptInputs(const char* target) {
    const QDir dir(QString(FERN_FUZZ_REGRESSIONS) + target);
    QStringList paths;
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) paths << dir.filePath(name);
    return paths;
}

}  // namespace

TEST(FuzzRegressions, EveryKeptInputIsHandled) {
    int replayed = 0;
    for (const FuzzEntry& entry : kFuzzEntries) {
        for (const QString& path : keptInputs(entry.name)) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            const QByteArray bytes = file.readAll();
            EXPECT_TRUE(entry.run(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                  static_cast<size_t>(bytes.size())))
                << path.toStdString();
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0);
}
