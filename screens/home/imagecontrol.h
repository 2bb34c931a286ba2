// A picture control that reports presses and clicks: the mini map and the logo button.
#pragma once

#include <QImage>
#include <QWidget>

class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);
    // Drawn stretched to the control; the image must outlive its use here.
    void setImage(const QImage* image);

signals:
    void pressed(QPoint at);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage* image_ = nullptr;
    bool pressedInside_ = false;
};
