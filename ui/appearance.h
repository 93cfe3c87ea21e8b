// SPDX-License-Identifier: MIT
// The look shared by Tarnwick's windows: layout units, fonts and colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QWidget;

namespace tarnwick::ui {

// Window layouts are designed in twips, 15 to a pixel at 96 dots per inch;
// Qt's high-DPI scaling takes it from there.
constexpr int twips(int value) {
    return (value + 7) / 15;
}
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

// The designed faces ("MS Sans Serif", "Microsoft Sans Serif") are Windows
// fonts. The program carries Liberation Sans, which has the same widths as the
// Arial family, so captions keep the design's proportions on any machine.
QFont designFont(double points, bool bold = false);

// Colours of the classic desktop scheme, for the two system colours of the
// design that have no portable Qt role.
inline constexpr QColor desktopColour{58, 110, 165};
inline constexpr QColor inactiveCaptionTextColour{212, 208, 200};
inline constexpr QColor panelColour{255, 224, 192};
inline constexpr QColor linkColour{192, 0, 0};
inline constexpr QColor fixedTextColour{0, 0, 0};

// Fixes a label's text colour: texts on the fixed light backgrounds must stay
// readable under a dark desktop theme.
void setTextColour(QWidget* label, const QColor& colour);

// Application-wide set-up: names, version, bundled fonts and icon. Call once,
// after the QApplication exists.
void initialiseApplication();

} // namespace tarnwick::ui
