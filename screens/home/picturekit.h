// The drawing style the control screen's page pictures share: a framed vignette with a sky,
// the land, and flat-coloured subjects outlined in one dark ink, drawn on a logical canvas
// that is scaled to the picture's size.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <initializer_list>

namespace picturekit {

// Times of day for the sky.
enum class Sky { Day, Evening, Night, Dawn };

// A picture under way: a painter whose coordinates run 0..width by 0..height of the logical
// canvas, whatever the image's size.
class Sketch {
  public:
    Sketch(QSize imageSize, QSizeF logical, Sky sky);
    ~Sketch();
    QImage finish();

    QPainter& painter() { return painter_; }
    double width() const { return logical_.width(); }
    double height() const { return logical_.height(); }

    // The ground from the horizon down, and soft hills on it.
    void ground(double horizon, QColor colour);
    void hill(double left, double right, double top, double base, QColor colour);
    void sea(double top, double bottom);
    void sun(QPointF centre, double radius, QColor colour);
    void cloud(QPointF centre, double size);

    // Filled and outlined in the ink.
    void shape(const QPolygonF& outline, QColor fill);
    void shape(std::initializer_list<QPointF> outline, QColor fill);
    void box(QRectF r, QColor fill);
    void roundBox(QRectF r, double radius, QColor fill);
    void disc(QPointF centre, double rx, double ry, QColor fill);
    void line(QPointF from, QPointF to, double width, QColor colour);
    // A window: a pane of sky with a dark frame.
    void window(QRectF r, bool arched = false);
    // Battlements along a top edge, teeth of the given width.
    void battlements(double left, double right, double top, double tooth, QColor fill);
    void tree(QPointF foot, double size, QColor leaves);
    void figure(QPointF foot, double size, QColor clothes);
    void flag(QPointF poleTop, double size, QColor colour);
    void smoke(QPointF from, double size);

  private:
    QImage image_;
    QPainter painter_;
    QSizeF logical_;
    QPen ink_;
};

// Subjects more than one picture shows.
// A gabled house front: walls, roof, a door and two windows.
void House(Sketch& s, QRectF walls, QColor wall, QColor roof);
// A row of columns under a pediment, standing on its base line.
void Portico(Sketch& s, double left, double right, double top, double base, int columns,
             QColor stone);
// A steam locomotive facing left, its wheels on the rail at the given height.
void SteamEngine(Sketch& s, double x, double rail, double scale, QColor body);

// Shared colours.
extern const QColor kStone;
extern const QColor kDarkStone;
extern const QColor kBrick;
extern const QColor kRoof;
extern const QColor kGrass;
extern const QColor kDarkGrass;
extern const QColor kWood;
extern const QColor kGold;
extern const QColor kRed;
extern const QColor kBlue;
extern const QColor kWhite;
extern const QColor kBlack;

}  // namespace picturekit
