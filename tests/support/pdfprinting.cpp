#include "tests/support/pdfprinting.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/printbox.h"

void PrintToPdf(const QString& file, bool landscape) {
    SetPrintBoxResponder([file, landscape](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        printer.setCopyCount(1);
        return true;
    });
}

void CancelPrinting(int* count) {
    SetPrintBoxResponder([count](QPrinter&) {
        if (count) ++*count;
        return false;
    });
}

std::vector<QImage> PdfPages(const QString& file, int dotsPerInch) {
    QTemporaryDir pages;
    QProcess gs;
    gs.start(QStringLiteral("gs"),
             {QStringLiteral("-q"), QStringLiteral("-dNOPAUSE"), QStringLiteral("-dBATCH"),
              QStringLiteral("-dSAFER"), QStringLiteral("-sDEVICE=png16m"),
              QStringLiteral("-r%1").arg(dotsPerInch),
              QStringLiteral("-sOutputFile=%1/page%03d.png").arg(pages.path()), file});
    gs.waitForFinished(60000);
    std::vector<QImage> images;
    const QStringList names =
        QDir(pages.path()).entryList({QStringLiteral("page*.png")}, QDir::Files, QDir::Name);
    for (const QString& name : names) images.emplace_back(pages.filePath(name));
    return images;
}

QRect InkBounds(const QImage& page) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128) bounds |= QRect(x, y, 1, 1);
    return bounds;
}
