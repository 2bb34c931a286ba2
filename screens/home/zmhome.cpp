#include "screens/home/zmhome.h"

#include <QCloseEvent>
#include <QPainter>

#include "app/shellwindows.h"
#include "app/shutdown.h"
#include "app/startupchecks.h"
#include "app/startupstate.h"
#include "content/contentloader.h"
#include "content/datatables.h"
#include "platform/fontsetup.h"

namespace {

const QColor kBackdrop(0, 40, 64);  // 0x00402800 in blue-green-red

}  // namespace

TZMHomeWin::TZMHomeWin(QWidget* parent) : QWidget(parent) {
    Windows().ZMHomeWin = this;
    if (Startup().ScreenHeight == 0) RunStartupChecks();
    if (Startup().Quitting) return;
    setWindowTitle(QString::fromLatin1(kProductTitle));
    setGeometry(0, 0, Startup().ScreenWidth, Startup().ScreenHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackdrop);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    LoadContent(Startup().DataDir);
    if (Startup().Quitting) {
        Startup().ExitCode = 1;
        return;
    }
    FillPlaceNames(placeNames_);
}

TZMHomeWin::~TZMHomeWin() = default;

void TZMHomeWin::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    QFont title(kBookmanFace);
    title.setBold(true);
    title.setPixelSize(w * 33 / 800);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(0, 0, 0, -height() / 6), Qt::AlignCenter,
                     QStringLiteral("Vantora Fernvales"));
    QFont body(kSansFace);
    body.setPixelSize(w * 13 / 800);
    painter.setFont(body);
    const QString summary = QStringLiteral("%1 photographs of %2 places")
                                .arg(Content().ViewCount)
                                .arg(Content().PlaceCount);
    painter.drawText(rect().adjusted(0, height() / 6, 0, 0), Qt::AlignCenter, summary);
}

void TZMHomeWin::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!Startup().Quitting) Shutdown();
}
