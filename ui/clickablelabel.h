// SPDX-License-Identifier: MIT
// A label that reports a left-button click, for the banner and the About
// window's two address lines.
#pragma once

#include <QLabel>

namespace tarnwick::ui {

class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tarnwick::ui
