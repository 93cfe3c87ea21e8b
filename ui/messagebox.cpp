// SPDX-License-Identifier: MIT
#include "ui/messagebox.h"

#include "ui/appearance.h"

#include <QApplication>
#include <QMessageBox>

namespace tarnwick::ui {

MessageBox::Handler MessageBox::s_handler;

void MessageBox::critical(QWidget* parent, const QString& text) {
    if (s_handler) {
        s_handler(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.setFont(windowFont()); // the windows' face, not the system's fallback
    box.exec();
}

void MessageBox::setHandler(Handler handler) {
    s_handler = std::move(handler);
}

} // namespace tarnwick::ui
