#include "app/shutdown.h"

#include <QCoreApplication>

#include "app/messages.h"
#include "app/shellrequests.h"
#include "app/shellwindows.h"
#include "app/startupstate.h"
#include "content/datatables.h"
#include "content/pictures.h"

ShellWindows& Windows() {
    static ShellWindows windows;
    return windows;
}

void ResetShellWindows() { Windows() = ShellWindows(); }

ShellRequests& ShellAsks() {
    static ShellRequests steps;
    return steps;
}

namespace {

void hideAndDisable(QWidget* window) {
    if (!window) return;
    window->hide();
    window->setEnabled(false);
}

}  // namespace

void Shutdown() {
    ShellWindows& w = Windows();
    ShellRequests& steps = ShellAsks();
    if (w.ZMHomeWin) emit steps.writePreferenceBits();
    hideAndDisable(w.ZMHelpWin);
    hideAndDisable(w.ZMAnimWin);
    hideAndDisable(w.ZMShowWin);
    hideAndDisable(w.MapKey);
    if (w.MapWin) {
        emit steps.hideMap();
        w.MapWin->setEnabled(false);
    }
    hideAndDisable(w.ZMExplore);
    hideAndDisable(w.ZMHomeWin);
    if (w.ZMStartWin) w.ZMStartWin->setEnabled(false);
    emit steps.releaseMap();
    emit steps.releaseExplore();
    ReleasePictures();
    if (w.ZMHomeWin) {
        ReleaseContent();
        emit steps.releaseMiniMap();
        Startup().DataDir.clear();
        Startup().PictureRoot.clear();
    }
    Startup().InstanceMutex.reset();
    // Quitting first: Qt's quit closes every window, and the stage takes a close while the
    // program is not quitting for the user asking to leave, which would open the exit dialog.
    Startup().Quitting = true;
    QCoreApplication::quit();
}

void StopStartupWithError(const std::string& text) {
    Startup().StopStartup = true;
    ShowErrorBox(text);
    Startup().ExitCode = 1;
    Shutdown();
}
