// The Slideshow page: choosing a show, the found-set panel, the keys, the options and the
// music menu with the copy of the user's music file.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "app/startupstate.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "content/foundset.h"
#include "content/showlist.h"
#include "platform/usermusic.h"
#include "screens/explore/explorestate.h"
#include "screens/home/showpage.h"
#include "screens/show/showstate.h"
#include "tests/support/editions.h"
#include "tests/support/music.h"
#include "tests/support/screenfixture.h"

namespace {

class ShowPageTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        EditionSource source = SimpleEdition(60, 2);
        for (size_t p = 0; p < source.places.size(); p += 3) source.places[p].inStandardShow = true;
        built_ = Build(source);
        data.writeTable(built_.image);
        LoadContent(Startup().DataDir);
        ASSERT_TRUE(Content().loaded()) << (boxes.empty() ? "" : boxes.front());
        TourTable& tour = Content().Tour;
        tour.count = 0;
        for (int16_t stop : built_.tour) tour.places[tour.count++] = stop;
        if (tour.count == 0)
            for (int p = 0; p < 5; ++p) tour.places[tour.count++] = static_cast<int16_t>(p * 7);
        sheet_ = std::make_unique<ShowPage>();
        page = sheet_.get();
        QObject::connect(sheet_.get(), &ShowPage::flashRequested, [this](bool list) {
            EXPECT_TRUE(list);
            ++flashes;
        });
    }

    static std::vector<int> listed() {
        const ContentStore& c = Content();
        std::vector<int> places;
        for (int p = c.ShowHead; p != -1 && places.size() < static_cast<size_t>(c.PlaceCount);
             p = c.ShowLinks[p].ShowNext) {
            places.push_back(p);
            if (p == c.ShowTail) break;
        }
        return places;
    }
    std::string musicFile(const char* name, const std::vector<uint8_t>& bytes) const {
        const std::string path = files_.path().toStdString() + "/" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
        return path;
    }
    static QByteArray read(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    BuiltEdition built_;
    std::unique_ptr<ShowPage> sheet_;
    ShowPage* page = nullptr;
    int flashes = 0;
    QTemporaryDir files_;
};

TEST_F(ShowPageTest, EachPanelBuildsItsShow) {
    page->ChooseShow(0);
    EXPECT_EQ(Content().ShowKind, kShowStandard);
    for (int p : listed()) EXPECT_TRUE(Content().place(p).PlaceFlags & kPlaceInStandardShow) << p;
    page->ChooseShow(2);
    EXPECT_EQ(listed().size(), static_cast<size_t>(Content().PlaceCount));
    page->ChooseShow(1);
    EXPECT_EQ(Content().ShowKind, kShowTour);
    EXPECT_EQ(Content().ShowLinks[Content().ShowTail].ShowNext, Content().ShowHead);
    EXPECT_EQ(page->SelectedShow, 1);
    EXPECT_EQ(flashes, 3);
    // Only the chosen panel is lowered.
    EXPECT_EQ(page->ShowPanels[1]->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(page->ShowPanels[2]->frameShadow(), QFrame::Raised);
    EXPECT_NE(page->ShowPanels[1]->palette().color(QPalette::Window),
              page->ShowPanels[2]->palette().color(QPalette::Window));
}

TEST_F(ShowPageTest, FoundSetPanelWaitsForAFoundSet) {
    page->ShowSheetShow();
    EXPECT_FALSE(page->ShowPanels[3]->isEnabled());
    page->ChooseShow(3);
    EXPECT_EQ(page->SelectedShow, -1);

    ASSERT_GT(SelectYears(1500, 1700), 0);
    page->ShowSheetShow();
    EXPECT_TRUE(page->ShowPanels[3]->isEnabled());
    page->ChooseShow(3);
    EXPECT_EQ(Content().ShowKind, kShowFoundSet);
    for (int p : listed()) EXPECT_TRUE(IsInFoundSet(p)) << p;
}

TEST_F(ShowPageTest, ANewSearchRebuildsShow3OnTheNextVisit) {
    ASSERT_GT(SelectYears(1500, 1700), 0);
    page->ChooseShow(3);
    const std::vector<int> before = listed();
    ASSERT_GT(SelectYears(1800, 1999), 0);
    page->ShowSheetShow();
    EXPECT_EQ(Content().ShowGeneration, Content().FoundGeneration);
    EXPECT_NE(listed(), before);
    for (int p : listed()) EXPECT_TRUE(IsInFoundSet(p)) << p;
}

TEST_F(ShowPageTest, CoastTourFoundSetRunsInCoastOrder) {
    ASSERT_GT(SelectYears(1500, 1999), 0);
    ApplyTourOrder();
    ASSERT_TRUE(Content().TourOrderActive);
    page->ChooseShow(3);
    EXPECT_EQ(page->SelectedShow, 3);
    EXPECT_EQ(Content().ShowKind, kShowTour);
    const std::vector<int> ring = listed();
    const TourTable& tour = Content().Tour;
    ASSERT_EQ(ring.size(), static_cast<size_t>(tour.count));
    for (int i = 0; i < tour.count; ++i) EXPECT_EQ(ring[static_cast<size_t>(i)], tour.places[i]);
    // Coming back to the page keeps it.
    page->ShowSheetShow();
    EXPECT_EQ(Content().ShowKind, kShowTour);
}

TEST_F(ShowPageTest, MapClickWithNoShowChosenStartsBeautifulVerdanis) {
    const PlaceRecord& at = Content().place(9);
    page->PrepareShowAt(QPoint(at.x, at.y));
    EXPECT_EQ(page->SelectedShow, 0);
    EXPECT_EQ(Content().ShowKind, kShowStandard);
    const int start = ShowWindowState().ShowPlace;
    EXPECT_TRUE(Content().place(start).PlaceFlags & kPlaceInStandardShow);
}

TEST_F(ShowPageTest, ArrowKeysMoveRoundTheGrid) {
    EXPECT_TRUE(page->TabToDummy2KeyDown(Qt::Key_Right));  // from none: the first show
    EXPECT_EQ(page->SelectedShow, 0);
    page->TabToDummy2KeyDown(Qt::Key_Down);
    EXPECT_EQ(page->SelectedShow, 2);
    page->TabToDummy2KeyDown(Qt::Key_Right);  // show 3 has no found set
    EXPECT_EQ(page->SelectedShow, 2);
    page->TabToDummy2KeyDown(Qt::Key_Up);
    EXPECT_EQ(page->SelectedShow, 0);
    page->TabToDummy2KeyDown(Qt::Key_Right);
    EXPECT_EQ(page->SelectedShow, 1);
    page->TabToDummy2KeyDown(Qt::Key_Left);
    EXPECT_EQ(page->SelectedShow, 0);
    EXPECT_FALSE(page->TabToDummy2KeyDown(Qt::Key_A));
}

TEST_F(ShowPageTest, OptionsGoToTheShowAndBackToThePreferenceBits) {
    ShowOptions stored;
    stored.MusicOn = false;
    stored.UserMusic = true;
    stored.TextMode = ShowTextMode::Captions;
    page->SetOptions(stored);
    EXPECT_TRUE(page->RadioButton3->isChecked());
    EXPECT_FALSE(page->MusicOn->isChecked());
    EXPECT_TRUE(page->MusicIHaveLoaded->isChecked());
    EXPECT_EQ(ShowWindowState().Options.TextMode, ShowTextMode::Captions);

    page->RadioButton2->setChecked(true);
    page->SetMusicOn(true);
    EXPECT_EQ(ShowWindowState().Options.TextMode, ShowTextMode::ScrollingTitles);
    EXPECT_TRUE(ShowWindowState().Options.MusicOn);
    EXPECT_TRUE(page->Options().MusicOn);
}

TEST_F(ShowPageTest, SecondsPerImageByArrowsOnly) {
    EXPECT_EQ(page->CSpinEdit1->minimum(), 2);
    EXPECT_EQ(page->CSpinEdit1->maximum(), 20);
    EXPECT_EQ(page->CSpinEdit1->value(), 6);
    EXPECT_TRUE(page->CSpinEdit1->findChild<QLineEdit*>()->isReadOnly());
    ShowWindowState().TicksPerScroll = 120;
    page->CSpinEdit1->stepUp();
    EXPECT_EQ(Explore().ShowInterval, 7000);
    EXPECT_EQ(ShowWindowState().TicksPerScroll, -1);
}

TEST_F(ShowPageTest, MenuWithoutUserMusicForcesTheStandardMusic) {
    page->MusicIHaveLoaded->setChecked(true);
    page->MusicPopupMenuPopup();
    EXPECT_TRUE(page->StandardMusic->isChecked());
    EXPECT_FALSE(page->MusicIHaveLoaded->isEnabled());
    EXPECT_FALSE(ShowWindowState().Options.UserMusic);
}

TEST_F(ShowPageTest, LoadedMusicGoesToTheUserDataDirectory) {
    page->LoadMusicFile(QString::fromStdString(musicFile("tune.mid", ShortPiece())));
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(page->MusicIHaveLoaded->isChecked());
    EXPECT_TRUE(ShowWindowState().Options.UserMusic);
    const QByteArray copied = read(UserMusicPath());
    const std::vector<uint8_t> piece = ShortPiece();
    EXPECT_EQ(copied, QByteArray(reinterpret_cast<const char*>(piece.data()),
                                 static_cast<qsizetype>(piece.size())));
    EXPECT_EQ(UserMusicPath().rfind(std::getenv("XDG_DATA_HOME"), 0), 0u);
    page->MusicPopupMenuPopup();
    EXPECT_TRUE(page->MusicIHaveLoaded->isEnabled());
}

TEST_F(ShowPageTest, FileThatIsNoMidiIsRefusedAndTheOldMusicKept) {
    page->LoadMusicFile(QString::fromStdString(musicFile("tune.mid", ShortPiece())));
    const QByteArray old = read(UserMusicPath());
    page->StandardMusicClick();
    page->LoadMusicFile(QString::fromStdString(musicFile("notes.mid", {'n', 'o', 't', 'e', 's'})));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Error: failed to copy music file to destination " + UserMusicPath() +
                            " - check this directory is not write-protected, then try again.\n");
    EXPECT_EQ(read(UserMusicPath()), old);
    EXPECT_TRUE(page->StandardMusic->isChecked());
}

TEST_F(ShowPageTest, WriteProtectedDestinationKeepsTheOldMusicAndTheChoice) {
    page->LoadMusicFile(QString::fromStdString(musicFile("tune.mid", ShortPiece())));
    const std::string oldPath = UserMusicPath();
    const QByteArray old = read(oldPath);
    page->StandardMusicClick();
    // Nothing can be created beside the old file: its directory takes no new entries.
    const QString dir = QFileInfo(QString::fromStdString(UserMusicPath())).absolutePath();
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    const bool enforced = !QFile(dir + QStringLiteral("/probe")).open(QIODevice::WriteOnly);
    if (!enforced) {
        // Permissions do not bind here (the tests run as root): block the directory instead.
        QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::remove(dir + QStringLiteral("/probe"));
        const std::string elsewhere = files_.path().toStdString() + "/blocked";
        std::ofstream(elsewhere) << "a file where a directory should be";
        setenv("XDG_DATA_HOME", elsewhere.c_str(), 1);
    }
    const std::string destination = UserMusicPath();
    page->LoadMusicFile(QString::fromStdString(musicFile("new.mid", ShortPiece())));
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(destination), std::string::npos);
    EXPECT_NE(boxes[0].find("write-protected"), std::string::npos);
    EXPECT_TRUE(page->StandardMusic->isChecked());
    EXPECT_FALSE(ShowWindowState().Options.UserMusic);
    EXPECT_EQ(read(oldPath), old);
}

}  // namespace
