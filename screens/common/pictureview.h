// A photograph stretched to its control. It holds the picture shared with the picture store
// (no copy of its pixels) and one copy already stretched to the control's size, so the many
// repaints while captions and titles move over it cost no scaling.
#pragma once

#include <QImage>
#include <QWidget>

class PictureView : public QWidget {
    Q_OBJECT
  public:
    explicit PictureView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clear();
    const QImage& picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void stretch();

    QImage picture_;
    QImage stretched_;
};
