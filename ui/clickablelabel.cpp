// SPDX-License-Identifier: MIT
#include "ui/clickablelabel.h"

#include <QMouseEvent>

namespace tarnwick::ui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    // Like a button: releasing outside the label cancels the click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace tarnwick::ui
