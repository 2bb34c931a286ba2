// The exit dialog: the jingle ending untouched exits, a touch keeps it open, Escape cancels,
// and the control screen's Exit button runs it.
#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/shellwindows.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "app/statebits.h"
#include "app/wiring.h"
#include "platform/prefstore.h"
#include "screens/exit/exitinfodlg.h"
#include "screens/home/showpage.h"
#include "screens/home/zmhome.h"
#include "tests/support/minimaps.h"
#include "tests/support/music.h"
#include "tests/support/screenfixture.h"

namespace {

class ExitDialogTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        data.write("000/J0.dat", ShortPiece());
    }
};

// The program's windows that take part in leaving it, wired as in the program, on the stage.
class LeavingTest : public ExitDialogTest {
  protected:
    void SetUp() override {
        ExitDialogTest::SetUp();
        data.writeTable(Build(SimpleEdition(60, 2)).image);
        WriteMiniMaps(data);
        writeStateBits(0);
        stage = std::make_unique<TStage>();
        home = std::make_unique<TZMHomeWin>(stage->area());
        dialog = std::make_unique<TExitInfoDlg>();
        ProgramWindows windows;
        windows.stage = stage.get();
        windows.home = home.get();
        windows.exitDialog = dialog.get();
        WireWindows(windows);
        QObject::connect(home.get(), &TZMHomeWin::exitDialogRequested, [this] { ++dialogRuns; });
        stage->showFullArea();
        home->show();
    }
    void TearDown() override {
        dialog.reset();
        home.reset();
        stage.reset();
        ExitDialogTest::TearDown();
    }
    // Runs the message loop until the program ends, or gives up after a few seconds.
    bool programEnds() {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(1); });
        watchdog.start(4000);
        return QApplication::exec() == 0 && Startup().Quitting;
    }

    std::unique_ptr<TStage> stage;
    std::unique_ptr<TZMHomeWin> home;
    std::unique_ptr<TExitInfoDlg> dialog;
    int dialogRuns = 0;
};

void pressOn(QWidget* target) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

// The look of the character at position: a heading's is bold, larger than the text's and in a
// colour of its own.
bool hasHeadingLook(const TExitInfoDlg& dialog, int position) {
    QTextCursor at(dialog.TextDisplay->document());
    at.setPosition(position + 1);  // the format of the character before the cursor
    const QTextCharFormat format = at.charFormat();
    const QColor text = dialog.TextDisplay->palette().color(QPalette::Text);
    return format.fontWeight() >= QFont::Bold &&
           format.intProperty(QTextFormat::FontPixelSize) >
               dialog.TextDisplay->font().pixelSize() &&
           format.foreground().style() != Qt::NoBrush && format.foreground().color() != text;
}

TEST_F(ExitDialogTest, CreditsHaveTheirFiveHeadingsFormatted) {
    TExitInfoDlg dialog;
    dialog.SetUp();
    QTextDocument* document = dialog.TextDisplay->document();
    for (const char* name : {"Upgrade", "Visits", "Copyright", "Landowners", "Disclaimer"}) {
        const QString heading = QStringLiteral("   ") + QString::fromLatin1(name);
        const QTextCursor found = document->find(heading);
        ASSERT_FALSE(found.isNull()) << name;
        EXPECT_EQ(found.block().text(), heading) << "a line of its own";
        for (int p = found.selectionStart(); p < found.selectionEnd(); ++p)
            EXPECT_TRUE(hasHeadingLook(dialog, p)) << name << " at " << p - found.selectionStart();
        EXPECT_FALSE(hasHeadingLook(dialog, found.block().next().position())) << name << "'s text";
    }
    EXPECT_EQ(dialog.TextDisplay->textCursor().position(), 0);
    EXPECT_EQ(dialog.geometry().size(), QSize(Startup().ScreenWidth, Startup().ScreenHeight));
}

// The body reads in normal weight, and the box shows its first page without a line cut in half:
// every line ends above the box's bottom or starts below it.
TEST_F(ExitDialogTest, CreditsShowWholeLinesInNormalWeight) {
    TExitInfoDlg dialog;
    dialog.show();  // sets itself up
    EXPECT_FALSE(dialog.TextDisplay->font().bold());
    EXPECT_GT(dialog.TextDisplay->document()->documentMargin(), 2);
    const int bottom = dialog.TextDisplay->viewport()->height();
    EXPECT_LE(dialog.TextDisplay->geometry().bottom(), dialog.height() * 550 / 600);
    QTextDocument* document = dialog.TextDisplay->document();
    int shown = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const qreal top = document->documentLayout()->blockBoundingRect(block).top();
        for (int i = 0; i < block.layout()->lineCount(); ++i) {
            const QRectF line = block.layout()->lineAt(i).rect().translated(0, top);
            EXPECT_TRUE(line.bottom() <= bottom || line.top() >= bottom)
                << "line from " << line.top() << " to " << line.bottom() << ", box " << bottom;
            if (line.bottom() <= bottom) ++shown;
        }
    }
    EXPECT_GT(shown, 10);
}

TEST_F(ExitDialogTest, JingleEndingUntouchedExits) {
    TExitInfoDlg dialog;
    dialog.show();
    EXPECT_TRUE(dialog.JingleAutoExit);
    EXPECT_TRUE(dialog.JinglePlayer.isPlaying());
    dialog.JinglePlayerNotify();
    EXPECT_EQ(dialog.result(), kExitChosen);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.JinglePlayer.isPlaying());
}

TEST_F(ExitDialogTest, TouchingTheTextKeepsItOpen) {
    TExitInfoDlg dialog;
    dialog.show();
    pressOn(dialog.TextDisplay->viewport());
    EXPECT_FALSE(dialog.JingleAutoExit);
    dialog.JinglePlayerNotify();
    EXPECT_TRUE(dialog.isVisible());
    dialog.hide();

    dialog.show();
    EXPECT_TRUE(dialog.JingleAutoExit);
    pressOn(&dialog);
    EXPECT_FALSE(dialog.JingleAutoExit);
}

TEST_F(ExitDialogTest, EscapeCancelsAndEnterExits) {
    TExitInfoDlg dialog;
    dialog.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
    EXPECT_EQ(dialog.result(), kCancelChosen);
    dialog.show();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &enter);
    EXPECT_EQ(dialog.result(), kExitChosen);
}

TEST_F(ExitDialogTest, ControlScreenExitRunsTheDialog) {
    data.writeTable(Build(SimpleEdition(60, 2)).image);
    WriteMiniMaps(data);
    writeStateBits(0);
    TZMHomeWin home;
    TExitInfoDlg dialog;
    ProgramWindows windows;
    windows.home = &home;
    windows.exitDialog = &dialog;
    WireWindows(windows);
    home.show();

    // Cancel: everything enabled again and the control screen back.
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_FALSE(home.isEnabled());
        EXPECT_FALSE(home.isVisible());  // the dialog hides the screens
        dialog.CancelBtn->click();
    });
    home.CloseBtnClick();
    EXPECT_FALSE(Startup().Quitting);
    EXPECT_TRUE(home.isEnabled());
    EXPECT_TRUE(home.isVisible());

    // Exit: the shutdown runs and the options are stored.
    home.ShowSheet->MusicOn->setChecked(false);
    QTimer::singleShot(0, &dialog, [&] { dialog.ExitBtn->click(); });
    home.CloseBtnClick();
    EXPECT_TRUE(Startup().Quitting);
    EXPECT_TRUE(ReadStateBit(kStateMusicOff));
}

TEST_F(LeavingTest, OneClickOnExitEndsTheProgram) {
    QTimer::singleShot(0, [this] { QTest::mouseClick(home->CloseBtn, Qt::LeftButton); });
    QTimer::singleShot(200, [this] {
        ASSERT_TRUE(dialog->isVisible());
        QTest::mouseClick(dialog->ExitBtn, Qt::LeftButton);
    });
    EXPECT_TRUE(programEnds());
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(LeavingTest, TheJinglesEndEndsTheProgramWhenTheDialogIsLeftAlone) {
    QTimer::singleShot(0, [this] { QTest::mouseClick(home->CloseBtn, Qt::LeftButton); });
    EXPECT_TRUE(programEnds());  // the half-second jingle ends on its own
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_FALSE(dialog->isVisible());
}

}  // namespace
