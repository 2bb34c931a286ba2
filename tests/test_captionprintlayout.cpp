// Where the printed caption goes, and the about box's machine line.
#include <gtest/gtest.h>

#include "screens/about/machinedesc.h"
#include "screens/explore/captionprintlayout.h"

namespace {

TEST(CutIntoThreeLines, CutsAtTheBlanksAfterTheThirds) {
    //                  0         1         2
    //                  0123456789012345678901234567
    const QString body("aaaa bbbb cccc dddd eeee ffff");  // 29: thirds at 9 and 19
    EXPECT_EQ(CutIntoThreeLines(body), (QStringList{"aaaa bbbb", "cccc dddd", "eeee ffff"}));
    EXPECT_EQ(CutIntoThreeLines(QStringLiteral("nospacesatall")),
              (QStringList{"nospacesatall", "", ""}));
    EXPECT_EQ(CutIntoThreeLines(QStringLiteral("one twothreefourfive")),
              (QStringList{"one twothreefourfive", "", ""}));
    EXPECT_EQ(CutIntoThreeLines(QString()), (QStringList{"", "", ""}));
}

TEST(CaptionPrintLayout, ScalesTheScreenPositionsAndSizesToThePage) {
    const QRect target(100, 0, 800, 600);
    EXPECT_EQ(PortraitCaptionOrigin(target, QSize(400, 300), QPoint(200, 150)), QPoint(500, 300));
    // A line 20 high on the screen becomes 19/600 of the printed height.
    EXPECT_EQ(PortraitCaptionSize(16, 20, 6000), 16 * 6000 * 19 / (20 * 600));
    EXPECT_EQ(LandscapeCaptionCentre(target, 600, 200), 100 + 800 * 800 / 1200);
    EXPECT_EQ(LandscapeCaptionTop(target, 500, 400), 480);
    EXPECT_EQ(LandscapeCaptionSize(16, 20, 120), 24);
    EXPECT_EQ(BodySize(40), 36);
}

TEST(MachineDesc, TheMinorVersionAlwaysHasTwoDigits) {
    MachineFacts facts{"Win", 4 * 256 + 10, 64, 1024, 768, 16};
    EXPECT_EQ(FormatMachineDesc(facts), "Win 4.10    Mem 64MB    Screen 1024x768 at 16bpp");
    facts = MachineFacts{"Linux", 5 * 256, 15890, 1440, 1080, 24};
    EXPECT_EQ(FormatMachineDesc(facts), "Linux 5.00    Mem 15890MB    Screen 1440x1080 at 24bpp");
    facts.system = std::string(300, 'x');  // no length limit
    EXPECT_EQ(FormatMachineDesc(facts).size(), 300u + 49u);
}

}  // namespace
