// Printing the help text: its lines joined into paragraphs, each printed in its own style,
// broken into lines that fit the page, with page breaks where the page is full.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QTextDocument;

struct HelpParagraph {
    QString text;
    int gap = 0;        // blank lines before it
    int firstLine = 0;  // where it starts among the lines
};

// Blank lines (nothing above a space) separate paragraphs and count as the next one's gap;
// the other lines join, except that a line starting with "* " starts a paragraph of its own.
std::vector<HelpParagraph> SplitHelpParagraphs(const QStringList& lines);

using TextWidth = std::function<int(const QString& text)>;
// Lines no wider than pageWidth, broken at blanks (a word wider than the page stands alone).
QStringList BreakIntoLines(const QString& text, int pageWidth, const TextWidth& width);

// Prints the document on the shared printer; printed sizes are 72/100 of the displayed ones.
void PrintHelpText(const QTextDocument& document, const QString& title, int copies);
