// Qt's font list read on a thread while the title window is made, as the program's entry does:
// Qt's fonts then work as without it.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

#include "platform/fontsetup.h"
#include "platform/fontwarmup.h"

namespace {

TEST(FontConfigWarmUp, QtFindsTheProgramsFacesAfterIt) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "test_fontwarmup";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    // One never waited for, as when the program ends early: its destructor joins the thread
    // (a thread left running would end the process here).
    {
        FontConfigWarmUp unwaited;
        unwaited.ListFamilies();
    }
    FontConfigWarmUp warmUp;
    warmUp.ListFamilies();                                   // Qt's list made on the thread...
    const QStringList families = QFontDatabase::families();  // ...or waited for here
    warmUp.wait();
    warmUp.wait();  // a second wait finds the thread gone
    EXPECT_FALSE(families.filter(QStringLiteral("URW Bookman")).isEmpty());
    EXPECT_FALSE(families.filter(QStringLiteral("DejaVu Sans")).isEmpty());
    // The family may carry its foundry: "URW Bookman [urw]".
    const QString bookman = QFontInfo(QFont(QString::fromLatin1(kBookmanFace))).family();
    EXPECT_TRUE(bookman.startsWith(QStringLiteral("URW Bookman"))) << bookman.toStdString();
}

}  // namespace
