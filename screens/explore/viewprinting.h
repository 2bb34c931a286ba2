// The view on the explore screen, printed or copied: the picture as a bitmap, the caption as
// text, or the screen's picture printed across a page with its caption set over it.
#pragma once

class QPainter;
class QRect;
class QImage;
class TZMExplore;

class ViewPrinting {
  public:
    explicit ViewPrinting(TZMExplore& screen) : screen_(screen) {}

    void CopyImage();
    void CopyCaption();
    // Does nothing before a view has been shown.
    void PrintImage();

  private:
    bool shownIsPortrait() const;
    // The screen's picture area on white, without the buttons.
    QImage whiteScreenImage(int width, int height);
    void printPortraitCaption(QPainter& painter, const QRect& target, const QImage& source);
    void printLandscapeCaption(QPainter& painter, const QRect& target, const QImage& source);

    TZMExplore& screen_;
};
