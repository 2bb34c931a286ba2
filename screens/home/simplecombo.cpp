#include "screens/home/simplecombo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

SimpleComboBox::SimpleComboBox(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), list_(new QListWidget(this)) {
    list_->setUniformItemSizes(true);
    connect(edit_, &QLineEdit::textChanged, this, [this] {
        followText();
        emit textEdited();
    });
    connect(edit_, &QLineEdit::returnPressed, this, &SimpleComboBox::activated);
    connect(list_, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (list_->hasFocus() && !name.isEmpty()) setText(name);
    });
    // Enter on a name, or a double-click.
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        setText(item->text());
        emit activated();
    });
    edit_->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &SimpleComboBox::focusMoved);
}

void SimpleComboBox::setItems(const std::vector<std::string>& latin1Names) {
    list_->clear();
    for (const std::string& name : latin1Names)
        list_->addItem(QString::fromLatin1(name.data(), static_cast<int>(name.size())));
    setItemHeight(itemHeight_);
}

void SimpleComboBox::setItemHeight(int pixels) {
    itemHeight_ = pixels;
    for (int i = 0; i < list_->count(); ++i) list_->item(i)->setSizeHint(QSize(0, pixels));
}

QString SimpleComboBox::text() const { return edit_->text(); }

std::string SimpleComboBox::latin1Text() const { return edit_->text().toLatin1().toStdString(); }

void SimpleComboBox::setText(const QString& text) {
    if (edit_->text() != text) edit_->setText(text);
}

// Enter has done its work here: it goes no further up.
void SimpleComboBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

// Up and Down in the field move through the list, as in a simple combo box.
bool SimpleComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    const int row = list_->currentRow() + (key == Qt::Key_Down ? 1 : -1);
    if (row >= 0 && row < list_->count()) {
        {
            const QSignalBlocker quiet(list_);
            list_->setCurrentRow(row);
        }
        list_->scrollToItem(list_->item(row));
        setText(list_->item(row)->text());
    }
    return true;
}

void SimpleComboBox::resizeEvent(QResizeEvent*) {
    const int editHeight = edit_->sizeHint().height();
    edit_->setGeometry(0, 0, width(), editHeight);
    list_->setGeometry(0, editHeight, width(), height() - editHeight);
}

// The list keeps the first name that starts with the typed text in view and selected.
void SimpleComboBox::followText() {
    if (list_->hasFocus()) return;
    const QString typed = edit_->text();
    for (int i = 0; i < list_->count() && !typed.isEmpty(); ++i) {
        if (list_->item(i)->text().startsWith(typed, Qt::CaseInsensitive)) {
            const QSignalBlocker quiet(list_);
            list_->setCurrentRow(i);
            list_->scrollToItem(list_->item(i), QAbstractItemView::PositionAtTop);
            return;
        }
    }
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(-1);
}

void SimpleComboBox::focusMoved(QWidget* from, QWidget* to) {
    const bool wasInside = from && isAncestorOf(from);
    const bool isInside = to && isAncestorOf(to);
    if (isInside && !wasInside) emit entered();
    if (wasInside && !isInside) emit exited();
}
