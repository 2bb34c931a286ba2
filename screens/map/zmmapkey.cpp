#include "screens/map/zmmapkey.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QTextLayout>

#include "app/colours.h"
#include "app/shellwindows.h"
#include "app/startupstate.h"
#include "platform/fontsetup.h"
#include "screens/map/maplayout.h"
#include "screens/map/milescale.h"

const char kNowAt[] = "Now at: ";

namespace {

constexpr int kScaleLabelPoints = 8;

// Lines the text takes when wrapped at word boundaries to the width.
int wrappedLines(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
    }
    layout.endLayout();
    return lines;
}

QLabel* whiteLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(colours);
    return label;
}

}  // namespace

TMapKey::TMapKey(QWidget* parent) : QWidget(parent) {
    Windows().MapKey = this;
    hide();  // shown with the detailed map
    setFocusPolicy(Qt::NoFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(kScreenBackdrop));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    // The panel passes every press to this window, which passes it on.
    KeyPanel = new QWidget(this);
    KeyPanel->setAttribute(Qt::WA_TransparentForMouseEvents);
    Spacer = new QWidget(KeyPanel);
    MilesTitle = whiteLabel(KeyPanel);
    MilesTitle->setText(QStringLiteral("Miles"));
    MilesTitle->setAlignment(Qt::AlignCenter);
    MileScale = new QLabel(KeyPanel);
    Placename = whiteLabel(KeyPanel);
    Placename->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Placename->setWordWrap(true);
}

TMapKey::~TMapKey() = default;

void TMapKey::SetUpMapKey() {
    if (Startup().Quitting) return;
    const MapKeyLayout layout = ArrangeMapKeyLayout(Startup().ScreenWidth, Startup().ScreenHeight);
    setGeometry(layout.window);
    KeyPanel->setGeometry(rect());
    Spacer->setGeometry(0, 0, layout.window.width(), layout.milesTitle.top());
    QFont font(QString::fromLatin1(kSansFace));
    font.setPixelSize(-layout.fontHeight);
    QFont bold = font;
    bold.setBold(true);
    MilesTitle->setFont(bold);
    MilesTitle->setGeometry(layout.milesTitle);
    MileScale->setGeometry(layout.mileScale);
    QFont labelFont(QString::fromLatin1(kSansFace));
    labelFont.setPointSize(kScaleLabelPoints);
    MileScale->setPixmap(QPixmap::fromImage(DrawMileScale(layout.mileScale.size(), labelFont)));
    PlacenameFullHeight = layout.placenameFullHeight;
    Placename->setFont(font);
    Placename->setGeometry(layout.placename);
}

void TMapKey::ShowPlacename(const QString& name) {
    const QString text = QString::fromLatin1(kNowAt) + name;
    Placename->setText(text);
    const int lines = wrappedLines(text, Placename->font(), Placename->width());
    const int height = PlacenameHeight(lines, PlacenameFullHeight);
    Placename->setGeometry(0, this->height() - height, Placename->width(), height);
}

void TMapKey::FormKeyDown(QKeyEvent* event) { emit keyPressed(event); }

void TMapKey::FormKeyUp(QKeyEvent* event) { emit keyReleased(event); }

void TMapKey::keyPressEvent(QKeyEvent* event) { FormKeyDown(event); }

void TMapKey::keyReleaseEvent(QKeyEvent* event) { FormKeyUp(event); }

void TMapKey::contextMenuEvent(QContextMenuEvent* event) { emit menuRequested(event->globalPos()); }
