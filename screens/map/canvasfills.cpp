#include "screens/map/canvasfills.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr int kFlashDepthLimit = 200;
constexpr int kFlashTolerance = 15;
constexpr QRgb kRgbMask = 0x00FFFFFF;

bool isCanvas(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32;
}

QRgb& pixelAt(QImage& canvas, int x, int y) {
    return reinterpret_cast<QRgb*>(canvas.scanLine(y))[x];
}

class FlashFiller {
  public:
    FlashFiller(QImage& canvas, QRgb from, QRgb to) : canvas_(canvas), from_(from), to_(to) {}

    void fill(int x, int y, int depth) {
        if (depth > kFlashDepthLimit || !recolour(x, y)) return;
        enum { Left = 1, Up = 2, Right = 4, Down = 8 };
        int matched = 0;
        if (recolour(x - 1, y)) matched |= Left;
        if (recolour(x + 1, y)) matched |= Right;
        if (recolour(x, y - 1)) matched |= Up;
        if (recolour(x, y + 1)) matched |= Down;
        const int next = depth + 1;
        if (matched & (Left | Up)) fill(x - 1, y - 1, next);
        if (matched & (Right | Down)) fill(x + 1, y + 1, next);
        if (matched & (Right | Up)) fill(x + 1, y - 1, next);
        if (matched & (Left | Down)) fill(x - 1, y + 1, next);
        if (matched & Left) fill(x - 2, y, next);
        if (matched & Right) fill(x + 2, y, next);
        if (matched & Up) fill(x, y - 2, next);
        if (matched & Down) fill(x, y + 2, next);
    }

    QRect changed() const { return changed_; }

  private:
    bool recolour(int x, int y) {
        if (!canvas_.rect().contains(x, y)) return false;
        QRgb& pixel = pixelAt(canvas_, x, y);
        if (!FlashColoursMatch(pixel, from_)) return false;
        pixel = to_;
        changed_ |= QRect(x, y, 1, 1);
        return true;
    }

    QImage& canvas_;
    QRgb from_;
    QRgb to_;
    QRect changed_;
};

}  // namespace

bool FlashColoursMatch(QRgb pixel, QRgb colour) {
    return std::abs(qRed(pixel) - qRed(colour)) <= kFlashTolerance &&
           std::abs(qGreen(pixel) - qGreen(colour)) <= kFlashTolerance &&
           std::abs(qBlue(pixel) - qBlue(colour)) <= kFlashTolerance;
}

QRect FlashFill(QImage& canvas, QPoint at, QRgb from, QRgb to) {
    // A "to" that still matches would be filled again and again down to the depth limit.
    if (!isCanvas(canvas) || FlashColoursMatch(to, from)) return QRect();
    FlashFiller filler(canvas, from, to);
    filler.fill(at.x(), at.y(), 1);
    return filler.changed();
}

QRect SurfaceFill(QImage& canvas, QPoint at, QRgb surface, QRgb fill) {
    if (!isCanvas(canvas) || !canvas.rect().contains(at)) return QRect();
    surface &= kRgbMask;
    if ((fill & kRgbMask) == surface) return QRect();
    auto isSurface = [&](int x, int y) {
        return canvas.rect().contains(x, y) && (pixelAt(canvas, x, y) & kRgbMask) == surface;
    };
    QRect changed;
    std::vector<QPoint> pending{at};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!isSurface(p.x(), p.y())) continue;
        pixelAt(canvas, p.x(), p.y()) = fill;
        changed |= QRect(p, QSize(1, 1));
        for (const QPoint step : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
            if (isSurface(p.x() + step.x(), p.y() + step.y())) pending.push_back(p + step);
        }
    }
    return changed;
}
