#include "tools/mkedition/maps/lettering.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "tools/mkedition/maps/mapstyle.h"

using namespace mapstyle;

const LetterStyle kPlaceNameStyle{kSansFamily, 11, false, false, 0, kPlaceInk, true};
const LetterStyle kTownNameStyle{kSansFamily, 10, false, false, 0, kGreyedInk, true};

const std::vector<AreaLettering> kDetailedMapAreas{
    {LabelKind::Sea, {kSerifFamily, 16, false, false, 4, kWaterInk, false}},
    {LabelKind::District, {kSansFamily, 12, true, true, 5, kDistrictInk, true}},
    {LabelKind::Upland, {kSerifFamily, 13, false, true, 4, kUplandInk, true}},
    {LabelKind::River, {kSerifFamily, 12, false, false, 1, kWaterInk, true}},
    {LabelKind::City, {kSansFamily, 11, true, true, 2, kPlaceInk, true}},
};

const std::vector<AreaLettering> kMiniMapAreas{
    {LabelKind::Country, {kSerifFamily, 15, true, true, 6, kGreyedInk, false}},
    {LabelKind::County, {kSerifFamily, 8, true, true, 1, kDistrictInk, true}},
    {LabelKind::Sea, {kSerifFamily, 10, false, false, 2, kWaterInk, false}},
};

namespace {

// The font of a style, set up to render the same on every machine.
QFont styleFont(const LetterStyle& style, double scale) {
    QFont font(QString::fromLatin1(style.family));
    font.setPixelSize(static_cast<int>(std::lround(style.pixelSize * scale)));
    font.setBold(style.bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, style.letterSpacing * scale);
    font.setStyleStrategy(static_cast<QFont::StyleStrategy>(
        QFont::PreferAntialias | QFont::NoSubpixelAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setKerning(true);
    return font;
}

// Text with its halo; box is where the text's bounding box goes.
void drawLetters(QPainter& painter, const QRectF& box, const QString& text,
                 const LetterStyle& style, double scale) {
    const QFont font = styleFont(style, scale);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const QPointF baseline(box.left(), box.top() + metrics.ascent());
    if (style.halo) {
        painter.setPen(QColor(kHalo));
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (dx || dy) painter.drawText(baseline + QPointF(dx, dy), text);
            }
        }
    }
    painter.setPen(QColor(style.ink));
    painter.drawText(baseline, text);
}

QString shown(const QString& text, const LetterStyle& style) {
    return style.capitals ? text.toUpper() : text;
}

QSizeF textSize(const QString& text, const LetterStyle& style, double scale) {
    const QFontMetricsF metrics(styleFont(style, scale));
    return QSizeF(std::ceil(metrics.horizontalAdvance(text)),
                  std::ceil(metrics.ascent() + metrics.descent()));
}

}  // namespace

void LetterAreas(QPainter& painter, const std::vector<SourceLabel>& labels,
                 const std::vector<AreaLettering>& lettering, double scale, const Viewport& view,
                 LabelPlacer& placer) {
    const QTransform toPixels = view.transform();
    for (const SourceLabel& label : labels) {
        const auto found =
            std::find_if(lettering.begin(), lettering.end(),
                         [&](const AreaLettering& a) { return a.kind == label.kind; });
        if (found == lettering.end()) continue;
        const LetterStyle& style = found->style;
        const QStringList lines =
            shown(QString::fromLatin1(label.text.c_str()), style).split(QLatin1Char('|'));
        const double lineHeight = textSize(lines.front(), style, scale).height();
        const QPointF centre = toPixels.map(label.at);
        double top = centre.y() - lineHeight * lines.size() / 2;
        for (const QString& line : lines) {
            const QSizeF size = textSize(line, style, scale);
            // Letter spacing also follows the last letter; centre on the letters alone.
            const QRectF box(centre.x() - (size.width() - style.letterSpacing * scale) / 2, top,
                             size.width(), size.height());
            drawLetters(painter, box, line, style, scale);
            placer.keepFree(box);
            top += lineHeight;
        }
    }
}

std::vector<size_t> LetterPlaces(QPainter& painter, const std::vector<MapPlace>& places,
                                 double dotRadius, const LetterStyle& style, const Viewport& view,
                                 LabelPlacer& placer) {
    const QTransform toPixels = view.transform();
    struct Pending {
        LabelRequest request;
        QString text;
        int freedom;
        size_t place;
    };
    std::vector<Pending> pending;
    for (size_t i = 0; i < places.size(); ++i) {
        const QString text = shown(places[i].label, style);
        const LabelRequest request{toPixels.map(places[i].at), dotRadius, textSize(text, style, 1)};
        pending.push_back(Pending{request, text, placer.freeCandidates(request), i});
    }
    // Crowded names first, ties from the north-west, so the order never depends on the input's.
    std::stable_sort(pending.begin(), pending.end(), [](const Pending& a, const Pending& b) {
        if (a.freedom != b.freedom) return a.freedom < b.freedom;
        if (a.request.anchor.y() != b.request.anchor.y())
            return a.request.anchor.y() < b.request.anchor.y();
        return a.request.anchor.x() < b.request.anchor.x();
    });
    std::vector<size_t> leftOut;
    for (const Pending& name : pending) {
        const std::optional<PlacedLabel> placed = placer.place(name.request);
        if (!placed) {
            leftOut.push_back(name.place);
            continue;
        }
        if (placed->needsLeader) {
            const QPointF dot = name.request.anchor;
            const QRectF& box = placed->box;
            const QPointF end(std::clamp(dot.x(), box.left(), box.right()),
                              std::clamp(dot.y(), box.top(), box.bottom()));
            const QPointF toward = end - dot;
            const double length = std::hypot(toward.x(), toward.y());
            if (length > dotRadius + 3) {
                painter.setPen(QPen(QColor(style.ink), 0.8));
                painter.drawLine(dot + toward * ((dotRadius + 2) / length),
                                 end - toward * (1.5 / length));
            }
        }
        drawLetters(painter, placed->box, name.text, style, 1);
    }
    std::sort(leftOut.begin(), leftOut.end());
    return leftOut;
}
