// Windows and doors, drawn in a face's own coordinates (x along the face, y up from its foot,
// metres) so that they can be placed on any wall in perspective.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;
struct SceneContext;

enum class Arch { Flat, Round, Pointed };

struct OpeningLook {
    QColor glassTop, glassBottom;  // the sky's reflection fading into the dark inside
    QColor frame;
    QColor dressing;      // the stone round the opening
    QColor lamp;          // the glow of a lit room
    double litShare = 0;  // how many windows have lamps lit
};

OpeningLook WindowLook(const SceneContext& scene, const QColor& dressing);

// r.y() is the sill, r.height() the full height including the arch.
QPainterPath OpeningPath(const QRectF& r, Arch arch);
// panes: glazing bars across and up (0 for none); lit: a lamp burns inside.
void PaintWindow(QPainter& p, const QRectF& r, Arch arch, const OpeningLook& look, int panesAcross,
                 int panesUp, bool lit);
// count windows centred in bays between x0 and x1, sill at y; which are lit follows litShare.
void PaintWindowRow(QPainter& p, double x0, double x1, double y, int count, double width,
                    double height, Arch arch, const OpeningLook& look, int panesAcross,
                    int panesUp);
void PaintDoorway(QPainter& p, const QRectF& r, Arch arch, const QColor& door,
                  const QColor& dressing);
