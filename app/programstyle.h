// The program's own look for the system controls: silver buttons like the bars beside them,
// blue-black tabs that open onto light pages, brass edges for the focus, plain white fields in a
// quiet frame. Everything else is drawn by the base style, in the program's palette.
#pragma once

#include <QProxyStyle>

class QApplication;

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
  public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    QPalette standardPalette() const override;

  private:
    void drawButtonPanel(const QStyleOption* option, QPainter* painter) const;
    void drawTabShape(const QStyleOption* option, QPainter* painter) const;
};

// A tab bar with this property (an int) gets tabs of that width.
constexpr char kTabWidthProperty[] = "fernTabWidth";

// Sets the style and its palette on the application; before any window is created.
void ApplyProgramLook(QApplication& app);
