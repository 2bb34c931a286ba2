#include "screens/common/pictureprinting.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cerrno>
#include <string>

#include "app/messages.h"
#include "platform/printbox.h"
#include "platform/printstrips.h"

namespace {

std::string stoppedMessage(int code) {
    std::string text = kPrintingStopped;
    text.replace(text.find("%d"), 2, std::to_string(code));
    return text;
}

// Sends the picture strip by strip: the code of the first failure, 0 when all went out.
int sendStrips(QPainter& painter, const QPrinter& printer, const QImage& picture,
               const QRect& target, bool landscapePage) {
    const StripPlan plan = PlanStrips(landscapePage ? picture.width() : picture.height());
    const PrinterFaults& faults = InjectedPrinterFaults();
    for (int j = 0; j < plan.count; ++j) {
        if (j == faults.failingStrip) return faults.errorCode;
        const QImage strip = CutStrip(picture, plan, j, landscapePage);
        if (strip.isNull()) return ENOMEM;
        painter.drawImage(StripTarget(target, plan, j, landscapePage), strip);
        if (printer.printerState() == QPrinter::Error) return EIO;
    }
    return 0;
}

}  // namespace

bool ReadyToPrintPicture() {
    if (!RunPrintBox()) return false;
    if (PrinterPrintsBitmaps()) return true;
    ShowPrintErrorBox(kPrinterWithoutBitmaps);
    return false;
}

int PrintPicture(const QImage& picture, const char* jobTitle, const PictureOverlay& overlay) {
    QPrinter& printer = SharedPrinter();
    const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const QRect target = FitToPage(picture.size(), page);
    printer.setDocName(QString::fromLatin1(jobTitle));
    QPainter painter;
    errno = 0;
    int error = painter.begin(&printer) ? 0 : (errno ? errno : EIO);
    if (!error) {
        error = sendStrips(painter, printer, picture, target, page.width() > page.height());
        if (!error && overlay) overlay(painter, target);
        painter.end();
    }
    if (error) ShowPrintErrorBox(stoppedMessage(error));
    return error;
}
