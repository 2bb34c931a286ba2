// The control screen's Search, Timeline and Tour pages, driven through the screen that hosts
// them: what they find, what they show, and how the map follows.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <set>

#include "app/startupstate.h"
#include "content/compass.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/nearestplace.h"
#include "content/pictures.h"
#include "platform/beep.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/steppanel.h"
#include "screens/explore/zmexplor.h"
#include "screens/home/homelayout.h"
#include "screens/home/searchpage.h"
#include "screens/home/timelinepage.h"
#include "screens/home/tourpage.h"
#include "screens/home/tourpanel.h"
#include "screens/home/tourpictures.h"
#include "screens/home/zmhome.h"
#include "tests/support/editions.h"
#include "tests/support/minimaps.h"
#include "tests/support/screenfixture.h"

namespace {

constexpr int kCastlesTour = 4;
constexpr int kCoastTour = 5;

class HomePagesTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        SetBeepObserver([this] { ++beeps; });
        EditionSource source = SimpleEdition(60, 2);
        const auto set = [&](int p, const char* title, const char* caption, uint32_t topics) {
            SourceView& v = source.places[static_cast<size_t>(p)].views[0];
            v.title = title;
            v.caption = caption;
            v.topicMaskA = topics;
        };
        set(0, "Castle Keep", "Old walls by the river.", 0x20 | 0x40);
        set(1, "Harbour", "Boats below the castle rock.", 0x40);
        set(2, "Abbey Church", "A quiet Castle green.", 0x20);
        set(3, "Mill", "The river mill and castle ford.", 0);
        source.places[4].views[0].year = -100;
        source.places[5].views[1].year = 300;
        built_ = Build(source);
        data.writeTable(built_.image);
        WriteMiniMaps(data);
        home_ = std::make_unique<TZMHomeWin>();
        ASSERT_TRUE(Content().loaded());
        Content().Tour = TourTable{};
        for (int p : {0, 1})
            Content().Tour.places[Content().Tour.count++] = static_cast<int16_t>(place(p));
    }
    void TearDown() override {
        home_.reset();
        SetBeepObserver(nullptr);
        ScreenTest::TearDown();
    }

    int place(int source) const { return built_.placeIndexOfSource[static_cast<size_t>(source)]; }
    std::set<int> foundPlaces() const {
        std::set<int> found;
        for (int p = 0; p < Content().PlaceCount; ++p)
            if (IsInFoundSet(p)) found.insert(p);
        return found;
    }
    std::set<int> places(std::initializer_list<int> sources) const {
        std::set<int> result;
        for (int s : sources) result.insert(place(s));
        return result;
    }
    void showPage(HomePage page) { home_->HomeTabs->setCurrentIndex(static_cast<int>(page)); }
    // Types the terms (empty strings leave a box empty) and presses Search.
    int search(std::initializer_list<const char*> terms) {
        SearchPage& s = *home_->SearchSheet;
        QLineEdit* const boxes[] = {s.FText0, s.FText1, s.FText2, s.FText3};
        int i = 0;
        for (QLineEdit* box : boxes) box->clear();
        for (const char* term : terms) boxes[i++]->setText(QString::fromLatin1(term));
        s.SearchButtonClick();
        return home_->Pages.LastSearchCount;
    }

    int beeps = 0;
    BuiltEdition built_;
    std::unique_ptr<TZMHomeWin> home_;
};

TEST_F(HomePagesTest, EitherBoxOfAGroupSearchesAlone) {
    showPage(HomePage::Search);
    ASSERT_EQ(search({"castle"}), 4);
    const std::set<int> first = foundPlaces();
    EXPECT_EQ(first, places({0, 1, 2, 3}));
    EXPECT_EQ(search({"", "castle"}), 4);
    EXPECT_EQ(foundPlaces(), first);
    EXPECT_EQ(search({"", "", "castle"}), 4);
    EXPECT_EQ(foundPlaces(), first);
    EXPECT_EQ(search({"", "", "", "castle"}), 4);
    // Both groups: (river OR harbour) AND castle.
    EXPECT_EQ(search({"river", "harbour", "castle"}), 3);
    EXPECT_EQ(foundPlaces(), places({0, 1, 3}));
    EXPECT_EQ(home_->SearchSheet->FoundReport->text(), QStringLiteral("3 places found"));
}

TEST_F(HomePagesTest, TermsLoseTheirBlanksButPhrasesKeepTheirs) {
    EXPECT_EQ(search({"  castle  "}), 4);
    EXPECT_EQ(search({"river mill"}), 1);
    EXPECT_EQ(foundPlaces(), places({3}));
    EXPECT_EQ(search({"rivermill"}), 0);
}

TEST_F(HomePagesTest, CaseAndTitlesOnly) {
    SearchPage& s = *home_->SearchSheet;
    EXPECT_EQ(search({"CASTLE"}), 4);
    s.CaseCheckBox->setChecked(true);
    EXPECT_EQ(search({"CASTLE"}), 0);
    EXPECT_EQ(search({"Castle"}), 2);
    EXPECT_EQ(foundPlaces(), places({0, 2}));
    s.CaseCheckBox->setChecked(false);
    s.TitleOnlyButton->setChecked(true);
    EXPECT_EQ(search({"castle"}), 1);  // place 2 has it in its caption only
    EXPECT_EQ(foundPlaces(), places({0}));
    EXPECT_EQ(search({"walls"}), 0);
}

TEST_F(HomePagesTest, RefiningNarrowsTheSetEachTime) {
    SearchPage& s = *home_->SearchSheet;
    EXPECT_FALSE(s.FSetCheckBox->isEnabled());
    ASSERT_EQ(search({"castle"}), 4);
    EXPECT_TRUE(s.FSetCheckBox->isEnabled());
    s.FSetCheckBox->setChecked(true);
    EXPECT_EQ(search({"river"}), 2);
    EXPECT_EQ(foundPlaces(), places({0, 3}));
    EXPECT_EQ(search({"mill"}), 1);
    EXPECT_EQ(foundPlaces(), places({3}));
    EXPECT_EQ(search({"harbour"}), 0);
    EXPECT_FALSE(s.FSetCheckBox->isEnabled());
}

TEST_F(HomePagesTest, ARefinementWorksOnTheTourSet) {
    showPage(HomePage::Tour);
    home_->TourSheet->ChooseTour(kCastlesTour);
    ASSERT_EQ(foundPlaces(), places({0, 2}));
    showPage(HomePage::Search);
    SearchPage& s = *home_->SearchSheet;
    EXPECT_TRUE(s.FSetCheckBox->isEnabled());
    s.FSetCheckBox->setChecked(true);
    // The castle views of places 0 and 2 are the marked ones: place 3's river is not looked at.
    EXPECT_EQ(search({"river"}), 1);
    EXPECT_EQ(foundPlaces(), places({0}));
}

TEST_F(HomePagesTest, ARefusedSearchBeepsAndChangesNothing) {
    SearchPage& s = *home_->SearchSheet;
    ASSERT_EQ(search({"castle"}), 4);
    const int generation = Content().FoundGeneration;
    EXPECT_EQ(search({"   ", ""}), 4);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Content().FoundGeneration, generation);
    EXPECT_EQ(s.FoundReport->text(), QStringLiteral("4 places found"));
    EXPECT_EQ(search({"nowhere"}), 0);
    s.FSetCheckBox->setChecked(true);  // as it was before the set emptied
    EXPECT_EQ(search({"castle"}), 0);
    EXPECT_EQ(beeps, 2);
}

TEST_F(HomePagesTest, ASearchFlashesAndTheMapThenExploresInTheSet) {
    showPage(HomePage::Search);
    SearchPage& s = *home_->SearchSheet;
    s.FText0->setText(QStringLiteral("castle"));
    QTest::keyClick(s.FText0, Qt::Key_Return);
    EXPECT_EQ(s.FoundReport->text(), QStringLiteral("4 places found"));
    EXPECT_TRUE(home_->MMFlashTimer->isActive());
    home_->MiniMapMouseDown(QPoint(300, 500));
    home_->MiniMapClick();
    EXPECT_TRUE(Explore().ExploreInSet);
    EXPECT_TRUE(IsInFoundSet(Explore().CurrentPlace));

    // Coming back to the page: the report starts again from 0, and the map explores everywhere.
    showPage(HomePage::GoTo);
    EXPECT_FALSE(home_->MMFlashTimer->isActive());
    showPage(HomePage::Search);
    EXPECT_EQ(s.FoundReport->text(), QStringLiteral("0 places found"));
    EXPECT_TRUE(s.FSetCheckBox->isEnabled());
    home_->MiniMapClick();
    EXPECT_FALSE(Explore().ExploreInSet);

    s.CaseCheckBox->setChecked(true);
    s.TitleOnlyButton->setChecked(true);
    s.FText2->setText(QStringLiteral("x"));
    s.ClearButtonClick();
    EXPECT_TRUE(s.FText2->text().isEmpty());
    EXPECT_FALSE(s.CaseCheckBox->isChecked());
    EXPECT_TRUE(s.AllTextButton->isChecked());
}

TEST_F(HomePagesTest, EraPicturesArePaintedWhenTheTimelineIsFirstShown) {
    TimelinePage& t = *home_->TimeSheet;
    ASSERT_FALSE(t.isVisible());
    for (const QLabel* image : t.TimeImages) EXPECT_TRUE(image->pixmap().isNull());
    showPage(HomePage::Timeline);
    for (const QLabel* image : t.TimeImages) EXPECT_EQ(image->pixmap().size(), image->size());
}

TEST_F(HomePagesTest, TimelineStartsAtTheNewestEra) {
    TimelinePage& t = *home_->TimeSheet;
    EXPECT_EQ(t.DateFrom->text(), QStringLiteral("1902"));
    EXPECT_EQ(t.DateTo->text(), QStringLiteral("2000"));
    EXPECT_EQ(t.TimeScrollBar->value(), 1800);
    EXPECT_EQ(t.stripPosition(), 1800);
}

TEST_F(HomePagesTest, ADragQueriesOnlyWhenItEnds) {
    showPage(HomePage::Timeline);
    TimelinePage& t = *home_->TimeSheet;
    const int generation = Content().FoundGeneration;
    t.TimeScrollBarScroll(TimeScrollCode::Track, 400);
    t.TimeScrollBarScroll(TimeScrollCode::Track, 0);
    EXPECT_EQ(Content().FoundGeneration, generation);
    EXPECT_EQ(t.DateFrom->text(), QStringLiteral("1902"));
    EXPECT_TRUE(t.ScrollPending);  // the strip waits for the block to end
    EXPECT_EQ(t.stripPosition(), 400);
    t.TimeScrollBar->setValue(0);
    t.ScrollBlockTimerTimer();
    EXPECT_EQ(t.stripPosition(), 0);

    t.TimeScrollBarScroll(TimeScrollCode::EndTrack, 0);
    EXPECT_EQ(t.DateFrom->text(), QStringLiteral("---"));
    EXPECT_EQ(t.DateTo->text(), QStringLiteral("55 BC"));
    EXPECT_NE(Content().FoundGeneration, generation);
    EXPECT_EQ(home_->Pages.TimelineGeneration, Content().FoundGeneration);
    EXPECT_EQ(foundPlaces(), places({4}));
    EXPECT_TRUE(home_->MMFlashTimer->isActive());
}

TEST_F(HomePagesTest, LineStepsQueryASecondAfterTheLastPageStepsAtOnce) {
    showPage(HomePage::Timeline);
    TimelinePage& t = *home_->TimeSheet;
    const int generation = Content().FoundGeneration;
    t.TimeScrollBarScroll(TimeScrollCode::LineStep, 220);
    EXPECT_EQ(t.DateFrom->text(), QStringLiteral("55 BC"));
    EXPECT_EQ(t.DateTo->text(), QStringLiteral("410"));
    EXPECT_TRUE(t.SearchTimer->isActive());
    EXPECT_EQ(t.SearchTimer->interval(), 1000);
    EXPECT_EQ(Content().FoundGeneration, generation);
    t.SearchTimerTimer();
    EXPECT_EQ(foundPlaces(), places({5}));
    EXPECT_EQ(home_->Pages.TimelineGeneration, Content().FoundGeneration);

    t.TimeScrollBarScroll(TimeScrollCode::PageStep, 1600);
    EXPECT_FALSE(t.SearchTimer->isActive());
    EXPECT_EQ(t.DateFrom->text(), QStringLiteral("1811"));
    EXPECT_EQ(home_->Pages.TimelineGeneration, Content().FoundGeneration);
    const int afterPage = Content().FoundGeneration;
    t.TimeScrollBarScroll(TimeScrollCode::Jump, 1610);  // the same period: nothing to ask
    EXPECT_EQ(Content().FoundGeneration, afterPage);
}

TEST_F(HomePagesTest, ReturningToTheTimelineKeepsItsDatesAndRequeriesOnTheNextScroll) {
    showPage(HomePage::Timeline);
    TimelinePage& t = *home_->TimeSheet;
    t.TimeScrollBarScroll(TimeScrollCode::PageStep, 600);
    const QString from = t.DateFrom->text();
    showPage(HomePage::Tour);
    showPage(HomePage::Timeline);
    EXPECT_EQ(t.DateFrom->text(), from);
    EXPECT_EQ(t.TimeScrollBar->value(), 600);
    const int generation = Content().FoundGeneration;
    t.ScrollBlockTimerTimer();
    t.TimeScrollBarScroll(TimeScrollCode::LineStep, 610);
    EXPECT_TRUE(t.SearchTimer->isActive());
    t.SearchTimerTimer();
    EXPECT_NE(Content().FoundGeneration, generation);
}

TEST_F(HomePagesTest, HomeIsNeutralOnTheBarAndEnterQueries) {
    TimelinePage& t = *home_->TimeSheet;
    EXPECT_TRUE(t.TimeScrollBarKeyDown(Qt::Key_Home));
    EXPECT_EQ(t.TimeScrollBar->value(), 1800);
    const int generation = Content().FoundGeneration;
    EXPECT_TRUE(t.TimeScrollBarKeyDown(Qt::Key_Return));
    EXPECT_NE(Content().FoundGeneration, generation);
    EXPECT_FALSE(t.TimeScrollBarKeyDown(Qt::Key_Left));
}

TEST_F(HomePagesTest, TourPicturesArePaintedWhenThePageIsFirstShown) {
    TourPage& tour = *home_->TourSheet;
    ASSERT_FALSE(tour.isVisible());
    for (const TourPanel* panel : tour.TP) EXPECT_TRUE(panel->picture()->pixmap().isNull());
    showPage(HomePage::Tour);
    for (const TourPanel* panel : tour.TP) {
        EXPECT_EQ(panel->picture()->pixmap().size(), QSize(kTourPictureWidth, kTourPictureHeight));
        EXPECT_EQ(panel->picture()->size(), panel->picture()->pixmap().size());
    }
}

TEST_F(HomePagesTest, APanelsPictureAndCaptionsChooseItsTour) {
    showPage(HomePage::Tour);
    TourPage& tour = *home_->TourSheet;
    QTest::mouseClick(tour.TP[kCastlesTour]->picture(), Qt::LeftButton);
    EXPECT_EQ(tour.SelectedTour, kCastlesTour);
    EXPECT_EQ(foundPlaces(), places({0, 2}));
    EXPECT_TRUE(tour.TP[kCastlesTour]->chosen());
    EXPECT_TRUE(home_->MMFlashTimer->isActive());
    EXPECT_EQ(home_->Pages.TourGeneration, Content().FoundGeneration);

    QTest::mouseClick(tour.TP[29]->captionLine(1), Qt::LeftButton);
    EXPECT_EQ(tour.SelectedTour, 29);
    EXPECT_FALSE(tour.TP[kCastlesTour]->chosen());
    QTest::mouseClick(tour.TP[7], Qt::LeftButton);
    EXPECT_EQ(tour.SelectedTour, 7);
    EXPECT_EQ(tour.TP[7]->colour(), QColor(0xCE - 0x24, 0xCE - 0x24, 0xCE));
    // A greyed panel is deaf.
    QTest::mouseClick(tour.TP[9]->captionLine(0), Qt::LeftButton);
    tour.ChooseTour(12);
    EXPECT_EQ(tour.SelectedTour, 7);
}

TEST_F(HomePagesTest, KeysMoveTheChoiceWithinTheGrid) {
    showPage(HomePage::Tour);
    TourPage& tour = *home_->TourSheet;
    EXPECT_TRUE(tour.TabToDummyKeyDown(Qt::Key_Down));  // nothing chosen: the first
    EXPECT_EQ(tour.SelectedTour, 0);
    tour.ChooseTour(4);
    tour.TabToDummyKeyDown(Qt::Key_Right);
    EXPECT_EQ(tour.SelectedTour, 4);
    tour.ChooseTour(8);
    tour.TabToDummyKeyDown(Qt::Key_Right);  // Festivals cannot be chosen
    EXPECT_EQ(tour.SelectedTour, 8);
    tour.TabToDummyKeyDown(Qt::Key_Down);
    EXPECT_EQ(tour.SelectedTour, 13);
    for (int i = 29; i < 34; ++i) {
        tour.ChooseTour(i);
        tour.TabToDummyKeyDown(Qt::Key_Down);
        EXPECT_EQ(tour.SelectedTour, i);
    }
    tour.TabToDummyKeyDown(Qt::Key_Up);
    EXPECT_EQ(tour.SelectedTour, 28);
    // Tabbing into the page runs the chosen tour again.
    const int generation = Content().FoundGeneration;
    tour.TabToDummyEnter();
    EXPECT_EQ(tour.SelectedTour, 28);
    EXPECT_NE(Content().FoundGeneration, generation);
    EXPECT_FALSE(tour.TabToDummyKeyDown(Qt::Key_A));
}

TEST_F(HomePagesTest, TheCoastTourGoesRoundTheCoast) {
    showPage(HomePage::Tour);
    home_->TourSheet->ChooseTour(kCoastTour);
    EXPECT_EQ(foundPlaces(), places({0, 1}));
    EXPECT_TRUE(Content().TourOrderActive);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(NextTourPlace(place(0)), place(1));
    EXPECT_EQ(NextTourPlace(place(1)), place(0));
    EXPECT_EQ(PreviousTourPlace(place(0)), place(1));
    home_->MiniMapClick();
    EXPECT_TRUE(Explore().ExploreInSet);

    // Another tour is in place order again.
    home_->TourSheet->ChooseTour(kCastlesTour);
    EXPECT_FALSE(Content().TourOrderActive);
}

TEST_F(HomePagesTest, TheExploreScreenStepsRoundTheCoastTour) {
    showPage(HomePage::Tour);
    home_->TourSheet->ChooseTour(kCoastTour);
    home_->MiniMapMouseDown(home_->miniMapCanvas().placePixel(place(0)));
    home_->MiniMapClick();
    ASSERT_EQ(Explore().CurrentPlace, place(0));
    ASSERT_TRUE(Explore().ExploreInSet);

    SetPictureRoot(data.path());
    QWidget area;
    area.resize(Startup().ScreenWidth, Startup().ScreenHeight);
    TZMExplore explore(&area);
    explore.ArrangeControls();
    explore.ArriveAt(place(0));
    EXPECT_TRUE(explore.StepPanel->ClockButton->isVisibleTo(&explore));
    EXPECT_TRUE(explore.StepPanel->AClockButton->isVisibleTo(&explore));
    EXPECT_FALSE(explore.StepPanel->EastButton->isVisibleTo(&explore));
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    explore.FormKeyDown(&right);
    EXPECT_EQ(Explore().CurrentPlace, place(1));
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    explore.FormKeyDown(&left);
    EXPECT_EQ(Explore().CurrentPlace, place(0));
    ReleasePictures();
}

TEST_F(HomePagesTest, ReturningToTheTourPageRebuildsItsSet) {
    showPage(HomePage::Tour);
    home_->TourSheet->ChooseTour(kCastlesTour);
    showPage(HomePage::Search);
    ASSERT_EQ(search({"harbour"}), 1);
    showPage(HomePage::Tour);
    EXPECT_EQ(foundPlaces(), places({0, 2}));
    EXPECT_EQ(home_->Pages.TourGeneration, Content().FoundGeneration);
    EXPECT_TRUE(home_->MMFlashTimer->isActive());
}

}  // namespace
