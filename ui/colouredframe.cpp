// SPDX-License-Identifier: MIT
#include "ui/colouredframe.h"

#include <QPainter>

namespace tarnwick::ui {

ColouredFrame::ColouredFrame(const QColor& colour, QWidget* parent)
    : QFrame(parent)
    , m_colour(colour) {}

void ColouredFrame::paintEvent(QPaintEvent* event) {
    QPainter(this).fillRect(rect(), m_colour);
    QFrame::paintEvent(event);
}

} // namespace tarnwick::ui
