// The title animation: a dark backdrop grows out of the title window to the screen's edges,
// then the maker's line and the product's name slide in from the right and stop centred.
#pragma once

#include <QImage>
#include <QWidget>

#include "screens/title/titlemotion.h"

class TZMAnimWin : public QWidget {
    Q_OBJECT
  public:
    explicit TZMAnimWin(QWidget* parent = nullptr);
    ~TZMAnimWin() override;

    // Covers the screen, keeping what it shows as the backdrop's starting picture.
    void showOverScreen();
    // Starts the zoom out of the title window's rectangle (in screen-area coordinates).
    void startZoom(const Edges& titleWindow);
    void ZoomStep();
    void ScrollStep();

    int stepsLeft() const { return k_; }
    Edges innerEdge() const { return previous_; }
    int line() const { return line_; }  // the line scrolling now: 0, 1, or 2 when both are done
    int lineLeft(int line) const { return lineLeft_[line]; }
    int lineWidth(int line) const { return lineWidth_[line]; }
    int lineTicksLeft() const { return ticksLeft_; }
    const QImage& canvas() const { return canvas_; }

  signals:
    void clicked();  // a click stops the sequence
    void pressed();  // a left-button press brings the title window to the front

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool stopped() const;
    void paintBands(const Edges& from, const Edges& to);
    void startLine(int line);
    void paintLines();
    QFont lineFont() const;

    QImage canvas_;
    QPoint origin_;  // the screen area's corner inside this window
    ZoomGaps gaps_{};
    Edges previous_{};
    int k_ = 0;
    int line_ = 0;
    int lineLeft_[2] = {0, 0};
    int lineWidth_[2] = {0, 0};
    int ticksLeft_ = 0;
};
