#include "screens/explore/viewprinting.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include "app/colours.h"
#include "app/screenset.h"
#include "content/datatables.h"
#include "screens/common/imagecontrol.h"
#include "screens/common/pictureprinting.h"
#include "screens/explore/captionprintlayout.h"
#include "screens/explore/explorecaption.h"
#include "screens/explore/localslideshow.h"
#include "screens/explore/steppanel.h"
#include "screens/explore/viewtabcolumn.h"
#include "screens/explore/zmexplor.h"

namespace {

void setWindowColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = widget->palette();
    colours.setColor(role, colour);
    widget->setPalette(colours);
}

QFont sized(QFont font, int pixels, bool bold) {
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    return font;
}

// Text drawn with its top at y.
void drawTop(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

void drawCentred(QPainter& painter, int centre, int y, const QString& text) {
    drawTop(painter, centre - painter.fontMetrics().horizontalAdvance(text) / 2, y, text);
}

// The lines of a caption box as it wraps them on the screen.
QStringList displayLines(const QTextEdit& box) {
    QStringList lines;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            lines << QString();
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            lines << block.text().mid(line.textStart(), line.textLength()).trimmed();
        }
    }
    return lines;
}

}  // namespace

bool ViewPrinting::shownIsPortrait() const {
    return Content().view(screen_.ShownView).isPortrait();
}

void ViewPrinting::CopyImage() {
    if (screen_.ShownView == -1) return;
    const QImage* picture = (shownIsPortrait() ? screen_.PortPicture : screen_.LanPicture)->image();
    if (picture)
        if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(*picture);
}

void ViewPrinting::CopyCaption() {
    if (screen_.ShownView == -1) return;
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(CaptionCopyText(Content().view(screen_.ShownView)));
}

QImage ViewPrinting::whiteScreenImage(int width, int height) {
    TZMExplore& s = screen_;
    QWidget* const hidden[] = {s.StepPanel,   s.NextPButton, s.Slideshow->SShowButton,
                               s.PicTabPanel, s.MapButton,   s.CloseBtn};
    std::vector<QWidget*> wereVisible;
    for (QWidget* control : hidden) {
        if (control && !control->isHidden()) {
            wereVisible.push_back(control);
            control->hide();
        }
    }
    // The title panel keeps its own colour; the caption's white text vanishes on white.
    const QPalette screenColours = s.palette();
    const QPalette titleColours = s.TitlePanel->palette();
    const bool titleFilled = s.TitlePanel->autoFillBackground();
    s.TitlePanel->setAutoFillBackground(true);
    setWindowColour(s.TitlePanel, QPalette::Window, QColor::fromRgb(kScreenBackdrop));
    setWindowColour(&s, QPalette::Window, Qt::white);
    const QPalette lanColours = s.LanCap->palette();
    const QPalette portColours = s.PortCap->palette();
    setWindowColour(s.LanCap, QPalette::Base, Qt::white);
    setWindowColour(s.PortCap, QPalette::Base, Qt::white);

    const QImage image = s.grab(QRect(0, 0, width, height)).toImage();

    s.LanCap->setPalette(lanColours);
    s.PortCap->setPalette(portColours);
    s.setPalette(screenColours);
    s.TitlePanel->setPalette(titleColours);
    s.TitlePanel->setAutoFillBackground(titleFilled);
    for (QWidget* control : wereVisible) control->show();
    return image;
}

void ViewPrinting::PrintImage() {
    TZMExplore& s = screen_;
    if (s.ShownView == -1) return;
    if (ReadyToPrintPicture()) {
        const bool portrait = shownIsPortrait();
        const int width = s.LanPicture->width();
        const int height =
            portrait ? s.PortPicture->height() : s.IconImage->geometry().bottom() + 1;
        const QImage image = whiteScreenImage(width, height);
        PrintPicture(image, "Vantora: Photo",
                     [this, portrait, &image](QPainter& painter, const QRect& target) {
                         if (portrait)
                             printPortraitCaption(painter, target, image);
                         else
                             printLandscapeCaption(painter, target, image);
                     });
    }
    RaiseCompanionWindows();
}

// Line by line as the box wraps it; the empty line after the heading starts the regular body.
void ViewPrinting::printPortraitCaption(QPainter& painter, const QRect& target,
                                        const QImage& source) {
    const QTextEdit& box = *screen_.PortCap;
    const QPoint at = PortraitCaptionOrigin(target, source.size(), box.geometry().topLeft());
    const int screenSize = box.font().pixelSize();
    painter.setFont(sized(box.font(), screenSize, true));
    const int firstLine = painter.fontMetrics().height();
    int size = PortraitCaptionSize(screenSize, firstLine, target.height());
    painter.setFont(sized(box.font(), size, true));
    painter.setPen(Qt::black);
    int lineHeight = painter.fontMetrics().boundingRect(QStringLiteral("Hg")).height();
    int y = at.y();
    bool heading = true;
    for (const QString& line : displayLines(box)) {
        drawTop(painter, at.x(), y, line);
        y += lineHeight;
        if (heading && line.isEmpty()) {
            heading = false;
            size = BodySize(size);
            painter.setFont(sized(box.font(), size, false));
            lineHeight = painter.fontMetrics().boundingRect(QStringLiteral("Hg")).height();
        }
    }
}

// The heading centred under the picture, the body in three centred lines below it.
void ViewPrinting::printLandscapeCaption(QPainter& painter, const QRect& target,
                                         const QImage& source) {
    TZMExplore& s = screen_;
    const CaptionText caption = CaptionOf(Content().view(s.ShownView), true);
    const QFont font = s.LanCap->font();
    const int centre = LandscapeCaptionCentre(target, source.width(), s.TitlePanel->width());
    const int y = LandscapeCaptionTop(target, source.height(), s.LanPicture->height());
    painter.setFont(sized(font, font.pixelSize(), true));
    const int room = target.top() + target.height() - y;
    const int size = LandscapeCaptionSize(font.pixelSize(), painter.fontMetrics().height(), room);
    painter.setFont(sized(font, size, true));
    painter.setPen(Qt::black);
    drawCentred(painter, centre, y, caption.heading);
    const int headingHeight = painter.fontMetrics().height();
    painter.setFont(sized(font, BodySize(size), false));
    const int lineHeight = painter.fontMetrics().height();
    int lineTop = y + headingHeight;
    for (const QString& line : CutIntoThreeLines(caption.body)) {
        drawCentred(painter, centre, lineTop, line);
        lineTop += lineHeight;
    }
}
