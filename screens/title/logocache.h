// The title's logo as painted at an earlier start: painting it loads two faces, which takes
// far longer than reading the picture back. One file in the user's cache folder for this
// program file and window size; a missing, damaged or stale file is painted afresh and
// written again.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class LogoCache {
  public:
    // Works out the file (on the GUI thread: it asks the application for its path).
    explicit LogoCache(QSize size);

    // Read back, or painted and written; safe on any thread.
    QImage logo() const;
    QString filePath() const { return folder_ + QLatin1Char('/') + fileName_; }

  private:
    QSize size_;
    QString folder_;  // empty when there is nowhere to keep it
    QString fileName_;
};
