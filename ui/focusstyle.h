// SPDX-License-Identifier: MIT
// The focus mark of the windows: a ring two pixels black and one white along
// the edge of the control that has the focus. The black stands out at least
// 3:1 against each of the windows' backgrounds (blue, peach, grey) and a light
// control, the white against a dark theme's controls; styles' own marks are a
// faint tint of one pixel.
#pragma once

#include <QProxyStyle>

namespace tarnwick::ui {

class FocusStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Draws as the style of the given name does, but for the focus mark.
    explicit FocusStyle(const QString& baseStyle);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
};

} // namespace tarnwick::ui
