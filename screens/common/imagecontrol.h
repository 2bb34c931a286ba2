// A picture control that reports presses, clicks and double-clicks of the left button: the
// mini map, the logo button, the detailed map and the London inset's picture.
#pragma once

#include <QImage>
#include <QWidget>

class ImageControl : public QWidget {
    Q_OBJECT
  public:
    explicit ImageControl(QWidget* parent = nullptr);
    // Drawn stretched to the control; the image must outlive its use here.
    void setImage(const QImage* image);
    const QImage* image() const { return image_; }

  signals:
    void pressed(QPoint at);
    void clicked();
    // The second press of a double-click; its release is no click.
    void doubleClicked(QPoint at);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    const QImage* image_ = nullptr;
    bool pressedInside_ = false;
};
