// The help window: its formatted text, F1 and the keys it passes on, the start-up option and
// printing.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <cstring>

#include "app/stage.h"
#include "app/statebits.h"
#include "app/wiring.h"
#include "platform/printbox.h"
#include "screens/help/helptext.h"
#include "screens/help/zmhelp.h"
#include "tests/support/keyscreen.h"
#include "tests/support/pdfprinting.h"
#include "tests/support/screenfixture.h"

namespace {

class HelpWindowTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        screen_ = new RecordingKeyScreen;
        screen_->setParent(stage_.area());
        stage_.setCurrentScreen(screen_);
    }
    void TearDown() override {
        SetPrintBoxResponder(nullptr);
        ScreenTest::TearDown();
    }
    static QTextCharFormat formatAt(const TZMHelpWin& help, int position) {
        QTextCursor cursor(help.HelpText->document());
        cursor.setPosition(position + 1);  // the format of the character before
        return cursor.charFormat();
    }

    // The help window's keys reach the stage as the program wires them.
    void wire(TZMHelpWin& help) {
        ProgramWindows windows;
        windows.stage = &stage_;
        windows.help = &help;
        WireWindows(windows);
    }

    TStage stage_;
    RecordingKeyScreen* screen_ = nullptr;
};

TEST_F(HelpWindowTest, TheTitleAndHeadingsStandOutFromTheBody) {
    TZMHelpWin help;
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Help: Using Vantora Fernvales"));
    const QTextDocument& text = *help.HelpText->document();
    const QTextCharFormat title = formatAt(help, 0);
    const QTextCharFormat body = formatAt(help, static_cast<int>(strlen(kHelpTitle)) + 4);
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_EQ(text.begin().blockFormat().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_NE(body.fontWeight(), QFont::Bold);
    EXPECT_EQ(title.fontPointSize(), body.fontPointSize() + 8);
    for (const QString& heading : HelpHeadings()) {
        const QTextCursor found = text.find(heading, 24, QTextDocument::FindCaseSensitively);
        ASSERT_FALSE(found.isNull()) << heading.toStdString();
        const QTextCharFormat format = formatAt(help, found.selectionEnd() - 1);
        EXPECT_EQ(format.fontWeight(), QFont::Bold) << heading.toStdString();
        EXPECT_EQ(format.fontPointSize(), body.fontPointSize() + 4) << heading.toStdString();
        const QTextCharFormat after = formatAt(help, found.selectionEnd() + 3);
        EXPECT_NE(after.fontWeight(), QFont::Bold) << heading.toStdString();
    }
}

TEST_F(HelpWindowTest, F1HidesItAndEveryOtherKeyGoesToTheScreenUnderneath) {
    TZMHelpWin help;
    wire(help);
    help.ToggleHelp();
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.HelpShowing);
    for (int key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_5}) {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&help, &down);
    }
    QKeyEvent shiftUp(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QCoreApplication::sendEvent(&help, &shiftUp);
    EXPECT_EQ(screen_->downs, (std::vector<int>{Qt::Key_Up, Qt::Key_Left, Qt::Key_5}));
    EXPECT_EQ(screen_->ups, std::vector<int>{Qt::Key_Shift});

    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QCoreApplication::sendEvent(&help, &f1);
    EXPECT_FALSE(help.isVisible());
    EXPECT_FALSE(help.HelpShowing);
    EXPECT_EQ(screen_->downs.size(), 3u);  // F1 stays with the help
    help.ToggleHelp();
    EXPECT_TRUE(help.isVisible());
}

TEST_F(HelpWindowTest, TheBoxDecidesWhetherItOpensAtTheNextStart) {
    writeStateBits(kStateNoHelpAtStart);
    {
        TZMHelpWin help;
        EXPECT_TRUE(help.NoHelpBox->isChecked());
        help.ShowHelp();
        help.NoHelpBox->click();
        help.hide();
    }
    EXPECT_FALSE(ReadStateBit(kStateNoHelpAtStart));
    TZMHelpWin next;
    EXPECT_FALSE(next.NoHelpBox->isChecked());
    next.ShowHelp();
    next.NoHelpBox->click();
    next.hide();
    EXPECT_TRUE(ReadStateBit(kStateNoHelpAtStart));
}

TEST_F(HelpWindowTest, PrintsEveryLineInsideThePage) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("help.pdf"));
    TZMHelpWin help;
    int asked = 0;
    CancelPrinting(&asked);
    help.PrintBtnMouseDown(Qt::RightButton);  // not the right button
    EXPECT_EQ(asked, 0);
    help.PrintBtnMouseDown(Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(file));

    PrintToPdf(file);
    help.PrintBtnMouseDown(Qt::LeftButton);
    const std::vector<QImage> pages = PdfPages(file, 50);
    ASSERT_GE(pages.size(), 1u);
    const QRect printable = SharedPrinter().pageLayout().paintRectPixels(50);
    for (const QImage& page : pages) {
        const QRect ink = InkBounds(page);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(printable.adjusted(-1, -1, 1, 1).contains(ink))
            << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
    // The centred title (the first 9 dots): its ink is about as far from both edges of the
    // printable area.
    const QRect title =
        InkBounds(pages[0].copy(printable.left(), printable.top(), printable.width(), 9));
    EXPECT_NEAR(title.left(), printable.width() - 1 - title.right(), 4);
}

}  // namespace
