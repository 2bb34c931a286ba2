#include "screens/explore/zmlon.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "app/shellwindows.h"
#include "app/startupstate.h"
#include "screens/common/imagecontrol.h"
#include "screens/explore/explorestate.h"
#include "screens/map/londonpictures.h"

const char kCentralLondon[] = "Central London";

namespace {

constexpr int kBorder = 2;
constexpr int kCaptionHeight = 18;
const QColor kCaptionColour(0, 0, 128);

}  // namespace

TZMLondon::TZMLondon(QWidget* parent) : QFrame(parent) {
    Windows().ZMLondon = this;
    hide();  // shown with the map while it is wanted
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(kBorder);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);

    // A tool window's caption bar with only a close box.
    Caption = new QLabel(QString::fromLatin1(kCentralLondon), this);
    Caption->setIndent(4);
    Caption->setAutoFillBackground(true);
    QPalette colours = Caption->palette();
    colours.setColor(QPalette::Window, kCaptionColour);
    colours.setColor(QPalette::WindowText, Qt::white);
    Caption->setPalette(colours);
    QFont bold = Caption->font();
    bold.setBold(true);
    Caption->setFont(bold);
    CloseBox = new QToolButton(this);
    CloseBox->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    CloseBox->setFocusPolicy(Qt::NoFocus);
    CloseBox->setAutoRaise(true);
    LonImage = new ImageControl(this);

    connect(CloseBox, &QToolButton::clicked, this, &TZMLondon::FormClose);
    connect(LonImage, &ImageControl::pressed, this, &TZMLondon::LonImageMouseDown);
    connect(LonImage, &ImageControl::clicked, this, &TZMLondon::LonImageClick);
    connect(LonImage, &ImageControl::doubleClicked, this, [this](QPoint at) {
        LonImageMouseDown(at);
        LonImageDblClick();
    });
}

TZMLondon::~TZMLondon() = default;

void TZMLondon::SetUpLondon(const QImage* picture) {
    if (Startup().Quitting) return;
    setGeometry(0, 0, kLonImageSize.width() + 2 * kBorder,
                kCaptionHeight + kLonImageSize.height() + 2 * kBorder);
    Caption->setGeometry(kBorder, kBorder, kLonImageSize.width(), kCaptionHeight);
    CloseBox->setGeometry(kBorder + kLonImageSize.width() - kCaptionHeight, kBorder, kCaptionHeight,
                          kCaptionHeight);
    LonImage->setGeometry(QRect(QPoint(kBorder, kBorder + kCaptionHeight), kLonImageSize));
    LonImage->setImage(picture);
}

void TZMLondon::FormClose() {
    emit closed();
    Explore().LondonWanted = false;
    hide();
}

// A press on the picture is a press on the map at the same place.
void TZMLondon::LonImageMouseDown(QPoint at) { emit mapPressed(InsetToMap(at)); }

void TZMLondon::LonImageClick() { emit mapClicked(); }

void TZMLondon::LonImageDblClick() { emit mapDoubleClicked(); }

void TZMLondon::FormKeyDown(QKeyEvent* event) { emit keyPressed(event); }

void TZMLondon::FormKeyUp(QKeyEvent* event) { emit keyReleased(event); }

void TZMLondon::keyPressEvent(QKeyEvent* event) { FormKeyDown(event); }

void TZMLondon::keyReleaseEvent(QKeyEvent* event) { FormKeyUp(event); }

void TZMLondon::contextMenuEvent(QContextMenuEvent* event) {
    emit menuRequested(event->globalPos());
}
