#include "screens/exit/exitinfodlg.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <cmath>
#include <memory>

#include "app/colours.h"
#include "app/screenset.h"
#include "app/shellwindows.h"
#include "app/stage.h"
#include "app/startupstate.h"
#include "platform/fontsetup.h"
#include "screens/common/shellart.h"
#include "screens/exit/creditstext.h"

namespace {

const QColor kBackdrop = QColor::fromRgb(kScreenBackdrop);
const QColor kHeadingColour(232, 200, 112);
const char kJingleFile[] = "000\\J0.dat";

// The bottom of the last line of the document, laid out at width, that ends within room.
qreal lastWholeLineBottom(const QTextDocument& document, qreal width, qreal room) {
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->setDefaultFont(document.defaultFont());
    copy->setDocumentMargin(document.documentMargin());
    copy->setTextWidth(width);
    QAbstractTextDocumentLayout* layout = copy->documentLayout();
    qreal last = 0;
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        const qreal top = layout->blockBoundingRect(block).top();
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const qreal bottom = top + lines->lineAt(i).rect().bottom();
            if (bottom > room) return last;
            last = bottom;
        }
    }
    return last;
}

}  // namespace

TExitInfoDlg::TExitInfoDlg(QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    Windows().ExitInfoDlg = this;
    setModal(true);
    setWindowTitle(QString::fromLatin1(kProductTitle));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackdrop);
    colours.setColor(QPalette::WindowText, Qt::white);
    colours.setColor(QPalette::Base, kBackdrop);
    colours.setColor(QPalette::Text, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);

    TitlePanel = new QLabel(QStringLiteral("Vantora Fernvales Credits"), this);
    TitlePanel->setAlignment(Qt::AlignCenter);
    TextDisplay = new QTextEdit(this);
    TextDisplay->setReadOnly(true);
    TextDisplay->setFrameShape(QFrame::NoFrame);
    TextDisplay->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextDisplay->setPlainText(CreditsText());
    LeftBBar = new QLabel(this);
    Panel1 = new QLabel(this);
    ExitBtn = new QPushButton(QStringLiteral("Exit"), this);
    ExitBtn->setToolTip(QStringLiteral("Exit the program"));
    ExitBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setToolTip(QStringLiteral("Return to the program"));
    connect(ExitBtn, &QPushButton::clicked, this, [this] { done(kExitChosen); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(kCancelChosen); });
    connect(&JinglePlayer, &MidiPlayer::notify, this, &TExitInfoDlg::JinglePlayerNotify);
    // Any touch of the text keeps the dialog open after the jingle.
    for (QObject* part :
         {static_cast<QObject*>(TextDisplay), static_cast<QObject*>(TextDisplay->viewport()),
          static_cast<QObject*>(TextDisplay->verticalScrollBar())})
        part->installEventFilter(this);
    if (Startup().ScreenHeight > 0) arrange();
}

TExitInfoDlg::~TExitInfoDlg() = default;

void TExitInfoDlg::Run() {
    if (exec() == kCancelChosen)
        emit exitCancelled();
    else
        emit exitChosen();
}

void TExitInfoDlg::arrange() {
    const int W = Startup().ScreenWidth;
    const int H = Startup().ScreenHeight;
    setGeometry(QRect(AreaOriginOnScreen(), QSize(W, H)));
    QFont font(QString::fromLatin1(kBookmanFace));
    font.setBold(true);
    font.setPixelSize(W * 14 / 800);
    setFont(font);
    QFont title = font;
    title.setPixelSize(W * 20 / 800);
    TitlePanel->setFont(title);
    TitlePanel->setGeometry(0, 0, W, H * 36 / 600);
    TextDisplay->setGeometry(W * 4 / 800, H * 40 / 600, W * 792 / 800, H * 510 / 600);
    QFont body = font;
    body.setBold(false);
    TextDisplay->setFont(body);
    TextDisplay->document()->setDocumentMargin(W * 12 / 800);
    const int barTop = H * 556 / 600;
    const int buttonWidth = W * 96 / 800;
    const int buttonHeight = H * 30 / 600;
    const int gap = W * 8 / 800;
    CancelBtn->setGeometry(W - gap - buttonWidth, barTop + (H - barTop - buttonHeight) / 2,
                           buttonWidth, buttonHeight);
    ExitBtn->setGeometry(CancelBtn->x() - gap - buttonWidth, CancelBtn->y(), buttonWidth,
                         buttonHeight);
    const int barHeight = H * 12 / 600;
    const int barY = barTop + (H - barTop - barHeight) / 2;
    LeftBBar->setGeometry(gap, barY, ExitBtn->x() - 2 * gap, barHeight);
    LeftBBar->setPixmap(QPixmap::fromImage(PaintSilverBar(LeftBBar->size())));
    Panel1->setGeometry(0, H * 36 / 600, W, 2);
    Panel1->setPixmap(QPixmap::fromImage(PaintSilverBar(Panel1->size())));
}

void TExitInfoDlg::SetUp() {
    if (Startup().Quitting || setUp_) return;
    setUp_ = true;
    arrange();
    QTextDocument* document = TextDisplay->document();
    QTextCharFormat heading;
    heading.setForeground(kHeadingColour);
    QFont headingFont = TextDisplay->font();
    headingFont.setPixelSize(Startup().ScreenWidth * 19 / 800);
    headingFont.setBold(true);
    heading.setFont(headingFont, QTextCharFormat::FontPropertiesSpecifiedOnly);
    for (const QString& text : CreditsHeadings()) {
        QTextCursor found = document->find(text);
        if (!found.isNull()) found.mergeCharFormat(heading);
    }
    TextDisplay->moveCursor(QTextCursor::Start);
    endOnWholeLine();
}

// The box ends below a whole line, so no line shows cut in half under the first page.
void TExitInfoDlg::endOnWholeLine() {
    const int room = Startup().ScreenHeight * 510 / 600;
    const int width = TextDisplay->width() - TextDisplay->verticalScrollBar()->sizeHint().width();
    const qreal bottom = lastWholeLineBottom(*TextDisplay->document(), width, room);
    if (bottom > 0) TextDisplay->resize(TextDisplay->width(), static_cast<int>(std::ceil(bottom)));
}

void TExitInfoDlg::showEvent(QShowEvent* event) {
    SetUp();
    QDialog::showEvent(event);
    raise();
    if (JinglePlayer.open(DataPath(kJingleFile))) JinglePlayer.play();
    JingleAutoExit = true;
    JinglePlayer.setNotify(true);
    ExitBtn->setFocus();
    HideScreens();
}

void TExitInfoDlg::hideEvent(QHideEvent* event) {
    JinglePlayer.setNotify(false);
    JinglePlayer.stop();
    JinglePlayer.close();
    QDialog::hideEvent(event);
}

void TExitInfoDlg::JinglePlayerNotify() {
    if (JingleAutoExit && isVisible()) ExitBtn->click();
}

void TExitInfoDlg::reject() { done(kCancelChosen); }

void TExitInfoDlg::mousePressEvent(QMouseEvent* event) {
    JingleAutoExit = false;
    QDialog::mousePressEvent(event);
}

bool TExitInfoDlg::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::FocusIn:
            JingleAutoExit = false;
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}
