#include "app/programstyle.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>

#include "app/colours.h"

namespace {

QColor colour(QRgb rgb) { return QColor::fromRgb(rgb); }

// A rounded rectangle on the pixel grid, for 1-pixel edges that stay sharp.
QPainterPath roundedBox(const QRect& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    return path;
}

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QPalette ProgramStyle::standardPalette() const {
    QPalette colours = QProxyStyle::standardPalette();
    colours.setColor(QPalette::Window, colour(kPageColour));
    colours.setColor(QPalette::Button, colour(kSilverMid));
    colours.setColor(QPalette::Highlight, colour(kSelection));
    colours.setColor(QPalette::HighlightedText, Qt::white);
    colours.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFB, 0xE8));
    colours.setColor(QPalette::ToolTipText, colour(kPageInk));
    return colours;
}

QSize ProgramStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_TabBarTab && widget) {
        const QVariant width = widget->property(kTabWidthProperty);
        if (width.isValid()) result.setWidth(width.toInt());
    }
    return result;
}

void ProgramStyle::drawButtonPanel(const QStyleOption* option, QPainter* painter) const {
    const bool enabled = option->state & State_Enabled;
    const bool down = option->state & (State_Sunken | State_On);
    // Focus shows only after the keyboard moved it, not when the program sets it.
    const bool keyboardFocus =
        (option->state & State_HasFocus) && (option->state & State_KeyboardFocusChange);
    const bool hot = enabled && ((option->state & State_MouseOver) || keyboardFocus);
    QLinearGradient metal(0, option->rect.top(), 0, option->rect.bottom());
    if (!enabled) {
        metal.setColorAt(0, QColor(0xE4, 0xE6, 0xEA));
        metal.setColorAt(1, QColor(0xD2, 0xD5, 0xDA));
    } else if (down) {
        metal.setColorAt(0, colour(kSilverMid));
        metal.setColorAt(1, colour(kSilverLight));
    } else {
        metal.setColorAt(0, colour(kSilverLight));
        metal.setColorAt(0.5, QColor(0xDC, 0xDF, 0xE4));
        metal.setColorAt(1, colour(kSilverMid));
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPainterPath box = roundedBox(option->rect, 3);
    painter->fillPath(box, metal);
    painter->setPen(enabled ? (hot ? colour(kBrass) : colour(kSilverDark))
                            : QColor(0xAE, 0xB3, 0xBA));
    painter->drawPath(box);
    painter->restore();
}

void ProgramStyle::drawTabShape(const QStyleOption* option, QPainter* painter) const {
    const bool selected = option->state & State_Selected;
    QRect rect = option->rect;
    if (!selected) rect.adjust(0, 2, 0, 0);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, selected ? 1 : 0);
    const double radius = 4;
    shape.moveTo(r.bottomLeft());
    shape.lineTo(r.left(), r.top() + radius);
    shape.quadTo(r.topLeft(), QPointF(r.left() + radius, r.top()));
    shape.lineTo(r.right() - radius, r.top());
    shape.quadTo(r.topRight(), QPointF(r.right(), r.top() + radius));
    shape.lineTo(r.bottomRight());
    if (selected) {
        painter->fillPath(shape, colour(kPageColour));
        painter->setPen(colour(kBrass));
    } else {
        QLinearGradient navy(0, r.top(), 0, r.bottom());
        const bool hot = option->state & State_MouseOver;
        navy.setColorAt(0, hot ? QColor(0x3A, 0x6A, 0x98) : QColor(0x2E, 0x5B, 0x86));
        navy.setColorAt(1, QColor(0x16, 0x3A, 0x5E));
        painter->fillPath(shape, navy);
        painter->setPen(QColor(0x4A, 0x6F, 0x94));
    }
    painter->drawPath(shape);
    painter->restore();
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case PE_PanelButtonCommand:
            drawButtonPanel(option, painter);
            return;
        case PE_PanelButtonTool:
            // Auto-raise tool buttons stay flat until the pointer is over them.
            if ((option->state & State_AutoRaise) &&
                !(option->state & (State_MouseOver | State_Sunken | State_On)))
                return;
            drawButtonPanel(option, painter);
            return;
        case PE_FrameFocusRect:
            return;  // the brass edge shows the focus
        case PE_FrameTabWidget: {
            painter->save();
            painter->fillRect(option->rect, colour(kPageColour));
            painter->setPen(colour(kBrass));
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        }
        case PE_FrameGroupBox: {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(colour(kPageFrame));
            painter->drawPath(roundedBox(option->rect, 4));
            painter->restore();
            return;
        }
        case PE_FrameLineEdit: {
            painter->save();
            const bool focus = option->state & State_HasFocus;
            painter->setPen(focus ? colour(kSelection) : colour(kPageFrame));
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        }
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    switch (element) {
        case CE_TabBarTabShape:
            drawTabShape(option, painter);
            return;
        case CE_TabBarTabLabel: {
            // The caption centred across the whole tab, white on the blue-black tabs and in the
            // page's ink on the open one: the tabs are only as wide as the pages allow.
            const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
            if (!tab) {
                QProxyStyle::drawControl(element, option, painter, widget);
                return;
            }
            const bool selected = option->state & State_Selected;
            painter->save();
            painter->setPen(selected ? colour(kPageInk) : QColor(Qt::white));
            painter->drawText(tab->rect.adjusted(0, selected ? 0 : 2, 0, 0),
                              Qt::AlignCenter | Qt::TextShowMnemonic, tab->text);
            painter->restore();
            return;
        }
        default:
            QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void ApplyProgramLook(QApplication& app) {
    auto* style = new ProgramStyle;
    app.setStyle(style);  // the application owns it
    QApplication::setPalette(style->standardPalette());
}
