#include "screens/explore/explorecaption.h"

#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <cstring>

#include "content/records.h"

namespace {

// Characters [from, to) of the record's text, kept inside the record whatever its offsets say.
QString textRange(const ViewRecord& view, int from, int to) {
    from = std::clamp(from, 0, kViewTextSize);
    to = std::clamp(to, from, kViewTextSize);
    return QString::fromLatin1(view.Text + from, to - from);
}

}  // namespace

CaptionText CaptionOf(const ViewRecord& view, bool landscape) {
    CaptionText caption;
    const int headingEnd = view.CaptionStart - 2;
    if (landscape) {
        caption.heading = textRange(view, 0, headingEnd);
    } else {
        // The name and the character that ends the first line; the separator after it goes.
        caption.heading = textRange(view, 0, view.NameEnd - 1);
        caption.title = textRange(view, view.NameEnd, headingEnd);
    }
    const int start = std::min<int>(view.CaptionStart, kViewTextSize);
    const void* end = std::memchr(view.Text + start, 0, static_cast<size_t>(kViewTextSize - start));
    const int bodyEnd =
        end ? static_cast<int>(static_cast<const char*>(end) - view.Text) : kViewTextSize;
    caption.body = textRange(view, start, bodyEnd);
    return caption;
}

QString CaptionCopyText(const ViewRecord& view) {
    const void* end = std::memchr(view.Text, 0, kViewTextSize);
    const int headingEnd =
        end ? static_cast<int>(static_cast<const char*>(end) - view.Text) : kViewTextSize;
    return textRange(view, 0, headingEnd) + QLatin1Char('\n') + CaptionOf(view, true).body;
}

void FillCaption(QTextEdit* box, const CaptionText& caption) {
    box->clear();
    QTextCursor cursor(box->document());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(caption.heading, bold);
    cursor.insertBlock();
    if (!caption.title.isEmpty()) {
        cursor.insertText(caption.title, bold);
        cursor.insertBlock();
        cursor.insertBlock();
    }
    QTextCharFormat normal;
    normal.setFontWeight(QFont::Normal);
    cursor.insertText(caption.body, normal);
    box->moveCursor(QTextCursor::Start);
}
