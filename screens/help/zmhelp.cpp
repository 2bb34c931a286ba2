#include "screens/help/zmhelp.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

#include "app/colours.h"
#include "app/screenset.h"
#include "app/shellwindows.h"
#include "app/stage.h"
#include "app/statebits.h"
#include "platform/fontsetup.h"
#include "platform/printbox.h"
#include "screens/help/helpprinting.h"
#include "screens/help/helptext.h"

const char kHelpCaption[] = "Help: Using Vantora Fernvales";

namespace {

constexpr int kClientWidth = 592;
constexpr int kClientHeight = 400;
constexpr int kToolBarHeight = 32;
constexpr int kPlacedAt = 50;
constexpr int kTextPoints = 11;
constexpr int kTitleLength = 24;
constexpr int kTitleGrowth = 8;
constexpr int kHeadingGrowth = 4;

// Bold and larger by `growth` points, over the cursor's selection.
void enlargeBold(QTextCursor& cursor, int growth) {
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    format.setFontPointSize(kTextPoints + growth);
    cursor.mergeCharFormat(format);
}

}  // namespace

TZMHelpWin::TZMHelpWin(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    Windows().ZMHelpWin = this;
    setWindowTitle(QString::fromLatin1(kHelpCaption));
    setFocusPolicy(Qt::StrongFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor::fromRgb(kScreenBackdrop));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    resize(kClientWidth, kClientHeight);
    createControls();
    formatText();
    move(AreaOriginOnScreen() + QPoint(kPlacedAt, kPlacedAt));
    NoHelpBox->setChecked(ReadStateBit(kStateNoHelpAtStart));
}

TZMHelpWin::~TZMHelpWin() = default;

void TZMHelpWin::createControls() {
    ToolBar = new QWidget(this);
    ToolBar->setGeometry(0, 0, kClientWidth, kToolBarHeight);
    PrintBtn = new QPushButton(QStringLiteral("Print"), ToolBar);
    PrintBtn->setToolTip(QStringLiteral("Print help text"));
    PrintBtn->setFocusPolicy(Qt::NoFocus);
    PrintBtn->setGeometry(4, 4, 72, kToolBarHeight - 8);
    PrintBtn->installEventFilter(this);
    NoHelpBox = new QCheckBox(QStringLiteral("Don't show this window at startup"), ToolBar);
    NoHelpBox->setFocusPolicy(Qt::NoFocus);
    NoHelpBox->setGeometry(96, 4, kClientWidth - 100, kToolBarHeight - 8);
    connect(NoHelpBox, &QCheckBox::clicked, this, &TZMHelpWin::NoHelpBoxClick);

    HelpText = new QTextEdit(this);
    HelpText->setGeometry(0, kToolBarHeight, kClientWidth, kClientHeight - kToolBarHeight);
    HelpText->setReadOnly(true);
    HelpText->setFocusPolicy(Qt::NoFocus);
    HelpText->setFrameShape(QFrame::NoFrame);
    HelpText->setLineWrapMode(QTextEdit::WidgetWidth);
    HelpText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HelpText->setTextInteractionFlags(Qt::NoTextInteraction);
    QPalette colours = HelpText->palette();
    colours.setColor(QPalette::Base, QColor::fromRgb(kScreenBackdrop));
    colours.setColor(QPalette::Text, Qt::white);
    HelpText->setPalette(colours);
    QFont font(QString::fromLatin1(kSansFace));
    font.setPointSize(kTextPoints);
    HelpText->setFont(font);
    HelpText->document()->setDefaultFont(font);
    HelpText->viewport()->installEventFilter(this);
}

// The title bold, larger and centred; each heading, searched for after the one before, bold
// and a little larger.
void TZMHelpWin::formatText() {
    HelpText->setPlainText(HelpTextContent());
    QTextDocument* document = HelpText->document();
    QTextCursor cursor(document);
    cursor.select(QTextCursor::Document);
    QTextCharFormat body;
    body.setFontPointSize(kTextPoints);
    cursor.mergeCharFormat(body);
    cursor.setPosition(0);
    cursor.setPosition(kTitleLength, QTextCursor::KeepAnchor);
    enlargeBold(cursor, kTitleGrowth);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.mergeBlockFormat(centred);

    int from = kTitleLength;
    for (const QString& heading : HelpHeadings()) {
        QTextCursor found = document->find(heading, from, QTextDocument::FindCaseSensitively);
        if (found.isNull()) continue;
        from = found.selectionEnd();
        found.setPosition(found.selectionStart());
        found.setPosition(std::min(from + 1, document->characterCount() - 1),
                          QTextCursor::KeepAnchor);
        enlargeBold(found, kHeadingGrowth);
    }
    HelpText->moveCursor(QTextCursor::Start);
}

void TZMHelpWin::ToggleHelp() {
    if (isVisible())
        hide();
    else
        ShowHelp();
}

void TZMHelpWin::ShowHelp() {
    show();
    raise();
}

void TZMHelpWin::showEvent(QShowEvent*) { FormShow(); }

void TZMHelpWin::hideEvent(QHideEvent*) { FormHide(); }

void TZMHelpWin::FormShow() { HelpShowing = true; }

void TZMHelpWin::FormHide() {
    WriteStateBit(kStateNoHelpAtStart, NoHelpBox->isChecked());
    HelpShowing = false;
}

// F1 puts the help away; every other key is the screen underneath's.
void TZMHelpWin::FormKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        hide();
        return;
    }
    emit keyPressed(event);
}

void TZMHelpWin::FormKeyUp(QKeyEvent* event) { emit keyReleased(event); }

void TZMHelpWin::keyPressEvent(QKeyEvent* event) { FormKeyDown(event); }

void TZMHelpWin::keyReleaseEvent(QKeyEvent* event) { FormKeyUp(event); }

void TZMHelpWin::mousePressEvent(QMouseEvent*) { takeFocusAway(); }

void TZMHelpWin::HelpTextEnter() { takeFocusAway(); }

void TZMHelpWin::NoHelpBoxClick() { takeFocusAway(); }

// The window itself keeps the focus, so that its key handlers see every key.
void TZMHelpWin::takeFocusAway() {
    if (QWidget* focused = focusWidget(); focused && focused != this) focused->clearFocus();
    setFocus();
}

void TZMHelpWin::PrintBtnMouseDown(Qt::MouseButton button) {
    if (button == Qt::RightButton) return;
    if (RunPrintBox()) {
        const int copies = std::max(1, SharedPrinter().copyCount());
        PrintHelpText(*HelpText->document(), windowTitle(), copies);
    }
    takeFocusAway();
    RaiseCompanionWindows();
}

bool TZMHelpWin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (watched == PrintBtn) {
            // The dialog opens on the press; the button never stays down behind it.
            PrintBtnMouseDown(button);
            return true;
        }
        if (watched == HelpText->viewport()) HelpTextEnter();
    }
    return QWidget::eventFilter(watched, event);
}
