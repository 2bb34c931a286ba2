#include "screens/title/logocache.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QStandardPaths>

#include "screens/common/shellart.h"

namespace {

QImage readBack(const QString& path, QSize size) {
    QImageReader reader(path, "png");
    // The size is checked before anything is decoded.
    if (reader.size() != size) return QImage();
    QImage image;
    if (!reader.read(&image) || image.size() != size) return QImage();
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

LogoCache::LogoCache(QSize size) : size_(size) {
    const QString caches = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (caches.isEmpty()) return;  // painted each time
    folder_ = caches + QStringLiteral("/vantora-fernvales");
    // A new build or installation paints again: its logo may differ.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    fileName_ = QStringLiteral("logo-%1x%2-%3.png")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(program.lastModified().toMSecsSinceEpoch());
}

QImage LogoCache::logo() const {
    if (folder_.isEmpty()) return PaintLogo(size_);
    QImage logo = readBack(filePath(), size_);
    if (!logo.isNull()) return logo;
    logo = PaintLogo(size_);
    if (!QDir().mkpath(folder_)) return logo;
    // Other builds' and sizes' pictures are not needed again.
    QDir folder(folder_);
    for (const QString& old : folder.entryList({QStringLiteral("logo-*.png")}, QDir::Files))
        if (old != fileName_) folder.remove(old);
    QSaveFile file(filePath());
    if (file.open(QIODevice::WriteOnly) && logo.save(&file, "png")) file.commit();
    return logo;
}
