// The two pictures of the London box (map x 2342..2405, y 3870..3915): the detailed map's small
// picture, drawn over the tiles in found-set mode, and the London inset's picture, six times
// larger. The map's flash drives the marker on the inset, so both live with the map; the inset
// window shows its picture.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

constexpr QRect kLondonBox(2342, 3870, 64, 46);
constexpr int kLondonInsetScale = 6;
constexpr QSize kLonImageSize(384, 276);

// Where the pictures are compiled into the program.
extern const char kMiniLonImageResource[];  // ":/london/MiniLonImage1.png"
extern const char kLonImageResource[];      // ":/london/LonImage.png"

// The picture at path as a 32-bit canvas, or a null image when it is missing or not `size`.
QImage LoadLondonPicture(const QString& path, QSize size);

// A point of the inset's picture as a map position.
QPoint InsetToMap(QPoint inset);

class LondonPictures {
  public:
    // The compiled-in pictures; a plain one drawn from the London places stands in for a
    // missing one. Needs the content tables.
    void load();
    bool loaded() const { return !LonImage.isNull(); }

    // MiniLonImage2 restored from MiniLonImage1; on the inset every London place's marker is
    // yellow, or grey in found-set mode for a place outside the set, whose dot on the small
    // picture is then greyed too.
    void colourPlaces(bool foundSetMode);

    // The flashing marker of a place on the inset, drawn in XOR over the picture. It remembers
    // where it is drawn, so showing and hiding always pair up. Each returns the rectangle changed.
    QRect showMarker(int place);
    QRect hideMarker();
    int markedPlace() const { return markedPlace_; }

    const QImage& miniLonImage2() const { return MiniLonImage2; }
    const QImage& lonImage() const { return LonImage; }

  private:
    QRect drawMarker(int place);

    QImage MiniLonImage1;
    QImage MiniLonImage2;
    QImage LonImage;
    int markedPlace_ = -1;
};
