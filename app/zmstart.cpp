#include "app/zmstart.h"

#include "app/shellwindows.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"

TZMStartWin::TZMStartWin(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    Windows().ZMStartWin = this;
    RunStartupChecks();
    if (Startup().Quitting) return;
    const int w = Startup().ScreenWidth;
    const int h = Startup().ScreenHeight;
    resize(w * 362 / 800, h * 201 / 600);
    move((w - width()) / 2, h * 2 / 5 - height() / 2);
}

TZMStartWin::~TZMStartWin() = default;
