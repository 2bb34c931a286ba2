// The about box and the upgrade box: modal, fixed, their texts, the machine line and the flags
// the map reads.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/startupstate.h"
#include "screens/about/machinedesc.h"
#include "screens/about/state.h"
#include "screens/about/zmrandom.h"
#include "tests/support/screenfixture.h"

namespace {

using InfoBoxTest = ScreenTest;

// Runs `check` while the box is up, then presses its OK button.
void whileOpen(InfoBox& box, const std::function<void()>& check) {
    QTimer::singleShot(0, &box, [&box, check] {
        check();
        box.OKButton->click();
    });
}

TEST_F(InfoBoxTest, AboutBoxDescribesTheMachineWhileItIsOpen) {
    TZMAboutBox about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vantora Fernvales"));
    EXPECT_EQ(about.size(), QSize(368, 344));
    EXPECT_EQ(about.ProductName->text(), QStringLiteral("Vantora Fernvales"));
    EXPECT_EQ(about.Version->text(), QStringLiteral("Version 1.2"));
    EXPECT_FALSE(about.ProgramIcon->pixmap().isNull());
    bool showing = false;
    QString machine;
    whileOpen(about, [&] {
        showing = about.AboutShowing && about.isVisible() && about.isModal();
        machine = about.MachineDesc->text();
    });
    about.ShowAbout();
    EXPECT_TRUE(showing);
    EXPECT_FALSE(about.AboutShowing);
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_EQ(machine.toStdString(), FormatMachineDesc(CurrentMachine()));
    EXPECT_TRUE(machine.contains(
        QStringLiteral("Screen %1x%2").arg(Startup().ScreenWidth).arg(Startup().ScreenHeight)));
}

TEST_F(InfoBoxTest, UpgradeBoxTellsOfTheFullProduct) {
    TUpgradeBox upgrade;
    EXPECT_EQ(upgrade.windowTitle(),
              QStringLiteral("Upgrade to explore the whole of mainland Verdanis"));
    EXPECT_EQ(upgrade.ProductName->text(), QStringLiteral("Upgrade to the full Vantora Verdanis"));
    EXPECT_TRUE(upgrade.ProductName->font().bold());
    EXPECT_EQ(upgrade.StaticText1->text(),
              QStringLiteral("Vantora Fernvales lets you explore the many delights of the "
                             "Corvanic Fernvales with 345 photgraphs of 159 places."));
    EXPECT_TRUE(upgrade.StaticText2->text().endsWith(QStringLiteral("including:")));
    EXPECT_EQ(upgrade.Label1->text(), QStringLiteral("* Virtually every city and town"));
    bool showing = false;
    whileOpen(upgrade, [&] { showing = upgrade.UpgradeShowing && upgrade.isVisible(); });
    upgrade.ShowUpgradeBox();
    EXPECT_TRUE(showing);
    EXPECT_FALSE(upgrade.UpgradeShowing);
}

}  // namespace
