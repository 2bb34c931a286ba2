#include "tools/mkedition/scenes/trains.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "tools/mkedition/scenes/scenecolour.h"

namespace {

constexpr double kCoachLength = 18.0, kEngineLength = 16.0;

void PaintWheel(QPainter& p, QPointF hub, double radius) {
    p.setBrush(QColor(30, 28, 28));
    p.drawEllipse(hub, radius, radius);
    p.setBrush(QColor(120, 110, 100));
    p.drawEllipse(hub, radius * 0.25, radius * 0.25);
}

void PaintCoach(QPainter& p, double x, double length, const QColor& livery, bool lit) {
    const QColor cream(230, 220, 190);
    p.setBrush(livery);
    p.drawRoundedRect(QRectF(x + 0.3, 1.0, length - 0.6, 3.0), 0.3, 0.3);
    // Rounded roof.
    p.setBrush(QColor(70, 70, 72));
    p.drawRoundedRect(QRectF(x + 0.3, 3.8, length - 0.6, 0.5), 0.25, 0.25);
    p.setBrush(lit ? QColor(255, 220, 150) : QColor(40, 46, 54));
    for (double wx = x + 1.2; wx < x + length - 1.6; wx += 1.9)
        p.drawRect(QRectF(wx, 2.4, 1.3, 1.0));
    p.setBrush(cream);
    p.drawRect(QRectF(x + 0.3, 3.45, length - 0.6, 0.12));
    for (double wx : {x + 3.0, x + length - 3.0}) {
        PaintWheel(p, QPointF(wx - 0.9, 0.5), 0.45);
        PaintWheel(p, QPointF(wx + 0.9, 0.5), 0.45);
    }
}

// Face coordinates have y up: the engine stands on the rails at y = 0, facing right.
void PaintSteamEngine(QPainter& p, double x, const QColor& livery) {
    const QColor black(26, 26, 28), brass(200, 160, 60);
    // Tender.
    p.setBrush(livery);
    p.drawRect(QRectF(x, 1.0, 5.5, 2.6));
    PaintWheel(p, QPointF(x + 1.3, 0.5), 0.5);
    PaintWheel(p, QPointF(x + 4.2, 0.5), 0.5);
    // Cab, boiler, smokebox, chimney and dome.
    p.setBrush(livery);
    p.drawRect(QRectF(x + 6, 1.4, 2.6, 3.0));
    p.setBrush(black);
    p.drawRect(QRectF(x + 5.8, 4.3, 3.0, 0.3));
    p.setBrush(QColor(40, 46, 54));
    p.drawRect(QRectF(x + 6.5, 3.0, 1.1, 0.9));
    p.setBrush(livery);
    p.drawRoundedRect(QRectF(x + 8.6, 1.8, 6.0, 1.9), 0.9, 0.9);
    p.setBrush(brass);
    p.drawRect(QRectF(x + 10.8, 1.8, 0.15, 1.9));
    p.setBrush(black);
    p.drawRoundedRect(QRectF(x + 14.0, 1.6, 1.4, 2.2), 0.5, 0.5);
    p.drawRect(QRectF(x + 14.3, 3.7, 0.6, 1.0));
    p.setBrush(brass);
    p.drawRoundedRect(QRectF(x + 11.6, 3.6, 0.9, 0.6), 0.4, 0.4);
    p.setBrush(black);
    p.drawRect(QRectF(x + 8.4, 1.0, 7.2, 0.5));
    // Big driving wheels with their coupling rod.
    for (double wx : {9.6, 11.6}) PaintWheel(p, QPointF(x + wx, 0.95), 0.9);
    PaintWheel(p, QPointF(x + 14.2, 0.5), 0.5);
    p.setBrush(QColor(160, 150, 140));
    p.drawRect(QRectF(x + 9.4, 0.8, 2.4, 0.12));
}

void PaintDieselCab(QPainter& p, double x, double length, const QColor& livery) {
    // The driving end: the coach body with a raked, yellow-faced nose.
    QPainterPath body(QPointF(x + 0.3, 1.0));
    body.lineTo(x + length - 0.3, 1.0);
    body.lineTo(x + length - 0.3, 2.6);
    body.quadTo(x + length - 0.6, 4.1, x + length - 2.2, 4.2);
    body.lineTo(x + 0.3, 4.2);
    body.closeSubpath();
    p.fillPath(body, livery);
    p.setBrush(QColor(236, 200, 40));
    p.drawRect(QRectF(x + length - 1.2, 1.0, 0.9, 1.6));
    p.setBrush(QColor(30, 36, 44));
    p.drawRect(QRectF(x + length - 2.6, 3.0, 1.6, 0.8));
}

}  // namespace

double TrainChimneyHeight() { return 4.7; }
double TrainChimneyInset() { return 1.4; }

FaceDetail TrainSide(TrainKind kind, int coaches, const QColor& livery, bool lit) {
    return [=](QPainter& p, double w, double) {
        p.setPen(Qt::NoPen);
        const double total =
            coaches * kCoachLength + (kind == TrainKind::Steam ? kEngineLength : 0);
        double x = std::max(0.0, w - total);
        for (int i = 0; i < coaches; ++i, x += kCoachLength) {
            const bool cab = kind == TrainKind::Diesel && (i == coaches - 1);
            if (cab) {
                PaintDieselCab(p, x, kCoachLength, livery);
                PaintWheel(p, QPointF(x + 2.1, 0.5), 0.45);
                PaintWheel(p, QPointF(x + kCoachLength - 2.1, 0.5), 0.45);
            } else {
                PaintCoach(p, x, kCoachLength, livery, lit);
            }
        }
        if (kind == TrainKind::Steam) PaintSteamEngine(p, x, Scaled(livery, 0.9));
    };
}
