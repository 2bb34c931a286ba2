// One view tab of the explore screen: a push button whose number turns blue while its view is
// shown.
#pragma once

#include <QPushButton>

class ViewTab : public QPushButton {
    Q_OBJECT
  public:
    ViewTab(const QString& text, QWidget* parent);

    void setMarked(bool marked);
    bool marked() const { return marked_; }

  protected:
    // Paints with one of two palettes made once. The style caches the button's look by the
    // palette's identity: a palette (or style sheet) made afresh on every mark added a new
    // picture to Qt's pixmap cache each time, megabytes over a walk through the views.
    void paintEvent(QPaintEvent* event) override;

  private:
    bool marked_ = false;
    QPalette plainInk_;
    QPalette markedInk_;
};
