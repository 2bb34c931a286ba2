// A view's caption: the bold heading (place name and view title; in portrait captions the
// title on a line of its own) and the normal body, built into a read-only rich text box.
#pragma once

#include <QString>

struct ViewRecord;
class QTextEdit;

struct CaptionText {
    QString heading;  // landscape: name, separator and title; portrait: the first line
    QString title;    // portrait only: the second line
    QString body;
};

CaptionText CaptionOf(const ViewRecord& view, bool landscape);

// What Copy Caption puts on the clipboard: the heading (the record's text up to its first NUL),
// a line feed and the body, however long they are.
QString CaptionCopyText(const ViewRecord& view);

// Replaces the box's text and scrolls it to the top.
void FillCaption(QTextEdit* box, const CaptionText& caption);
