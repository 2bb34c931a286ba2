#include "screens/explore/captionprintlayout.h"

#include <algorithm>

namespace {

// The first blank at or after `from`, or the end of the text.
int cutAt(const QString& text, int from) {
    const int blank = text.indexOf(QLatin1Char(' '), std::min<int>(from, text.size()));
    return blank < 0 ? static_cast<int>(text.size()) : blank;
}

long long scaled(long long a, long long b, long long c) { return c == 0 ? 0 : a * b / c; }

}  // namespace

QStringList CutIntoThreeLines(const QString& body) {
    const int length = static_cast<int>(body.size());
    const int first = cutAt(body, length / 3);
    const int second = cutAt(body, std::max(2 * length / 3, first + 1));
    const int secondStart = std::min(first + 1, length);
    const int thirdStart = std::min(second + 1, length);
    return {body.left(first), body.mid(secondStart, std::max(0, second - secondStart)),
            body.mid(thirdStart)};
}

QPoint PortraitCaptionOrigin(const QRect& target, QSize source, QPoint captionCorner) {
    return QPoint(
        target.left() + static_cast<int>(scaled(target.width(), captionCorner.x(), source.width())),
        target.top() +
            static_cast<int>(scaled(captionCorner.y(), target.height(), source.height())));
}

int PortraitCaptionSize(int size, int lineHeight, int targetHeight) {
    return static_cast<int>(scaled(static_cast<long long>(size) * targetHeight, 19,
                                   static_cast<long long>(lineHeight) * 600));
}

int LandscapeCaptionCentre(const QRect& target, int sourceWidth, int titlePanelWidth) {
    return static_cast<int>(
               scaled(target.width(), sourceWidth + titlePanelWidth, 2LL * sourceWidth)) +
           target.left();
}

int LandscapeCaptionTop(const QRect& target, int sourceHeight, int pictureHeight) {
    return target.top() + static_cast<int>(scaled(target.height(), pictureHeight, sourceHeight));
}

int LandscapeCaptionSize(int size, int headingHeight, int room) {
    return static_cast<int>(scaled(room, size, 4LL * headingHeight));
}

int BodySize(int headingSize) { return headingSize * 9 / 10; }
