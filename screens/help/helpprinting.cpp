#include "screens/help/helpprinting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "platform/printbox.h"

namespace {

bool isBlank(const QString& line) {
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() <= 32; });
}

struct ParagraphStyle {
    QFont font;
    bool centred = false;
};

ParagraphStyle styleOf(const QTextDocument& document, int line) {
    const QTextBlock block = document.findBlockByNumber(line);
    QTextCharFormat format = block.charFormat();
    if (block.begin() != block.end()) format = block.begin().fragment().charFormat();
    ParagraphStyle style;
    style.font = document.defaultFont();
    style.font.setBold(format.fontWeight() >= QFont::Bold);
    style.font.setItalic(format.fontItalic());
    const qreal shown =
        format.fontPointSize() > 0 ? format.fontPointSize() : document.defaultFont().pointSizeF();
    style.font.setPointSizeF(shown * 72 / 100);
    style.centred = (block.blockFormat().alignment() & Qt::AlignHCenter) != 0;
    return style;
}

}  // namespace

std::vector<HelpParagraph> SplitHelpParagraphs(const QStringList& lines) {
    std::vector<HelpParagraph> paragraphs;
    int gap = 0;
    bool joining = false;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (isBlank(line)) {
            ++gap;
            joining = false;
            continue;
        }
        if (joining && !line.startsWith(QLatin1String("* "))) {
            paragraphs.back().text += QLatin1Char(' ') + line;
            continue;
        }
        paragraphs.push_back(HelpParagraph{line, gap, i});
        gap = 0;
        joining = true;
    }
    return paragraphs;
}

// The break is first guessed from the average width of a character, then moved word by word
// until the line is as long as fits.
QStringList BreakIntoLines(const QString& text, int pageWidth, const TextWidth& width) {
    QStringList lines;
    QString rest = text;
    while (!rest.isEmpty()) {
        const int restWidth = width(rest);
        if (restWidth <= pageWidth) {
            lines << rest;
            break;
        }
        const int guess = static_cast<int>(static_cast<long long>(rest.size()) * pageWidth /
                                           std::max(1, restWidth));
        int cut = rest.lastIndexOf(QLatin1Char(' '), std::max(0, guess));
        if (cut <= 0) cut = rest.indexOf(QLatin1Char(' '), 1);
        if (cut <= 0) {
            lines << rest;  // one word
            break;
        }
        for (int next = rest.indexOf(QLatin1Char(' '), cut + 1);
             next > 0 && width(rest.left(next)) <= pageWidth;
             next = rest.indexOf(QLatin1Char(' '), cut + 1))
            cut = next;
        for (int previous = rest.lastIndexOf(QLatin1Char(' '), cut - 1);
             previous > 0 && width(rest.left(cut)) > pageWidth;
             previous = rest.lastIndexOf(QLatin1Char(' '), cut - 1))
            cut = previous;
        lines << rest.left(cut);
        rest = rest.mid(cut + 1);
    }
    return lines;
}

void PrintHelpText(const QTextDocument& document, const QString& title, int copies) {
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines << block.text();

    QPrinter& printer = SharedPrinter();
    printer.setDocName(title);
    printer.setCopyCount(copies);
    QPainter painter;
    if (!painter.begin(&printer)) return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const int pageWidth = page.width();
    const int pageHeight = page.height();
    painter.setPen(Qt::black);
    int y = 0;
    for (const HelpParagraph& paragraph : SplitHelpParagraphs(lines)) {
        const ParagraphStyle style = styleOf(document, paragraph.firstLine);
        painter.setFont(style.font);
        const QFontMetrics metrics(style.font, &printer);
        const int h = metrics.height();
        y += paragraph.gap * h;
        if (y >= pageHeight) {
            printer.newPage();
            y = 0;
        }
        const TextWidth width = [&metrics](const QString& text) {
            return metrics.horizontalAdvance(text);
        };
        for (const QString& line : BreakIntoLines(paragraph.text, pageWidth, width)) {
            if (y + h >= pageHeight) {
                printer.newPage();
                y = 0;
            }
            const int x = style.centred ? (pageWidth - width(line)) / 2 : 0;
            painter.drawText(x, y + metrics.ascent(), line);
            y += h;
        }
    }
    painter.end();
}
