// Where and how large a view's caption is printed over its picture, as plain arithmetic.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>

// A landscape caption's body in three lines: cut at the first blank at or after a third and
// at or after two thirds of its length (the blanks dropped; no blank, no more cut).
QStringList CutIntoThreeLines(const QString& body);

// Portrait: the caption box's corner on the screen image mapped into the target.
QPoint PortraitCaptionOrigin(const QRect& target, QSize source, QPoint captionCorner);
// Portrait: the size that makes a line about 19/600 of the printed picture's height.
int PortraitCaptionSize(int size, int lineHeight, int targetHeight);

// Landscape: the centre line of the caption and the top of its heading in the target.
int LandscapeCaptionCentre(const QRect& target, int sourceWidth, int titlePanelWidth);
int LandscapeCaptionTop(const QRect& target, int sourceHeight, int pictureHeight);
// Landscape: the size that fits heading and three lines in the room below the picture.
int LandscapeCaptionSize(int size, int headingHeight, int room);

// The regular body's size after the bold heading: nine tenths.
int BodySize(int headingSize);
