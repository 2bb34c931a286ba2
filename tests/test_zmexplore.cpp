// The explore screen: arriving at a place, its view tabs and their scrolling, showing views
// with their captions, Next view, found-set mode, the delayed first view, the keys and Home.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <cstring>

#include "app/colours.h"
#include "app/shellwindows.h"
#include "app/startupstate.h"
#include "content/compass.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "content/pictures.h"
#include "platform/printbox.h"
#include "platform/printstrips.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/captionlinks.h"
#include "screens/explore/captionprintlayout.h"
#include "screens/explore/digitkeys.h"
#include "screens/explore/explorecaption.h"
#include "screens/explore/exploremenu.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/localslideshow.h"
#include "screens/explore/steppanel.h"
#include "screens/explore/viewtab.h"
#include "screens/explore/viewtabcolumn.h"
#include "screens/explore/zmexplor.h"
#include "tests/support/pdfprinting.h"
#include "tests/support/photographs.h"
#include "tests/support/screenfixture.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/photographs.h"

namespace {

constexpr int kManyViews = 40;  // more than the tab column holds at any test size
constexpr int kFoundYear = 1200;
constexpr int kOtherSetPlaces[] = {20, 30, 40};  // with the first place, the found set

class ExploreTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        EditionSource source = SimpleEdition(50, 2, 3);
        QDir().mkpath(QString::fromStdString(sourceDir_.path() + "photos"));
        const std::vector<uint8_t> landscape =
            EncodeJpeg(SyntheticPhotograph(kLandscapeWidth, kLandscapeHeight, 1), 60);
        const std::vector<uint8_t> portrait =
            EncodeJpeg(SyntheticPhotograph(kPortraitWidth, kPortraitHeight, 2), 60);
        sourceDir_.write("photos/l.jpg", landscape);
        sourceDir_.write("photos/p.jpg", portrait);
        std::vector<SourceView>& many = source.places[0].views;
        while (many.size() < kManyViews) {
            SourceView extra = many[0];
            extra.title = "View " + std::to_string(many.size() + 1);
            extra.picCode.clear();
            many.push_back(extra);
        }
        // Views 2, 5 and 9 of the first place are the found set's.
        for (int n : {2, 5, 9}) many[static_cast<size_t>(n - 1)].year = kFoundYear;
        for (int p : kOtherSetPlaces)
            for (SourceView& v : source.places[static_cast<size_t>(p)].views) v.year = kFoundYear;
        for (SourcePlace& p : source.places)
            for (SourceView& v : p.views) v.photo = "photos/l.jpg";
        source.places[1].views[1].photo = "photos/p.jpg";
        source.places[1].views[1].portrait = true;
        built_ = Build(source);
        std::string error;
        ASSERT_TRUE(WritePhotographs(built_, sourceDir_.path(), data.path(), error)) << error;
        data.writeTable(built_.image);
        LoadContent(Startup().DataDir);
        ASSERT_TRUE(Content().loaded()) << (boxes.empty() ? "" : boxes.front());
        SetPictureRoot(data.path());
        area_.resize(Startup().ScreenWidth, Startup().ScreenHeight);
        explore_ = std::make_unique<TZMExplore>(&area_);
        explore_->ArrangeControls();
    }
    void TearDown() override {
        explore_.reset();
        ReleasePictures();
        ScreenTest::TearDown();
    }
    int place(int source) const { return built_.placeIndexOfSource[static_cast<size_t>(source)]; }
    void arrive(int source) {
        Explore().CurrentPlace = place(source);
        explore_->ArriveAt(place(source));
    }
    ViewTab* tab(int i) const {
        return explore_->PicTabPanel->TabButtons[static_cast<size_t>(i - 1)];
    }
    int visibleTabs() const {
        int n = 0;
        for (QPushButton* t : explore_->PicTabPanel->TabButtons)
            n += t->isVisibleTo(explore_.get()) ? 1 : 0;
        return n;
    }
    // The slideshow steps only while the picture loader is idle.
    static void tick(TZMExplore& explore) {
        QElapsedTimer waited;
        waited.start();
        while (Pictures().LoadingView.load() != -1 && waited.elapsed() < 10000) {
            QCoreApplication::processEvents();
            QThread::msleep(2);
        }
        explore.Slideshow->ShowTimerTimer();
    }
    // Puts the word into the caption box and selects it, as a double-click does.
    void selectInCaption(QTextEdit* box, const QString& word) {
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        end.insertText(QStringLiteral(" ") + word);
        box->setTextCursor(box->document()->find(word));
    }
    static QString nameWord(int place) {
        const std::string name = PlaceName(place);
        return QString::fromLatin1(name.substr(0, name.find(',')));
    }
    void press(int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        explore_->FormKeyDown(&event);
    }

    DataDirectory sourceDir_;
    BuiltEdition built_;
    QWidget area_;
    std::unique_ptr<TZMExplore> explore_;
};

TEST_F(ExploreTest, ArrivingShowsOneTabPerViewNumberedFromOne) {
    arrive(1);
    EXPECT_EQ(explore_->ViewsHere, 2);
    EXPECT_EQ(visibleTabs(), 2);
    EXPECT_EQ(tab(1)->text(), "1");
    EXPECT_FALSE(explore_->PicTabPanel->EyeDownButton->isEnabled());
    EXPECT_EQ(explore_->CurrentView, 0);
}

TEST_F(ExploreTest, ManyViewsFillTheColumnAndEnableTheEyes) {
    arrive(0);
    const int columnSize = explore_->layout().tabSlots;
    EXPECT_EQ(explore_->ViewsHere, kManyViews);
    EXPECT_EQ(visibleTabs(), columnSize);
    EXPECT_TRUE(explore_->PicTabPanel->EyeDownButton->isEnabled());
    explore_->PicTabPanel->ScrollTabsDown();
    EXPECT_FALSE(tab(1)->isVisibleTo(explore_.get()));
    EXPECT_TRUE(tab(columnSize + 1)->isVisibleTo(explore_.get()));
    EXPECT_EQ(tab(2)->y(), explore_->layout().firstTabTop);
}

TEST_F(ExploreTest, ShowingViewsOutsideTheColumnScrollsOrJumps) {
    arrive(0);
    const int columnSize = explore_->layout().tabSlots;
    explore_->ShowView(columnSize);
    explore_->NextPButtonClick();
    EXPECT_EQ(explore_->CurrentView, columnSize + 1);
    EXPECT_EQ(explore_->PicTabPanel->Tabs.first, 2);
    explore_->TabBtnClick(2);
    explore_->ShowView(kManyViews);
    EXPECT_EQ(explore_->PicTabPanel->Tabs.first, kManyViews - columnSize + 1);
    EXPECT_EQ(tab(kManyViews)->y(),
              explore_->layout().firstTabTop + (columnSize - 1) * explore_->layout().tabHeight);
}

TEST_F(ExploreTest, HoldingAnEyeButtonRepeatsFasterAfterTheFirstStep) {
    arrive(0);
    explore_->PicTabPanel->EyeDownButtonMouseDown();
    EXPECT_EQ(explore_->PicTabPanel->Tabs.first, 2);
    EXPECT_EQ(explore_->PicTabPanel->DownTimer->interval(), 320);
    explore_->PicTabPanel->DownTimerTimer();
    EXPECT_EQ(explore_->PicTabPanel->Tabs.first, 3);
    EXPECT_EQ(explore_->PicTabPanel->DownTimer->interval(), 80);
    explore_->PicTabPanel->EyeButtonMouseUp();
    EXPECT_FALSE(explore_->PicTabPanel->DownTimer->isActive());
}

TEST_F(ExploreTest, KeyForATabOutsideTheColumnDoesNothing) {
    arrive(0);
    for (int i = 0; i < 7; ++i) explore_->PicTabPanel->ScrollTabsDown();
    press(Qt::Key_7);
    EXPECT_EQ(explore_->CurrentView, 0);
    press(Qt::Key_9);
    EXPECT_EQ(explore_->CurrentView, 9);
    press(Qt::Key_PageUp);
    EXPECT_EQ(explore_->PicTabPanel->Tabs.first, 7);
}

TEST_F(ExploreTest, NextCyclesMapViewsMap) {
    arrive(1);
    explore_->NextPButtonClick();
    EXPECT_EQ(explore_->CurrentView, 1);
    EXPECT_TRUE(explore_->LanPicture->isVisibleTo(explore_.get()));
    EXPECT_TRUE(explore_->LanCap->isVisibleTo(explore_.get()));
    press(Qt::Key_Return);
    EXPECT_EQ(explore_->CurrentView, 2);
    EXPECT_TRUE(explore_->PortPicture->isVisibleTo(explore_.get()));
    EXPECT_FALSE(explore_->LanPicture->isVisibleTo(explore_.get()));
    EXPECT_TRUE(explore_->PortCap->isVisibleTo(explore_.get()));
    EXPECT_FALSE(explore_->LanCap->isVisibleTo(explore_.get()));
    EXPECT_EQ(explore_->ShownView, Content().firstViewOf(place(1)) + 1);
    explore_->NextPButtonClick();
    EXPECT_EQ(explore_->CurrentView, 0);
    EXPECT_FALSE(explore_->PortPicture->isVisibleTo(explore_.get()));
}

TEST_F(ExploreTest, TheShownTabIsMarkedAndWider) {
    arrive(1);
    explore_->ShowView(2);
    EXPECT_EQ(tab(2)->width(), explore_->layout().tabWidth + 2);
    EXPECT_TRUE(tab(2)->marked());
    EXPECT_FALSE(tab(1)->marked());
    explore_->ShowView(1);
    EXPECT_EQ(tab(2)->width(), explore_->layout().tabWidth);
    EXPECT_EQ(tab(1)->width(), explore_->layout().tabWidth + 2);
    EXPECT_FALSE(tab(2)->marked());
    EXPECT_TRUE(tab(1)->marked());
}

TEST_F(ExploreTest, FoundSetModeShowsOnlyTheSetsViews) {
    ASSERT_GT(SelectYears(kFoundYear - 1, kFoundYear), 0);
    Explore().ExploreInSet = true;
    arrive(0);
    EXPECT_EQ(explore_->ViewsHere, 3);
    EXPECT_EQ(visibleTabs(), 3);
    EXPECT_FALSE(explore_->PicTabPanel->EyeDownButton->isEnabled());
    explore_->ShowView(2);
    EXPECT_EQ(explore_->ShownView, Content().firstViewOf(place(0)) + 4);
}

TEST_F(ExploreTest, DelayedArrivalShowsTheFirstViewWhenTheTimerFires) {
    Explore().ArrivalMode = kArriveShowFirstView;
    arrive(1);
    EXPECT_TRUE(explore_->ToViewTimer->isActive());
    explore_->ToCacheTimerTimer();
    GetPicture(Content().firstViewOf(place(1)));  // the loader is idle again
    explore_->ToViewTimerTimer();
    EXPECT_FALSE(explore_->ToViewTimer->isActive());
    EXPECT_EQ(explore_->CurrentView, 1);
}

TEST_F(ExploreTest, MovingOnReturnsToTheMap) {
    arrive(1);
    explore_->ShowView(1);
    explore_->StepTo(place(2));
    EXPECT_EQ(Explore().CurrentPlace, place(2));
    EXPECT_EQ(Explore().ArrivalMode, kArriveShowMap);
    EXPECT_EQ(explore_->CurrentView, 0);
    EXPECT_EQ(tab(1)->width(), explore_->layout().tabWidth);
    EXPECT_FALSE(explore_->ToViewTimer->isActive());
}

TEST_F(ExploreTest, HomeGoesToTheControlScreen) {
    QSignalSpy asked(explore_.get(), &TZMExplore::controlScreenRequested);
    area_.show();
    Explore().CurrentPlace = place(1);
    explore_->show();
    press(Qt::Key_Home);
    EXPECT_EQ(asked.count(), 1);
    EXPECT_FALSE(explore_->isVisible());
}

TEST_F(ExploreTest, AltKeysOpenTheBoxesAndPrintTheMapOrTheView) {
    int about = 0;
    int mapPrints = 0;
    int printBoxes = 0;
    arrive(1);
    QObject::connect(explore_->EPopupMenu, &ExploreMenu::aboutRequested, [&] { ++about; });
    QObject::connect(explore_.get(), &TZMExplore::printMapRequested, [&] { ++mapPrints; });
    SetPrintBoxResponder([&](QPrinter&) {
        ++printBoxes;
        return false;
    });
    QKeyEvent altA(QEvent::KeyPress, Qt::Key_A, Qt::AltModifier);
    explore_->FormKeyDown(&altA);
    QKeyEvent altP(QEvent::KeyPress, Qt::Key_P, Qt::AltModifier);
    explore_->FormKeyDown(&altP);
    explore_->ShowView(1);
    explore_->FormKeyDown(&altP);
    SetPrintBoxResponder(nullptr);
    EXPECT_EQ(about, 1);
    EXPECT_EQ(mapPrints, 1);
    EXPECT_EQ(printBoxes, 1);             // the view's Print Image
    EXPECT_EQ(explore_->CurrentView, 1);  // no Next view with Alt
}

TEST_F(ExploreTest, BackUndoesTheStepsInTurn) {
    arrive(1);
    explore_->StepTo(place(2));
    explore_->StepTo(place(3));
    EXPECT_TRUE(explore_->StepPanel->BackButton->isEnabled());
    press(Qt::Key_Delete);
    EXPECT_EQ(Explore().CurrentPlace, place(2));
    press(Qt::Key_Backspace);
    EXPECT_EQ(Explore().CurrentPlace, place(1));
    EXPECT_FALSE(explore_->StepPanel->BackButton->isEnabled());
    press(Qt::Key_Delete);
    EXPECT_EQ(Explore().CurrentPlace, place(1));
}

TEST_F(ExploreTest, BackAfter600StepsUndoesAtMost512) {
    arrive(1);
    for (int i = 0; i < 600; ++i) explore_->StepTo(place(2 + i % 2));
    int backs = 0;
    while (explore_->StepPanel->BackButton->isEnabled()) {
        explore_->StepPanel->BackButtonClick();
        ++backs;
    }
    EXPECT_EQ(backs, BackHistory::kCapacity);
}

TEST_F(ExploreTest, CursorKeysStepWhereTheDataSaysANeighbourIs) {
    int from = -1;
    for (int s = 1; s < 50 && from == -1; ++s)
        if ((Content().place(place(s)).PlaceFlags2 & kPlaceHasNorth) &&
            PlaceToNorth(place(s), false) != -1)
            from = s;
    ASSERT_NE(from, -1);
    arrive(from);
    EXPECT_TRUE(explore_->StepPanel->NorthButton->isEnabled());
    press(Qt::Key_Up);
    EXPECT_EQ(Explore().CurrentPlace, PlaceToNorth(place(from), false));
    EXPECT_EQ(explore_->StepPanel->History.count(), 1);
}

TEST_F(ExploreTest, FoundSetModeSwitchedOnOutsideTheSetMovesWithoutHistory) {
    ASSERT_GT(SelectYears(kFoundYear - 1, kFoundYear), 0);
    arrive(1);
    explore_->StepTo(place(2));
    explore_->FormShow();
    ASSERT_TRUE(explore_->StepPanel->WithinSet->isEnabled());
    explore_->StepPanel->WithinSet->setChecked(true);
    explore_->WithinSetClick();
    const PlaceRecord& was = Content().place(place(2));
    EXPECT_EQ(Explore().CurrentPlace, NearestFoundPlace(was.x, was.y, kAnyDistance));
    EXPECT_TRUE(IsInFoundSet(Explore().CurrentPlace));
    EXPECT_FALSE(explore_->StepPanel->BackButton->isEnabled());
}

TEST_F(ExploreTest, CoastTourStepsWithLeftAndRightOnly) {
    ASSERT_GT(SelectYears(kFoundYear - 1, kFoundYear), 0);
    TourTable tour;
    tour.places[tour.count++] = static_cast<int16_t>(place(0));
    for (int p : kOtherSetPlaces) tour.places[tour.count++] = static_cast<int16_t>(place(p));
    Content().Tour = tour;
    ApplyTourOrder();
    ASSERT_TRUE(Content().TourOrderActive);
    Explore().ExploreInSet = true;
    arrive(0);
    EXPECT_TRUE(explore_->StepPanel->ClockButton->isVisibleTo(explore_.get()));
    EXPECT_FALSE(explore_->StepPanel->NorthButton->isVisibleTo(explore_.get()));
    press(Qt::Key_Up);
    press(Qt::Key_Down);
    EXPECT_EQ(Explore().CurrentPlace, place(0));
    press(Qt::Key_Right);
    EXPECT_EQ(Explore().CurrentPlace, NextTourPlace(place(0)));
    EXPECT_NE(Explore().CurrentPlace, place(0));
    press(Qt::Key_Left);
    EXPECT_EQ(Explore().CurrentPlace, place(0));
}

TEST_F(ExploreTest, LocalSlideshowWrapsToViewOne) {
    arrive(1);
    explore_->Slideshow->SShowButtonClick();
    EXPECT_TRUE(explore_->Slideshow->ShowTimer->isActive());
    EXPECT_FALSE(explore_->Slideshow->SlideGlyphIdle);
    EXPECT_EQ(explore_->CurrentView, 1);
    tick(*explore_);
    EXPECT_EQ(explore_->CurrentView, 2);
    tick(*explore_);
    EXPECT_EQ(explore_->CurrentView, 1);
    press(Qt::Key_Escape);
    EXPECT_FALSE(explore_->Slideshow->ShowTimer->isActive());
    EXPECT_TRUE(explore_->Slideshow->SlideGlyphIdle);
}

TEST_F(ExploreTest, StoppedBeforeAFullRoundTheSlideshowResumesThere) {
    arrive(0);
    explore_->Slideshow->SShowButtonClick();
    for (int i = 0; i < 3; ++i) tick(*explore_);
    press(Qt::Key_F5);
    EXPECT_EQ(explore_->Slideshow->SlideStartView, 4);
    explore_->Slideshow->SShowButtonClick();
    EXPECT_EQ(explore_->CurrentView, 4);
}

TEST_F(ExploreTest, AfterAFullRoundTheSlideshowRestartsAtOne) {
    arrive(1);
    explore_->Slideshow->SShowButtonClick();
    tick(*explore_);
    tick(*explore_);
    tick(*explore_);
    explore_->Slideshow->SShowButtonClick();
    EXPECT_EQ(explore_->Slideshow->SlideStartView, 1);
}

TEST_F(ExploreTest, MovingOnDuringTheSlideshowStartsItAgainOnArrival) {
    arrive(1);
    explore_->Slideshow->SShowButtonClick();
    explore_->StepTo(place(2));
    EXPECT_EQ(Explore().ArrivalMode, kArriveStartSlideshow);
    EXPECT_TRUE(explore_->Slideshow->ShowTimer->isActive());
    EXPECT_EQ(explore_->CurrentView, 0);
    tick(*explore_);
    EXPECT_EQ(explore_->CurrentView, 1);
    EXPECT_EQ(explore_->ShownView, Content().firstViewOf(place(2)));
}

TEST_F(ExploreTest, CtrlReleasedWithoutMovingBringsTheSameViewBack) {
    arrive(0);
    explore_->ShowView(3);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    explore_->FormKeyDown(&down);
    EXPECT_EQ(explore_->CurrentView, 0);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    explore_->FormKeyUp(&up);
    EXPECT_EQ(explore_->CurrentView, 3);
    EXPECT_EQ(Explore().ArrivalMode, kArriveShowFirstView);
}

TEST_F(ExploreTest, RightButtonReleasedOverTheMapButtonEndsThePeek) {
    arrive(0);
    explore_->ShowView(2);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    explore_->FormKeyDown(&down);
    EXPECT_EQ(explore_->CurrentView, 0);
    const QPointF at(3, 3);
    QMouseEvent release(QEvent::MouseButtonRelease, at, explore_->MapButton->mapToGlobal(at),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(explore_->MapButton, &release);
    EXPECT_EQ(explore_->CurrentView, 2);
}

// Digit keys go by the key's place on the keyboard: Shift held for a peek, another layout's
// top row or the keypad still choose the tab; a program's key event keeps its character.
TEST_F(ExploreTest, DigitKeysChooseTabsByTheKeyPressed) {
    arrive(0);
    const auto key = [this](int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
        QKeyEvent event(QEvent::KeyPress, qtKey, modifiers, scanCode, 0, 0);
        explore_->FormKeyDown(&event);
        return explore_->CurrentView;
    };
    EXPECT_EQ(key(Qt::Key_NumberSign, Qt::ShiftModifier, 12), 3);  // Shift+3 on a UK keyboard
    EXPECT_EQ(key(Qt::Key_QuoteDbl, Qt::NoModifier, 12), 3);       // 3 on an AZERTY keyboard
    EXPECT_EQ(key(Qt::Key_5, Qt::KeypadModifier, 84), 5);          // keypad 5
    EXPECT_EQ(key(Qt::Key_4, Qt::NoModifier, 0), 4);
    EXPECT_EQ(key(Qt::Key_Agrave, Qt::NoModifier, 19), 0);     // 0 on an AZERTY keyboard: the map
    EXPECT_EQ(key(Qt::Key_NumberSign, Qt::NoModifier, 0), 1);  // any other key: next view
    EXPECT_EQ(DigitOfKey(Qt::Key_A, Qt::NoModifier, 38), -1);
}

TEST_F(ExploreTest, TheMapAndEyeButtonsAnswerAnyButtonButTheRightOnPress) {
    arrive(0);
    const auto pressOn = [](QWidget* button, Qt::MouseButton which) {
        const QPointF at(3, 3);
        QMouseEvent press(QEvent::MouseButtonPress, at, button->mapToGlobal(at), which, which,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(button, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, button->mapToGlobal(at), which,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &release);
    };
    explore_->ShowView(2);
    pressOn(explore_->MapButton, Qt::RightButton);
    EXPECT_EQ(explore_->CurrentView, 2);
    pressOn(explore_->MapButton, Qt::MiddleButton);
    EXPECT_EQ(explore_->CurrentView, 0);

    const int first = explore_->PicTabPanel->Tabs.first;
    pressOn(explore_->PicTabPanel->EyeDownButton, Qt::RightButton);
    EXPECT_EQ(explore_->PicTabPanel->Tabs.first, first);
    pressOn(explore_->PicTabPanel->EyeDownButton, Qt::MiddleButton);
    EXPECT_EQ(explore_->PicTabPanel->Tabs.first, first + 1);
    EXPECT_FALSE(explore_->PicTabPanel->DownTimer->isActive());  // released: no repeat
}

TEST_F(ExploreTest, ShownInFoundSetModeWithoutAFoundSetExploresEverywhere) {
    ASSERT_FALSE(HasFoundSet());
    Explore().ExploreInSet = true;
    Explore().CurrentPlace = place(1);
    explore_->FormShow();
    EXPECT_FALSE(Explore().ExploreInSet);
    EXPECT_FALSE(explore_->StepPanel->WithinSet->isChecked());
    const uint8_t bits = Content().place(place(1)).PlaceFlags2;
    EXPECT_EQ(explore_->StepPanel->NorthButton->isEnabled(), (bits & kPlaceHasNorth) != 0);
    EXPECT_EQ(explore_->StepPanel->SouthButton->isEnabled(), (bits & kPlaceHasSouth) != 0);
}

TEST_F(ExploreTest, CtrlHeldOverTwoStepsShowsTheNewPlacesFirstView) {
    arrive(0);
    explore_->ShowView(3);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    explore_->FormKeyDown(&down);
    explore_->StepTo(place(2));
    explore_->StepTo(place(3));
    EXPECT_EQ(explore_->CurrentView, 0);
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    explore_->FormKeyUp(&up);
    GetPicture(Content().firstViewOf(place(3)));
    explore_->ToViewTimerTimer();
    EXPECT_EQ(explore_->CurrentView, 1);
    EXPECT_EQ(explore_->ShownView, Content().firstViewOf(place(3)));
}

TEST_F(ExploreTest, ACaptionLinkStepsToTheNamedPlace) {
    EXPECT_EQ(CaptionLinkPlace(QString(), true, false), -1);  // a click without a selection
    arrive(1);
    explore_->ShowView(1);
    selectInCaption(explore_->LanCap, nameWord(place(4)));
    EXPECT_EQ(Explore().CurrentPlace, place(4));
    EXPECT_EQ(explore_->StepPanel->History.count(), 1);
}

TEST_F(ExploreTest, TheCurrentPlacesNameClearsTheSelection) {
    arrive(1);
    explore_->ShowView(1);
    selectInCaption(explore_->LanCap, nameWord(place(1)));
    EXPECT_EQ(Explore().CurrentPlace, place(1));
    EXPECT_FALSE(explore_->LanCap->textCursor().hasSelection());
}

TEST_F(ExploreTest, InFoundSetModeLinksLeadOnlyIntoTheSet) {
    ASSERT_GT(SelectYears(kFoundYear - 1, kFoundYear), 0);
    Explore().ExploreInSet = true;
    arrive(0);
    explore_->ShowView(1);
    selectInCaption(explore_->LanCap, nameWord(place(1)));
    EXPECT_EQ(Explore().CurrentPlace, place(0));
    selectInCaption(explore_->LanCap, nameWord(place(kOtherSetPlaces[0])));
    EXPECT_EQ(Explore().CurrentPlace, place(kOtherSetPlaces[0]));
}

TEST_F(ExploreTest, FocusInACaptionIsGivenBackAfterASecond) {
    area_.show();
    explore_->show();
    QApplication::setActiveWindow(&area_);
    arrive(1);
    for (int view : {1, 2}) {  // landscape, then portrait
        explore_->ShowView(view);
        QTextEdit* box = view == 1 ? explore_->LanCap : explore_->PortCap;
        ASSERT_TRUE(box->isVisible()) << view;
        box->setFocus(Qt::MouseFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), box) << view;
        EXPECT_TRUE(explore_->FocusTimer->isActive());
        EXPECT_EQ(explore_->FocusTimer->interval(), 1000);
        explore_->FocusTimerTimer();
        EXPECT_FALSE(explore_->FocusTimer->isActive());
        EXPECT_FALSE(box->hasFocus()) << view;
        EXPECT_EQ(QApplication::focusWidget(), nullptr) << view;
    }
}

TEST(CaptionLinks, LondonMeansTheGovernmentQuarterInLandscapeOnly) {
    EXPECT_EQ(CaptionLinkKey(QStringLiteral("london"), true), "London Gov");
    EXPECT_EQ(CaptionLinkKey(QStringLiteral("London"), false), "London,");
    EXPECT_EQ(CaptionLinkKey(QStringLiteral("Tarnwick"), true), "Tarnwick,");
    EXPECT_EQ(CaptionLinkKey(QString(), true), ",");
}

TEST(BackHistory, KeepsTheMostRecent512) {
    BackHistory h;
    for (int i = 0; i < 600; ++i) h.push(i);
    EXPECT_EQ(h.count(), 512);
    EXPECT_EQ(h.pop(), 599);
    for (int i = 0; i < 510; ++i) h.pop();
    EXPECT_EQ(h.pop(), 88);
    EXPECT_EQ(h.pop(), -1);
}

ViewRecord recordOf(const char* heading, int nameEnd, const char* body) {
    ViewRecord v{};
    std::memcpy(v.Text, heading, std::strlen(heading));
    v.NameEnd = static_cast<uint8_t>(nameEnd);
    v.CaptionStart = static_cast<uint8_t>(std::strlen(heading) + 2);
    std::memcpy(v.Text + v.CaptionStart, body, std::strlen(body));
    return v;
}

TEST(ExploreCaption, LandscapeHeadingIsOneLinePortraitSplitsIt) {
    const ViewRecord v = recordOf("Tarnwick, Fernmoor: The tarn", 20, "Deep water.");
    const CaptionText lan = CaptionOf(v, true);
    EXPECT_EQ(lan.heading, "Tarnwick, Fernmoor: The tarn");
    EXPECT_TRUE(lan.title.isEmpty());
    EXPECT_EQ(lan.body, "Deep water.");
    const CaptionText port = CaptionOf(v, false);
    EXPECT_EQ(port.heading, "Tarnwick, Fernmoor:");  // keeps the character ending the line
    EXPECT_EQ(port.title, "The tarn");
    EXPECT_EQ(port.body, "Deep water.");
}

TEST(ExploreCaption, OffsetsPastTheRecordStayInside) {
    ViewRecord v{};
    std::memset(v.Text, 'a', sizeof v.Text);
    v.NameEnd = 250;
    v.CaptionStart = 255;
    const CaptionText port = CaptionOf(v, false);
    EXPECT_EQ(port.heading.size(), kViewTextSize);
    EXPECT_TRUE(port.body.isEmpty());
}

TEST(ExploreCaption, CopyTextIsHeadingLineFeedBodyAndStaysInsideTheRecord) {
    const ViewRecord v = recordOf("Tarnwick, Fernmoor: The tarn", 20, "Deep water.");
    EXPECT_EQ(CaptionCopyText(v), "Tarnwick, Fernmoor: The tarn\nDeep water.");
    ViewRecord full{};
    std::memset(full.Text, 'a', sizeof full.Text);  // no NUL anywhere
    full.CaptionStart = 255;
    EXPECT_EQ(CaptionCopyText(full), QString(kViewTextSize, QLatin1Char('a')) + "\n");
}

// Printer faults played for one test.
class FaultyPrinter {
  public:
    explicit FaultyPrinter(const PrinterFaults& faults) { InjectPrinterFaults(faults); }
    ~FaultyPrinter() { InjectPrinterFaults(PrinterFaults{}); }
    FaultyPrinter(const FaultyPrinter&) = delete;
    FaultyPrinter& operator=(const FaultyPrinter&) = delete;
};

class ViewPrintingTest : public ExploreTest {
  protected:
    void TearDown() override {
        SetPrintBoxResponder(nullptr);
        ExploreTest::TearDown();
    }
    void print() { explore_->EPopupMenu->EPrint->trigger(); }
    QString pdf() const { return dir_.filePath(QStringLiteral("view.pdf")); }
    // The band under the picture right of the title panel and the logo, in the pixels of a page
    // rendered at `dpi`.
    QRect captionBand(int dpi) const {
        const QPrinter& printer = SharedPrinter();
        const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
        const int width = explore_->LanPicture->width();
        const QSize source(width, explore_->IconImage->geometry().bottom() + 1);
        const QRect target = FitToPage(source, page);
        const int top =
            LandscapeCaptionTop(target, source.height(), explore_->LanPicture->height());
        const int left = explore_->TitlePanel->geometry().right() + 1;
        const int right = width;
        const double scale = static_cast<double>(dpi) / printer.resolution();
        const double across = scale * target.width() / width;
        const QPoint origin = printer.pageLayout().paintRectPixels(dpi).topLeft();
        return QRect(origin.x() + static_cast<int>(target.left() * scale + left * across) + 1,
                     origin.y() + static_cast<int>(top * scale) + 1,
                     static_cast<int>((right - left) * across) - 2,
                     static_cast<int>((target.bottom() - top) * scale) - 1);
    }

    QTemporaryDir dir_;
};

TEST_F(ViewPrintingTest, NothingToPrintOrCopyBeforeAViewHasShown) {
    int asked = 0;
    CancelPrinting(&asked);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    arrive(1);
    print();
    explore_->EPopupMenu->ECopyCaption->trigger();
    explore_->EPopupMenu->ECopyImage->trigger();
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(ViewPrintingTest, MenuHasEveryItemInOrder) {
    QStringList texts;
    for (const QAction* item : explore_->EPopupMenu->actions())
        texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(texts, (QStringList{"Mi&nimise", "-", "&About...", "&Help...", "-", "&Copy Image",
                                  "Copy Cap&tion", "&Print Image", "Printer Set&up..."}));
    int helps = 0;
    QObject::connect(explore_->EPopupMenu, &ExploreMenu::helpToggleRequested, [&] { ++helps; });
    arrive(1);
    press(Qt::Key_F1);
    EXPECT_EQ(helps, 1);
}

TEST_F(ViewPrintingTest, CopiesThePictureShownAndTheWholeCaption) {
    arrive(1);
    explore_->ShowView(2);  // the portrait view
    ASSERT_TRUE(Content().view(explore_->ShownView).isPortrait());
    explore_->EPopupMenu->ECopyImage->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              explore_->PortPicture->image()->convertToFormat(QImage::Format_RGB32));
    explore_->EPopupMenu->ECopyCaption->trigger();
    const QString text = QGuiApplication::clipboard()->text();
    EXPECT_EQ(text, CaptionCopyText(Content().view(explore_->ShownView)));
    EXPECT_TRUE(text.startsWith(QString::fromLatin1(PlaceName(place(1)).c_str())));
    EXPECT_EQ(text.count(QLatin1Char('\n')), 1);
}

TEST_F(ViewPrintingTest, PrintsOnePageWithThePictureAndItsCaptionUnderIt) {
    arrive(0);
    explore_->ShowView(1);
    ASSERT_FALSE(Content().view(explore_->ShownView).isPortrait());
    const std::vector<QWidget*> controls{
        explore_->StepPanel,   explore_->NextPButton, explore_->Slideshow->SShowButton,
        explore_->PicTabPanel, explore_->MapButton,   explore_->CloseBtn};
    std::vector<bool> shown;
    for (QWidget* control : controls) shown.push_back(control->isVisibleTo(explore_.get()));
    PrintToPdf(pdf());
    print();
    EXPECT_TRUE(boxes.empty());
    for (size_t i = 0; i < controls.size(); ++i)
        EXPECT_EQ(controls[i]->isVisibleTo(explore_.get()), shown[i]) << i;
    EXPECT_EQ(explore_->palette().color(QPalette::Window), QColor::fromRgb(kScreenBackdrop));

    const QRect band = captionBand(40);
    const std::vector<QImage> captioned = PdfPages(pdf(), 40);
    ASSERT_EQ(captioned.size(), 1u);
    EXPECT_FALSE(InkBounds(captioned[0].copy(band)).isEmpty());  // the caption
    const QImage picture =
        captioned[0].copy(band.left(), band.top() - band.height(), band.width(), band.height());
    EXPECT_NE(picture.pixel(picture.width() / 2, picture.height() / 2), qRgb(255, 255, 255));

    // The last strip fails: the job ends without the caption, and the code is reported.
    const int strips = PlanStrips(explore_->IconImage->geometry().bottom() + 1).count;
    {
        const FaultyPrinter faulty(PrinterFaults{false, strips - 1, 5});
        print();
    }
    EXPECT_EQ(boxes, std::vector<std::string>{"Printing stopped with error code 5"});
    const std::vector<QImage> stopped = PdfPages(pdf(), 40);
    ASSERT_EQ(stopped.size(), 1u);
    EXPECT_TRUE(InkBounds(stopped[0].copy(band)).isEmpty());
}

TEST_F(ViewPrintingTest, PrintsAPortraitViewWithItsCaptionBesideThePicture) {
    arrive(1);
    explore_->ShowView(2);
    ASSERT_TRUE(Content().view(explore_->ShownView).isPortrait());
    PrintToPdf(pdf(), true);
    print();
    EXPECT_TRUE(boxes.empty());
    const std::vector<QImage> pages = PdfPages(pdf(), 40);
    ASSERT_EQ(pages.size(), 1u);
    // Where the caption box lies on the screen image, on the page.
    const QPrinter& printer = SharedPrinter();
    const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const QSize source(explore_->LanPicture->width(), explore_->PortPicture->height());
    const QRect target = FitToPage(source, page);
    const QPoint corner =
        PortraitCaptionOrigin(target, source, explore_->PortCap->geometry().topLeft());
    const double scale = 40.0 / printer.resolution();
    const QPoint origin = printer.pageLayout().paintRectPixels(40).topLeft();
    const QRect beside(origin.x() + static_cast<int>(corner.x() * scale) + 1,
                       origin.y() + static_cast<int>(corner.y() * scale),
                       static_cast<int>((target.right() - corner.x()) * scale) - 2,
                       static_cast<int>(target.height() * scale / 4));
    EXPECT_FALSE(InkBounds(pages[0].copy(beside)).isEmpty());
}

TEST_F(ViewPrintingTest, APrinterWithoutBitmapsPrintsNothing) {
    arrive(0);
    explore_->ShowView(1);
    PrintToPdf(pdf());
    {
        const FaultyPrinter faulty(PrinterFaults{true, -1, 0});
        print();
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Printer does not print bitmaps");
    EXPECT_FALSE(QFile::exists(pdf()));
}

}  // namespace
