#include "screens/about/infobox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/colours.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "platform/fontsetup.h"
#include "screens/about/programicon.h"

namespace {

constexpr int kClientWidth = 368;
constexpr int kClientHeight = 344;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kFontHeight = 14;

}  // namespace

InfoBox::InfoBox(const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(caption);
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(kScreenBackdrop));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    QFont font(QString::fromLatin1(kSansFace));
    font.setPixelSize(kFontHeight);
    setFont(font);

    const int buttonTop = kClientHeight - kMargin - kButtonHeight;
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(kMargin, kMargin, kClientWidth - 2 * kMargin, buttonTop - 2 * kMargin);
    ProgramIcon = new QLabel(Panel1);
    icon_ = PaintProgramIcon();
    ProgramIcon->setPixmap(QPixmap::fromImage(icon_));
    ProgramIcon->setScaledContents(true);
    // Takes no input; a disabled label would draw the picture greyed.
    ProgramIcon->setAttribute(Qt::WA_TransparentForMouseEvents);
    ProgramIcon->setGeometry(kMargin, kMargin, icon_.width(), icon_.height());
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    OKButton->setGeometry((kClientWidth - kButtonWidth) / 2, buttonTop, kButtonWidth,
                          kButtonHeight);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

QLabel* InfoBox::panelLabel(const QString& text, const QRect& place, Qt::Alignment alignment) {
    auto* label = new QLabel(text, Panel1);
    label->setWordWrap(true);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setGeometry(place);
    return label;
}

void InfoBox::centre() {
    move(AreaOriginOnScreen() +
         QPoint((Startup().ScreenWidth - width()) / 2, (Startup().ScreenHeight - height()) / 2));
}
