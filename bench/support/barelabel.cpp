// The yardstick for the start-up benchmark: the least a Qt Widgets program does to fill the
// screen with one label.

#include <QApplication>
#include <QLabel>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Ready"));
    label.setAlignment(Qt::AlignCenter);
    // Without a window manager, full screen is only what the geometry says, as for the stage.
    label.setGeometry(QGuiApplication::primaryScreen()->geometry());
    label.showFullScreen();
    return QApplication::exec();
}
