// The two fills drawn on a 32-bit canvas: the flash fill that switches a place dot between its
// light and dark colours, and the surface fill that recolours one area of an exact colour.
// Both stay inside the canvas and return the bounding rectangle of the pixels they changed.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

// Each of the three 8-bit channels differs by at most 15.
bool FlashColoursMatch(QRgb pixel, QRgb colour);

// Recolours pixels matching `from` to `to`, starting at `at`. The fill spreads from a pixel to
// those of its four neighbours that match (left, right, up, down) and continues two pixels
// beyond each matched neighbour and diagonally between matched ones, at most 200 steps deep:
// a dot is filled, a long line only near its start. Nothing happens when `to` matches `from`.
// The canvas must be Format_RGB32 or Format_ARGB32.
QRect FlashFill(QImage& canvas, QPoint at, QRgb from, QRgb to);

// Recolours the four-connected area of exactly the colour `surface` that contains `at` (nothing
// when the pixel at `at` has another colour). Same canvas formats.
QRect SurfaceFill(QImage& canvas, QPoint at, QRgb surface, QRgb fill);
