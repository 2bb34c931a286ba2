// The help window's text: the title line, a short introduction and the sections, one paragraph
// to a line, blank lines between paragraphs.
#pragma once

#include <QString>
#include <QStringList>

extern const char kHelpTitle[];
// The section headings in the order they appear, each with its leading blanks.
QStringList HelpHeadings();
QString HelpTextContent();
