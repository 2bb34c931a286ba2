// The strip that scrolling text is painted on: one line, white, at a fixed offset upwards so
// that the large glyphs sit in the box without their top leading.
#pragma once

#include <QString>
#include <QWidget>

class TextStrip : public QWidget {
  public:
    explicit TextStrip(QWidget* parent = nullptr);
    void setText(const QString& text);
    void setTextOffsetY(int offset) { offsetY_ = offset; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    int offsetY_ = 0;
};
