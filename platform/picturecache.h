// A picture worked out at an earlier start and kept in the user's cache folder, read back
// instead of being made again. One file for each picture name, size and key, holding the bare
// pixels behind a short header so that reading it back is a single read; a missing, damaged or
// stale file is made afresh and written again, and other files of the same name are removed.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class PictureCache {
  public:
    // `key` names what the picture depends on besides its size and this build of the program.
    // Made on the GUI thread: it asks the application for its path.
    PictureCache(const QString& name, QSize size, const QString& key);

    // Read back, or made and written; a picture `make` fails to make (null, or of another size)
    // is handed on and not kept. Safe on any thread.
    QImage picture(const std::function<QImage()>& make) const;
    QString filePath() const { return folder_ + QLatin1Char('/') + fileName_; }

  private:
    QImage readBack() const;
    void writeOut(const QImage& picture) const;

    QString name_;
    QSize size_;
    QString folder_;  // empty when there is nowhere to keep it
    QString fileName_;
};
