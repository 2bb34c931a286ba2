// An edit field above an always-open list of names: typing shows the first name that starts
// with the text; picking a name puts it in the field.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

class SimpleComboBox : public QWidget {
    Q_OBJECT
  public:
    explicit SimpleComboBox(QWidget* parent = nullptr);

    void setItems(const std::vector<std::string>& latin1Names);
    QString text() const;
    std::string latin1Text() const;
    void setText(const QString& text);
    QLineEdit* edit() const { return edit_; }
    QListWidget* list() const { return list_; }
    void setItemHeight(int pixels);

  signals:
    void textEdited();  // every change of the text
    void entered();     // focus came in from outside the box
    void exited();      // focus left the box
    void activated();   // Enter in the field or on a name in the list, or a double-click

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void followText();
    void focusMoved(QWidget* from, QWidget* to);

    QLineEdit* edit_;
    QListWidget* list_;
    int itemHeight_ = 16;
};
