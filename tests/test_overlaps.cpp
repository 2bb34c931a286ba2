// No two controls of a screen overlap, at the smallest screen, a middle one and the 4:3 area of
// a 1920 x 1080 display: the control screen with each page, the explore screen at a place.
#include <gtest/gtest.h>

#include <QTabWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/startupstate.h"
#include "content/datatables.h"
#include "screens/explore/explorestate.h"
#include "screens/explore/viewtabcolumn.h"
#include "screens/explore/zmexplor.h"
#include "screens/home/timelinepage.h"
#include "screens/home/zmhome.h"
#include "tests/support/editions.h"
#include "tests/support/minimaps.h"
#include "tests/support/screenfixture.h"

namespace {

std::string describe(const QWidget* widget) {
    const QRect g = widget->geometry();
    return std::string(widget->metaObject()->className()) + " " +
           widget->objectName().toStdString() + " (" + std::to_string(g.x()) + "," +
           std::to_string(g.y()) + " " + std::to_string(g.width()) + "x" +
           std::to_string(g.height()) + ")";
}

bool isTimelineStrip(const QWidget* widget) {
    const QWidget* box = widget->parentWidget();
    const auto* page = box ? qobject_cast<const TimelinePage*>(box->parentWidget()) : nullptr;
    return page && box == page->TimeScrollBox;
}

// Every pair of shown sibling controls under root whose rectangles meet. Left out on purpose:
// the view tab column, whose marked tab overlaps the stripe, and the timeline's strip, whose
// boundary years stand across the edge between two eras.
std::vector<std::string> overlaps(const QWidget* root) {
    std::vector<std::string> found;
    std::vector<const QWidget*> parents{root};
    for (const QWidget* child : root->findChildren<QWidget*>()) parents.push_back(child);
    for (const QWidget* parent : parents) {
        if (qobject_cast<const ViewTabColumn*>(parent) || isTimelineStrip(parent) ||
            !parent->isVisibleTo(root))
            continue;
        std::vector<const QWidget*> shown;
        for (const QObject* object : parent->children()) {
            const auto* widget = qobject_cast<const QWidget*>(object);
            if (widget && !widget->isWindow() && widget->isVisibleTo(root)) shown.push_back(widget);
        }
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = i + 1; j < shown.size(); ++j)
                if (shown[i]->geometry().intersects(shown[j]->geometry()))
                    found.push_back(describe(shown[i]) + " and " + describe(shown[j]) + " in " +
                                    describe(parent));
    }
    return found;
}

class OverlapTest : public ScreenTest, public ::testing::WithParamInterface<QSize> {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        data.writeTable(Build(SimpleEdition(60, 3)).image);
        WriteMiniMaps(data);
        Startup().ScreenWidth = GetParam().width();
        Startup().ScreenHeight = GetParam().height();
    }
};

TEST_P(OverlapTest, ControlScreenPages) {
    TZMHomeWin home;
    ASSERT_FALSE(Startup().Quitting);
    home.show();
    for (int page = 0; page < home.HomeTabs->count(); ++page) {
        home.HomeTabs->setCurrentIndex(page);
        EXPECT_EQ(overlaps(&home), std::vector<std::string>{}) << "page " << page;
    }
}

TEST_P(OverlapTest, ExploreScreenAtAPlace) {
    TZMHomeWin home;  // loads the content
    ASSERT_FALSE(Startup().Quitting);
    TZMExplore explore;
    explore.ArrangeControls();
    Explore().CurrentPlace = 0;
    explore.show();
    EXPECT_EQ(overlaps(&explore), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, OverlapTest,
                         ::testing::Values(QSize(800, 600), QSize(1024, 768), QSize(1440, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& size) {
                             return std::to_string(size.param.width()) + "x" +
                                    std::to_string(size.param.height());
                         });

}  // namespace
