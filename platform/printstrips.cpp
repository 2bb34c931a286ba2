#include "platform/printstrips.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kFirstStripCount = 16;

}  // namespace

StripPlan PlanStrips(int length) {
    StripPlan plan;
    if (length <= 0) return plan;
    plan.count = kFirstStripCount;
    plan.size = (length + plan.count - 1) / plan.count;
    while (plan.size % 2 != 0 && plan.size > 1) {
        ++plan.count;
        plan.size = (length + plan.count - 1) / plan.count;
    }
    if (plan.size == 1) {  // under 17 pixels: no count from 16 up gives an even size
        plan.size = 2;
        plan.count = (length + 1) / 2;
    }
    plan.pad = plan.size * plan.count - length;
    return plan;
}

QRect FitToPage(QSize source, QSize page) {
    const long long cw = source.width();
    const long long ch = source.height();
    const long long pw = page.width();
    const long long ph = page.height();
    if (cw <= 0 || ch <= 0) return {};
    if (cw * ph < pw * ch) {  // relatively taller: the full height
        const int x0 = static_cast<int>((pw - cw * ph / ch) / 2);
        return QRect(QPoint(x0, 0), QPoint(static_cast<int>(pw) - x0 - 1, page.height() - 1));
    }
    const int y0 = static_cast<int>((ph - pw * ch / cw) / 2);
    return QRect(QPoint(0, y0), QPoint(page.width() - 1, static_cast<int>(ph) - y0 - 1));
}

QImage CutStrip(const QImage& source, const StripPlan& plan, int j, bool vertical) {
    const QSize size =
        vertical ? QSize(plan.size, source.height()) : QSize(source.width(), plan.size);
    QImage strip(size, QImage::Format_RGB888);
    if (strip.isNull()) return strip;
    strip.fill(Qt::white);
    // Strip j covers source [s*j - pad, s*(j+1) - pad); the first one's start lies before 0.
    const int from = plan.size * j - plan.pad;
    const int skip = std::min(from < 0 ? -from : 0, plan.size);
    QPainter painter(&strip);
    if (vertical)
        painter.drawImage(QPoint(skip, 0), source,
                          QRect(from + skip, 0, plan.size - skip, source.height()));
    else
        painter.drawImage(QPoint(0, skip), source,
                          QRect(0, from + skip, source.width(), plan.size - skip));
    return strip;
}

QRect StripTarget(const QRect& target, const StripPlan& plan, int j, bool vertical) {
    if (plan.count <= 0) return {};
    if (vertical) {
        const int step = (target.width()) / plan.count;
        return QRect(target.left() + j * step, target.top(), step, target.height());
    }
    const int step = (target.height()) / plan.count;
    return QRect(target.left(), target.top() + j * step, target.width(), step);
}
