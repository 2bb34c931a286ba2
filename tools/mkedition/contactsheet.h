// A contact sheet: pictures in a grid, each shrunk into its cell, with an optional title and
// caption printed under it, so that a picture can be checked against what it should show.
#pragma once

#include <QImage>
#include <QString>

class ContactSheet {
  public:
    // textLines: how many lines of text each cell keeps under its picture (0 for none).
    ContactSheet(int count, int columns, int cellWidth, int textLines);
    void Place(int index, const QImage& picture, const QString& title = {},
               const QString& caption = {});
    const QImage& Image() const { return sheet_; }
    // PNG, or JPEG when the name ends in .jpg.
    bool Save(const QString& path) const;

  private:
    QRect Cell(int index) const;

    int columns_, cellWidth_, pictureHeight_, textHeight_;
    QImage sheet_;
};
