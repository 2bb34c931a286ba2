#include "screens/map/maphintprovider.h"

#include <QCoreApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QToolTip>

MapHintProvider::MapHintProvider(QObject* parent) : QObject(parent) {
    reshowTimer_.setSingleShot(true);
    reshowTimer_.setInterval(kReshowMs);
    connect(&reshowTimer_, &QTimer::timeout, this, &MapHintProvider::reshow);
    hideTimer_.setSingleShot(true);
    hideTimer_.setInterval(kHidePauseMs);
    connect(&hideTimer_, &QTimer::timeout, this, &MapHintProvider::hidePauseOver);
}

MapHintProvider::~MapHintProvider() {
    if (installed_ && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

void MapHintProvider::install() {
    if (installed_ || !QCoreApplication::instance()) return;
    QCoreApplication::instance()->installEventFilter(this);
    installed_ = true;
}

void MapHintProvider::addSurface(QWidget* surface, HintAt hintAt) {
    surfaces_.push_back(Surface{surface, std::move(hintAt)});
}

const MapHintProvider::Surface* MapHintProvider::surfaceOf(const QObject* object) const {
    for (const Surface& s : surfaces_) {
        if (s.widget && s.widget == object) return &s;
    }
    return nullptr;
}

bool MapHintProvider::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        if (const Surface* surface = surfaceOf(watched)) {
            const auto* help = static_cast<QHelpEvent*>(event);
            showHint(*surface, help->pos(), help->globalPos());
            return true;
        }
        // Every other control keeps its own hint, hidden after the same pause.
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->toolTipDuration() < 0)
            widget->setToolTipDuration(kHidePauseMs);
    } else if (event->type() == QEvent::Leave && surfaceOf(watched)) {
        reshowTimer_.stop();
        hovered_ = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

void MapHintProvider::showHint(const Surface& surface, QPoint at, QPoint globalAt) {
    const std::optional<QString> text = surface.hintAt(at);
    if (text) {
        // Qt leaves a hint whose text is unchanged alone, without restarting its hide pause, so
        // the hint would go and come back at the next re-show: the pause is kept here instead.
        QToolTip::showText(globalAt, *text, surface.widget, QRect(), kLongerThanAnyPauseMs);
        shown_ = *text;
        hideTimer_.start();
    } else {
        QToolTip::hideText();
        hideTimer_.stop();
    }
    hovered_ = surface.widget;
    reshowTimer_.start();
}

void MapHintProvider::reshow() {
    if (!hovered_ || !hovered_->isVisible()) return;
    const Surface* surface = surfaceOf(hovered_);
    const QPoint globalAt = QCursor::pos();
    const QPoint at = hovered_->mapFromGlobal(globalAt);
    if (surface && hovered_->rect().contains(at)) showHint(*surface, at, globalAt);
}

void MapHintProvider::hidePauseOver() {
    if (QToolTip::isVisible() && QToolTip::text() == shown_) QToolTip::hideText();
}
