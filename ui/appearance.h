// SPDX-License-Identifier: MIT
// The look shared by Tarnwick's windows: layout units, fonts and colours.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
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
// fonts. The windows use Liberation Sans, which has the same widths as the
// Arial family, so captions keep the design's proportions on any machine:
// the system's copy, or the program's own where the system has none.
QFont designFont(double points, bool bold = false);

// The font of the windows themselves, and of the program's message boxes.
inline QFont windowFont() {
    return designFont(8.25);
}

// Colours of the classic desktop scheme, for the two system colours of the
// design that have no portable Qt role.
inline constexpr QColor desktopColour{58, 110, 165};
inline constexpr QColor inactiveCaptionTextColour{212, 208, 200};
inline constexpr QColor panelColour{255, 224, 192};
inline constexpr QColor linkColour{192, 0, 0};
inline constexpr QColor fixedTextColour{0, 0, 0};

// A designed 24-bit picture, such as ":/images/logo.bmp", for a screen of the
// given device pixel ratio: above 1 its variant drawn at twice the size
// ("logo@2x.bmp"), so that it stays sharp on HiDPI screens.
QPixmap designPicture(const QString& resource, qreal devicePixelRatio);

// Fixes a label's text colour: texts on the fixed light backgrounds must stay
// readable under a dark desktop theme.
void setTextColour(QWidget* label, const QColor& colour);

// The program's icon: the icon theme's copy, with every size from 16 to 256
// pixels and a scalable one, where it is installed; else the built-in
// 32 x 32 one. Needs the desktop file name set.
QIcon applicationIcon();

// Application-wide set-up: names, version, desktop entry, fonts, icon, focus
// mark and what screen readers see. Call once, after the QApplication exists.
void initialiseApplication();

} // namespace tarnwick::ui
