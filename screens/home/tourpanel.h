// One panel of the Tour page: a picture over one or two caption lines in a bevelled frame.
// A click on the panel, its picture or a caption line is a click on the panel.
#pragma once

#include <QFrame>

class QLabel;
struct TourTopic;

class TourPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kSize = 150;
    static constexpr int kPitch = 152;

    TourPanel(int index, const TourTopic& topic, QWidget* parent);

    int index() const { return index_; }
    // The chosen panel is lowered and darker.
    void setChosen(bool chosen);
    bool chosen() const { return frameShadow() == QFrame::Sunken; }
    QColor colour() const;

    QLabel* picture() const { return picture_; }
    // Paints the picture the first time; the page asks when it is first shown, not at start-up.
    void paintPicture();
    QLabel* captionLine(int line) const { return lines_[line]; }

  signals:
    void clicked(int index);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int index_;
    QLabel* picture_;
    QLabel* lines_[2] = {nullptr, nullptr};
};
