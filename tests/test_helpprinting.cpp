// The help text's paragraphs and their breaking into printed lines.
#include <gtest/gtest.h>

#include "screens/help/helpprinting.h"
#include "screens/help/helptext.h"

namespace {

TEST(SplitHelpParagraphs, BlankLinesSeparateAndCountAsTheNextGap) {
    const QStringList lines{"Title", "",          "",          "First line", "joins this",
                            " \t",   "* a point", "* another", "and its end"};
    const std::vector<HelpParagraph> paragraphs = SplitHelpParagraphs(lines);
    ASSERT_EQ(paragraphs.size(), 4u);
    EXPECT_EQ(paragraphs[0].text, QStringLiteral("Title"));
    EXPECT_EQ(paragraphs[0].gap, 0);
    EXPECT_EQ(paragraphs[1].text, QStringLiteral("First line joins this"));
    EXPECT_EQ(paragraphs[1].gap, 2);
    EXPECT_EQ(paragraphs[1].firstLine, 3);
    EXPECT_EQ(paragraphs[2].text, QStringLiteral("* a point"));
    EXPECT_EQ(paragraphs[2].gap, 1);
    EXPECT_EQ(paragraphs[3].text, QStringLiteral("* another and its end"));
    EXPECT_EQ(paragraphs[3].gap, 0);
    EXPECT_EQ(paragraphs[3].firstLine, 7);
}

// Every character 10 units wide.
int fixedWidth(const QString& text) { return static_cast<int>(text.size()) * 10; }

TEST(BreakIntoLines, LinesFitThePageAndTogetherHoldTheWholeText) {
    for (const QString& text : QStringList{HelpTextContent(), QStringLiteral("a bb ccc dddd")}) {
        for (int pageWidth : {100, 137, 480, 2000}) {
            const QStringList lines = BreakIntoLines(text.simplified(), pageWidth, fixedWidth);
            for (const QString& line : lines) {
                if (line.contains(QLatin1Char(' '))) {
                    EXPECT_LE(fixedWidth(line), pageWidth) << line.toStdString();
                }
            }
            EXPECT_EQ(lines.join(QLatin1Char(' ')), text.simplified()) << pageWidth;
        }
    }
}

TEST(BreakIntoLines, EachLineTakesAsManyWordsAsFit) {
    const QStringList lines =
        BreakIntoLines(QStringLiteral("one two three four five six"), 140, fixedWidth);
    EXPECT_EQ(lines, (QStringList{"one two three", "four five six"}));
    // A word longer than the page stands alone.
    EXPECT_EQ(BreakIntoLines(QStringLiteral("a enormousword b"), 50, fixedWidth),
              (QStringList{"a", "enormousword", "b"}));
}

TEST(HelpText, HoldsTheTitleAndEveryHeadingInOrder) {
    const QString text = HelpTextContent();
    EXPECT_TRUE(text.startsWith(QString::fromLatin1(kHelpTitle)));
    int from = 0;
    for (const QString& heading : HelpHeadings()) {
        const int at = text.indexOf(QLatin1Char('\n') + heading + QLatin1Char('\n'), from);
        ASSERT_GE(at, from) << heading.toStdString();
        from = at + 1;
    }
    EXPECT_EQ(HelpHeadings().size(), 9);
    EXPECT_EQ(HelpHeadings().last(), QStringLiteral("        Copying To Other Applications"));
}

}  // namespace
