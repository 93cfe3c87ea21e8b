// SPDX-License-Identifier: MIT
// A label that reports a left-button click, for the banner and the About
// window's two address lines. Screen readers see it as a link.
#pragma once

#include <QLabel>

namespace tarnwick::ui {

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Clicks it as the mouse does: for assistive technology.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tarnwick::ui
