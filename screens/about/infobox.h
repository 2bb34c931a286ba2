// What the about box and the upgrade box share: a small fixed dialog in the screens' colours,
// a raised panel holding the text and the program's picture, and an OK button below it.
#pragma once

#include <QDialog>
#include <QImage>

class QFrame;
class QLabel;
class QPushButton;

class InfoBox : public QDialog {
    Q_OBJECT
  public:
    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QPushButton* OKButton = nullptr;

  protected:
    explicit InfoBox(const QString& caption, QWidget* parent);
    // A label in the panel at the given place, word-wrapped.
    QLabel* panelLabel(const QString& text, const QRect& place, Qt::Alignment alignment);
    // Centred on the screen area, each time it opens.
    void centre();

  private:
    QImage icon_;
};
