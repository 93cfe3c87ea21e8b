// SPDX-License-Identifier: MIT
#include "ui/focusstyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace tarnwick::ui {

namespace {

void drawRing(QPainter* painter, const QRect& edge) {
    auto band = [](const QRect& outside, int width) {
        QPainterPath path;
        path.setFillRule(Qt::OddEvenFill);
        path.addRect(outside);
        path.addRect(outside.adjusted(width, width, -width, -width));
        return path;
    };
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillPath(band(edge, 2), Qt::black);
    painter->fillPath(band(edge.adjusted(2, 2, -2, -2), 1), Qt::white);
    painter->restore();
}

// Buttons and lists, like the styles, show their focus once the keyboard has
// moved it in the window; a text box shows it always, as it takes typing.
bool showsFocus(const QStyleOption* option, bool textBox) {
    const QStyle::State state = option->state;
    return (state & QStyle::State_HasFocus) &&
           (textBox || (state & QStyle::State_KeyboardFocusChange));
}

} // namespace

FocusStyle::FocusStyle(const QString& baseStyle)
    : QProxyStyle(baseStyle) {}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_PanelLineEdit && showsFocus(option, true))
        drawRing(painter, option->rect);
}

void FocusStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && showsFocus(option, false))
        drawRing(painter, option->rect);
}

void FocusStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                    QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ComboBox && showsFocus(option, false))
        drawRing(painter, option->rect);
}

} // namespace tarnwick::ui
