// The map key: its layout below the map, the drawn scale bar, the "Now at:" memo's two heights
// and the input it passes on.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>

#include "app/colours.h"
#include "app/shellwindows.h"
#include "app/startupstate.h"
#include "screens/map/maplayout.h"
#include "screens/map/milescale.h"
#include "screens/map/zmmapkey.h"

namespace {

class MapKeyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetStartupState();
        ResetShellWindows();
        const QSize screen = QGuiApplication::primaryScreen()->size();
        Startup().ScreenWidth = screen.width();
        Startup().ScreenHeight = screen.height();
        key = std::make_unique<TMapKey>();
        key->SetUpMapKey();
    }
    void TearDown() override {
        key.reset();
        ResetShellWindows();
        ResetStartupState();
    }
    MapKeyLayout layout() const {
        return ArrangeMapKeyLayout(Startup().ScreenWidth, Startup().ScreenHeight);
    }
    std::unique_ptr<TMapKey> key;
};

TEST_F(MapKeyTest, LaidOutBelowTheMap) {
    const MapKeyLayout l = layout();
    EXPECT_EQ(key->geometry(), l.window);
    EXPECT_EQ(key->MilesTitle->geometry(), l.milesTitle);
    EXPECT_EQ(key->MilesTitle->text(), QStringLiteral("Miles"));
    EXPECT_TRUE(key->MilesTitle->font().bold());
    EXPECT_EQ(key->MileScale->geometry(), l.mileScale);
    EXPECT_EQ(key->Placename->geometry(), l.placename);
    EXPECT_EQ(key->PlacenameFullHeight, Startup().ScreenHeight * 38 / 600);
    EXPECT_EQ(Windows().MapKey, key.get());
}

TEST_F(MapKeyTest, ScaleBarAlternatesHollowAndSolidWithLabelsBelow) {
    const QImage scale = key->MileScale->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(scale.size(), layout().mileScale.size());
    const MileScaleGeometry geometry = ArrangeMileScale(scale.width());
    ASSERT_FALSE(geometry.segments.empty());
    EXPECT_EQ(scale.pixel(geometry.offset / 2, 4), kScreenBackdrop);
    bool solid = false;
    for (const QRect& segment : geometry.segments) {
        const QPoint middle(segment.center().x(), 4);
        EXPECT_EQ(scale.pixel(middle), solid ? qRgb(255, 255, 255) : kScreenBackdrop)
            << segment.x();
        EXPECT_EQ(scale.pixel(segment.left(), 4), qRgb(255, 255, 255)) << segment.x();  // outline
        solid = !solid;
    }
    // Every label leaves white ink below the bar round its centre.
    for (const MileScaleLabel& label : geometry.labels) {
        int ink = 0;
        for (int y = 10; y < scale.height(); ++y)
            for (int x = std::max(0, label.centreX - 10);
                 x < std::min(scale.width(), label.centreX + 10); ++x)
                ink += qGray(scale.pixel(x, y)) > 160;
        EXPECT_GT(ink, 3) << label.text.toStdString();
    }
}

TEST_F(MapKeyTest, PlacenameMemoTwoThirdsHighForOneLine) {
    const int full = key->PlacenameFullHeight;
    key->ShowPlacename(QStringLiteral("Dunby, Corvan"));
    EXPECT_EQ(key->Placename->text(), QStringLiteral("Now at: Dunby, Corvan"));
    EXPECT_EQ(key->Placename->height(), full * 2 / 3);
    EXPECT_EQ(key->Placename->geometry().bottom(), key->height() - 1);
    key->ShowPlacename(
        QStringLiteral("Saint Aldric's by the Water of Corve under Fernmoor Edge and the "
                       "Long Marsh, Corvan"));
    EXPECT_EQ(key->Placename->height(), full);
    EXPECT_EQ(key->Placename->geometry().bottom(), key->height() - 1);
}

TEST_F(MapKeyTest, AsksForKeysAndTheMenuToBeHandledElsewhere) {
    qRegisterMetaType<QKeyEvent*>();
    QSignalSpy downs(key.get(), &TMapKey::keyPressed);
    QSignalSpy ups(key.get(), &TMapKey::keyReleased);
    QSignalSpy menus(key.get(), &TMapKey::menuRequested);
    key->show();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(key.get(), &down);
    QApplication::sendEvent(key.get(), &up);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).value<QKeyEvent*>(), &down);
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups.at(0).at(0).value<QKeyEvent*>(), &up);

    // A right click on the scale reaches the key window through its panel.
    const QPoint onScale = key->MileScale->geometry().center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, onScale, key->mapToGlobal(onScale));
    QWidget* under = key->childAt(onScale);
    QApplication::sendEvent(under ? under : key.get(), &menu);
    ASSERT_EQ(menus.count(), 1);
    EXPECT_EQ(menus.at(0).at(0).toPoint(), key->mapToGlobal(onScale));
}

}  // namespace
