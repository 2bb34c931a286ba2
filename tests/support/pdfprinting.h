// Printing in tests: the print dialogs answered with a PDF file, and the file's pages rendered
// (by Ghostscript) so that a test can see what went where.
#pragma once

#include <QImage>
#include <QString>
#include <vector>

// Every print box says OK and prints into the file, on A4 in the given orientation.
void PrintToPdf(const QString& file, bool landscape = false);
// The print boxes are cancelled; returns how many were asked through `count`.
void CancelPrinting(int* count);
// The pages at the given resolution; none when the file cannot be read.
std::vector<QImage> PdfPages(const QString& file, int dotsPerInch);
// The box around the pixels darker than mid-grey; empty on a blank page.
QRect InkBounds(const QImage& page);
