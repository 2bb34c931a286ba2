// The title sequence: jingle, set-up of the other windows, the zoom and the sliding lines, and
// the way out to the control screen (at the jingle's end or on a click).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <memory>

#include "app/shellwindows.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "app/statebits.h"
#include "platform/animationclock.h"
#include "platform/fontsetup.h"
#include "screens/common/shellart.h"
#include "screens/title/zmanim.h"
#include "screens/title/zmstart.h"
#include "tests/support/music.h"
#include "tests/support/screenfixture.h"

namespace {

// How many rows hold white ink (the lines' letters on the backdrop).
int inkRows(const QImage& image) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qRed(image.pixel(x, y)) > 160) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

class TitleSequenceTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        data.write("000/J0.dat", ShortPiece());
    }
    void TearDown() override {
        AnimationClock::stop();
        ScreenTest::TearDown();
    }
    // The title window runs the start-up checks, which find the data beside the program:
    // point them back at the test's data.
    std::unique_ptr<TZMStartWin> titleWindow() {
        auto window = std::make_unique<TZMStartWin>();
        Startup().DataDir = data.path();
        QObject::connect(window.get(), &TZMStartWin::oneTimeSetUpDue, [this] { ++setUps; });
        QObject::connect(window.get(), &TZMStartWin::controlScreenDue, &home, &QWidget::show);
        QObject::connect(window.get(), &TZMStartWin::helpDue, [this] { ++helps; });
        return window;
    }

    // Shown, set up, and 12 seconds on.
    static void runUntilTheZoom(TZMStartWin& start, TZMAnimWin& anim) {
        start.setAnimationWindow(&anim);
        start.show();
        start.InitTimerTimer();
        start.StartAnimTimerTimer();
    }

    QWidget home;
    int setUps = 0;
    int helps = 0;
};

TEST_F(TitleSequenceTest, TitleWindowSitsAboveTheMiddle) {
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    const int W = Startup().ScreenWidth;
    const int H = Startup().ScreenHeight;
    EXPECT_EQ(start.size(), QSize(W * 362 / 800, H * 201 / 600));
    const QPoint inArea = start.pos() - AreaOriginOnScreen();
    EXPECT_EQ(inArea.y(), H * 2 / 5 - start.height() / 2);
    EXPECT_EQ(inArea.x(), (W - start.width()) / 2);
}

// The logo is painted on a thread while the window is created, and handed over when shown.
TEST_F(TitleSequenceTest, TheLogoIsOnTheWindowWhenItShows) {
    { TZMStartWin neverShown; }  // destroyed while the logo may still be painting
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    start.ShowTitleCard();
    const QPixmap logo = start.Logo->pixmap();
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), start.size());
    EXPECT_EQ(logo.toImage().convertToFormat(QImage::Format_RGB32), PaintLogo(start.size()));
}

TEST_F(TitleSequenceTest, AClickGoesStraightToTheControlScreen) {
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    TZMAnimWin anim;
    start.setAnimationWindow(&anim);
    start.show();
    EXPECT_TRUE(start.JinglePlayer.isPlaying());
    EXPECT_TRUE(start.StartAnimTimer.isActive());
    start.LogoClick();  // before the set-up ran: it is left to the control screen
    EXPECT_EQ(setUps, 0);
    EXPECT_FALSE(start.InitTimer.isActive());
    EXPECT_TRUE(Startup().StopStartup);
    EXPECT_TRUE(home.isVisible());
    EXPECT_EQ(helps, 1);
    EXPECT_FALSE(start.isVisible());
    EXPECT_FALSE(start.StartAnimTimer.isActive());
    start.StartAnimTimerTimer();  // too late: no zoom
    EXPECT_FALSE(anim.isVisible());
    EXPECT_FALSE(AnimationClock::running());
}

TEST_F(TitleSequenceTest, SetUpRunsOnceATenthOfASecondAfterShowing) {
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    start.show();
    start.Logo->repaint();
    ASSERT_TRUE(start.InitTimer.isActive());
    EXPECT_EQ(start.InitTimer.interval(), 100);
    EXPECT_FALSE(start.JinglePlayer.notifies()) << "the jingle's end waits for the set-up";
    start.InitTimerTimer();
    EXPECT_EQ(setUps, 1);
    EXPECT_TRUE(start.JinglePlayer.notifies());
    EXPECT_FALSE(start.InitTimer.isActive());
    start.LogoClick();
    EXPECT_EQ(setUps, 1);
    EXPECT_TRUE(home.isVisible());
}

TEST_F(TitleSequenceTest, TheTitleCardShowsBeforeItsSequenceStarts) {
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    start.ShowTitleCard();
    EXPECT_TRUE(start.isVisible());
    EXPECT_FALSE(start.JinglePlayer.isPlaying()) << "held while the other windows are made";
    EXPECT_FALSE(start.InitTimer.isActive());
    EXPECT_FALSE(start.StartAnimTimer.isActive());
    start.StartSequence();
    EXPECT_TRUE(start.JinglePlayer.isPlaying());
    EXPECT_TRUE(start.StartAnimTimer.isActive());
    EXPECT_TRUE(start.InitTimer.isActive());
    start.StartSequence();  // once only
    EXPECT_EQ(setUps, 0);
}

// A click while the other windows are made waits in the queue: it must still end the sequence.
TEST_F(TitleSequenceTest, AClickDuringTheHoldEndsTheSequenceOnceItStarts) {
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    start.ShowTitleCard();
    start.StartSequence();
    start.LogoClick();
    EXPECT_EQ(setUps, 0) << "left to the control screen";
    EXPECT_TRUE(Startup().StopStartup);
    EXPECT_TRUE(home.isVisible());
    EXPECT_FALSE(start.isVisible());
}

TEST_F(TitleSequenceTest, MinimisingAndRestoringDoesNotStartItAgain) {
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    start.show();
    start.InitTimerTimer();
    ASSERT_TRUE(start.JinglePlayer.notifies());
    start.setWindowState(Qt::WindowMinimized);
    start.setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(start.InitTimer.isActive());  // no second set-up
    EXPECT_EQ(setUps, 1);
    EXPECT_TRUE(start.StartAnimTimer.isActive());
    EXPECT_TRUE(start.isEnabled());
    // The jingle plays on, and its end still brings up the control screen.
    EXPECT_TRUE(start.JinglePlayer.isPlaying());
    EXPECT_TRUE(start.JinglePlayer.notifies());
}

TEST_F(TitleSequenceTest, NoHelpWindowWhenSwitchedOff) {
    writeStateBits(kStateNoHelpAtStart);
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    start.show();
    start.InitTimerTimer();
    start.JinglePlayerNotify();  // the jingle ended
    EXPECT_TRUE(home.isVisible());
    EXPECT_EQ(helps, 0);
}

TEST_F(TitleSequenceTest, MissingOrDamagedJingleStopsTheProgram) {
    data.write("000/J0.dat", std::string("not a MIDI file"));
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    start.show();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Cannot read data files - is Vantora Fernvales correctly installed?");
    EXPECT_TRUE(Startup().Quitting);
}

TEST_F(TitleSequenceTest, ZoomThenTwoLinesSlideInAndStop) {
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    TZMAnimWin anim;
    runUntilTheZoom(start, anim);
    ASSERT_TRUE(anim.isVisible());
    EXPECT_TRUE(AnimationClock::running());
    EXPECT_EQ(anim.stepsLeft(), 80);
    for (int step = 0; step < 40; ++step) anim.ZoomStep();
    const int W = Startup().ScreenWidth;
    const int H = Startup().ScreenHeight;
    const Edges half = anim.innerEdge();
    EXPECT_LT(half.left, start.x());
    EXPECT_GT(half.left, 0);
    for (int step = 0; step < 40; ++step) anim.ZoomStep();
    EXPECT_EQ(anim.innerEdge(), (Edges{0, 0, W, H}));
    EXPECT_EQ(anim.line(), 0);
    EXPECT_EQ(anim.lineLeft(0), W);

    int ticks = 0;
    while (anim.line() < 2 && ticks < 10000) {
        anim.ScrollStep();
        ++ticks;
    }
    EXPECT_EQ(anim.line(), 2);
    EXPECT_FALSE(AnimationClock::running());
    for (int line : {0, 1}) {
        ASSERT_GT(anim.lineWidth(line), 0);
        EXPECT_NEAR(anim.lineLeft(line), (W - anim.lineWidth(line)) / 2, 2) << line;
    }
    EXPECT_GT(anim.lineWidth(0), anim.lineWidth(1));

    // Nothing of a letter is cut off: the first line's ink is as tall as the text drawn freely.
    QFont font(QString::fromLatin1(kBookmanFace));
    font.setBold(true);
    font.setPixelSize(H * 33 / 600);
    QImage free(W, H / 4, QImage::Format_RGB32);
    free.fill(Qt::black);
    QPainter painter(&free);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(free.rect(), Qt::AlignCenter,
                     QStringLiteral("Vantora Software Ltd presents..."));
    painter.end();
    const QRect firstLine(0, H * 350 / 600, W, H * 100 / 600);
    EXPECT_EQ(inkRows(anim.canvas().copy(firstLine)), inkRows(free));
}

TEST_F(TitleSequenceTest, StoppingHaltsTheZoom) {
    std::unique_ptr<TZMStartWin> title = titleWindow();
    TZMStartWin& start = *title;
    TZMAnimWin anim;
    runUntilTheZoom(start, anim);
    anim.ZoomStep();
    Startup().StopStartup = true;
    anim.ZoomStep();
    EXPECT_EQ(anim.stepsLeft(), 79);
    EXPECT_FALSE(AnimationClock::running());
}

}  // namespace
