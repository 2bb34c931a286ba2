#include "screens/explore/exploremenu.h"

#include <QPushButton>
#include <QTimer>

#include "app/stage.h"
#include "screens/explore/localslideshow.h"
#include "screens/explore/zmexplor.h"

ExploreMenu::ExploreMenu(TZMExplore& screen) : QMenu(&screen), screen_(screen), printing_(screen) {
    EMinimise = addAction(QStringLiteral("Mi&nimise"), this, &ExploreMenu::EMinimiseClick);
    addSeparator();
    About = addAction(QStringLiteral("&About..."), this, &ExploreMenu::aboutRequested);
    EHelp = addAction(QStringLiteral("&Help..."), this, &ExploreMenu::helpToggleRequested);
    EHelp->setShortcut(QKeySequence(Qt::Key_F1));
    addSeparator();
    ECopyImage = addAction(QStringLiteral("&Copy Image"), this, [this] { printing_.CopyImage(); });
    ECopyCaption =
        addAction(QStringLiteral("Copy Cap&tion"), this, [this] { printing_.CopyCaption(); });
    EPrint = addAction(QStringLiteral("&Print Image"), this, [this] { printing_.PrintImage(); });
    EPrinterSetup =
        addAction(QStringLiteral("Printer Set&up..."), this, &ExploreMenu::printerSetupRequested);
}

// The delayed starts and a running local slideshow stop before the program goes down.
void ExploreMenu::EMinimiseClick() {
    screen_.ToViewTimer->stop();
    LocalSlideshow& slideshow = *screen_.Slideshow;
    slideshow.ToShowTimer->stop();
    if (slideshow.Running() && slideshow.SShowButton->isEnabled()) slideshow.SShowButtonClick();
    if (TStage* stage = Stage()) stage->minimise();
}
