// No two controls of a screen overlap and no control's text is cut, at the smallest screen, a
// middle one and the 4:3 area of a 1920 x 1080 display, in the program's own look: the control
// screen with each page, the explore screen at a place.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/programstyle.h"
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

std::string shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text().toStdString();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text().toStdString();
    return {};
}

// The width and height the text of a label or button needs, or an empty size for a control
// that shows no text of its own. Down, the last line needs its letters above the baseline.
QSize textNeeds(const QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    const auto lines = [&](int height) { return height - metrics.height() + metrics.ascent(); };
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText) return {};
        const QRect box = label->contentsRect();
        if (label->wordWrap()) return QSize(box.width(), lines(label->heightForWidth(box.width())));
        const QSize text = metrics.size(0, label->text());
        return QSize(text.width(), lines(text.height()));
    }
    // A check box or radio button: its mark, the gap and the text across.
    if (qobject_cast<const QCheckBox*>(widget) || qobject_cast<const QRadioButton*>(widget))
        return QSize(widget->sizeHint().width(), metrics.ascent());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->text().isEmpty() || !button->icon().isNull()) return {};
        const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
        return QSize(text.width(), lines(text.height()));
    }
    return {};
}

// Every shown label, check box, radio button and text button under root whose text does not
// fit its box.
std::vector<std::string> cutTexts(const QWidget* root) {
    std::vector<std::string> found;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root)) continue;
        const QSize needs = textNeeds(widget);
        if (needs.isEmpty()) continue;
        const QSize has = qobject_cast<const QLabel*>(widget)
                              ? static_cast<const QLabel*>(widget)->contentsRect().size()
                              : widget->size();
        if (needs.width() > has.width() || needs.height() > has.height())
            found.push_back(describe(widget) + " \"" + shownText(widget) + "\" needs " +
                            std::to_string(needs.width()) + "x" + std::to_string(needs.height()));
    }
    return found;
}

class OverlapTest : public ScreenTest, public ::testing::WithParamInterface<QSize> {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        ApplyProgramLook(*qApp);
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
        EXPECT_EQ(cutTexts(&home), std::vector<std::string>{}) << "page " << page;
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
    EXPECT_EQ(cutTexts(&explore), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, OverlapTest,
                         ::testing::Values(QSize(800, 600), QSize(1024, 768), QSize(1440, 1080)),
                         [](const ::testing::TestParamInfo<QSize>& size) {
                             return std::to_string(size.param.width()) + "x" +
                                    std::to_string(size.param.height());
                         });

}  // namespace
