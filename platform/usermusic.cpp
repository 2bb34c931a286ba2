#include "platform/usermusic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/midifile.h"

std::string UserMusicPath() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return (dir + QStringLiteral("/UserMusic.mid")).toStdString();
}

bool UserMusicExists() { return QFileInfo(QString::fromStdString(UserMusicPath())).isFile(); }

MusicCopyResult CopyUserMusic(const std::string& source, const std::string& destination) {
    QFile in(QString::fromStdString(source));
    if (!in.open(QIODevice::ReadOnly)) return MusicCopyResult::Failed;
    // One byte over the reader's limit is enough for it to refuse an oversized file.
    const QByteArray bytes = in.read(static_cast<qint64>(midilimits::kMaxFileBytes) + 1);
    if (!ParseMidiFile(reinterpret_cast<const uint8_t*>(bytes.constData()),
                       static_cast<size_t>(bytes.size()))
             .ok)
        return MusicCopyResult::NotMidi;

    const QString target = QString::fromStdString(destination);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return MusicCopyResult::Failed;
    out.write(bytes);  // a failed write makes the commit fail
    return out.commit() ? MusicCopyResult::Copied : MusicCopyResult::Failed;
}
