#include "platform/picturecache.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdint>
#include <cstring>

namespace {

// The file: this header, then the rows of 32-bit pixels with nothing between them. The file
// never leaves the machine that wrote it, so the numbers are in its own byte order.
struct PictureFileHeader {
    char magic[8];
    std::uint32_t width;
    std::uint32_t height;
};
constexpr char kMagic[8] = {'F', 'E', 'R', 'N', 'P', 'I', 'C', '1'};
constexpr int kKeyDigits = 16;

PictureFileHeader headerFor(QSize size) {
    PictureFileHeader header{};
    std::memcpy(header.magic, kMagic, sizeof header.magic);
    header.width = static_cast<std::uint32_t>(size.width());
    header.height = static_cast<std::uint32_t>(size.height());
    return header;
}

}  // namespace

PictureCache::PictureCache(const QString& name, QSize size, const QString& key)
    : name_(name), size_(size) {
    const QString caches = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (caches.isEmpty() || size.isEmpty()) return;  // made each time
    folder_ = caches + QStringLiteral("/vantora-fernvales");
    // A new build or installation makes its pictures again: they may differ.
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QByteArray identity =
        key.toUtf8() + '\n' + QByteArray::number(program.lastModified().toMSecsSinceEpoch());
    const QByteArray digest = QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex();
    fileName_ = QStringLiteral("%1-%2x%3-%4.raw")
                    .arg(name)
                    .arg(size.width())
                    .arg(size.height())
                    .arg(QString::fromLatin1(digest.left(kKeyDigits)));
}

QImage PictureCache::picture(const std::function<QImage()>& make) const {
    if (folder_.isEmpty()) return make();
    QImage picture = readBack();
    if (!picture.isNull()) return picture;
    picture = make();
    if (picture.size() != size_) return picture;
    picture = picture.convertToFormat(QImage::Format_RGB32);
    writeOut(picture);
    return picture;
}

// Only a plain file of exactly the expected header and length is taken (opening anything else,
// a pipe say, could wait for ever).
QImage PictureCache::readBack() const {
    const qint64 pixelBytes = qint64(size_.width()) * size_.height() * 4;
    const QFileInfo found(filePath());
    if (!found.isFile() || found.size() != qint64(sizeof(PictureFileHeader)) + pixelBytes)
        return QImage();
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    PictureFileHeader header{};
    const PictureFileHeader expected = headerFor(size_);
    if (file.read(reinterpret_cast<char*>(&header), sizeof header) != qint64(sizeof header) ||
        std::memcmp(&header, &expected, sizeof header) != 0)
        return QImage();
    QImage image(size_, QImage::Format_RGB32);  // rows of 32-bit pixels, nothing between them
    if (image.isNull() || image.sizeInBytes() != pixelBytes ||
        file.read(reinterpret_cast<char*>(image.bits()), pixelBytes) != pixelBytes)
        return QImage();
    return image;
}

void PictureCache::writeOut(const QImage& picture) const {
    if (!QDir().mkpath(folder_)) return;
    // Other builds', sizes' and keys' pictures of this name are not needed again.
    QDir folder(folder_);
    for (const QString& old : folder.entryList({name_ + QStringLiteral("-*")}, QDir::Files))
        if (old != fileName_) folder.remove(old);
    const PictureFileHeader header = headerFor(size_);
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
    file.commit();  // QSaveFile keeps nothing if a write failed
}
