// SPDX-License-Identifier: MIT
// A frame that paints its own background colour without handing it down to
// its children, so the boxes, lists and buttons on it keep the standard look.
#pragma once

#include <QColor>
#include <QFrame>

namespace tarnwick::ui {

class ColouredFrame : public QFrame {
    Q_OBJECT

public:
    ColouredFrame(const QColor& colour, QWidget* parent);

    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

} // namespace tarnwick::ui
