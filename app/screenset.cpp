#include "app/screenset.h"

#include "app/shellrequests.h"
#include "app/shellwindows.h"

void EnableScreens(bool on) {
    const ShellWindows& w = Windows();
    for (QWidget* window : {w.ZMHelpWin.data(), w.ZMShowWin.data(), w.MapKey.data(),
                            w.MapWin.data(), w.ZMExplore.data(), w.ZMHomeWin.data()}) {
        if (window) window->setEnabled(on);
    }
}

void HideScreens() {
    const ShellWindows& w = Windows();
    for (QWidget* window : {w.ZMHelpWin.data(), w.ZMAnimWin.data(), w.ZMStartWin.data(),
                            w.ZMShowWin.data(), w.MapKey.data()}) {
        if (window) window->hide();
    }
    if (w.MapWin) emit ShellAsks().hideMap();
    for (QWidget* window : {w.ZMExplore.data(), w.ZMHomeWin.data()}) {
        if (window) window->hide();
    }
}

bool SlideshowVisible() {
    const QWidget* show = Windows().ZMShowWin.data();
    return show && show->isVisible();
}

void RaiseCompanionWindows() {
    const ShellWindows& w = Windows();
    for (QWidget* window :
         {w.ExitInfoDlg.data(), w.MapWin.data(), w.MapKey.data(), w.ZMLondon.data(),
          w.ZMHelpWin.data(), w.ZMAboutBox.data(), w.UpgradeBox.data()}) {
        if (window && window->isVisible()) window->raise();
    }
}
