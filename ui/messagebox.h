// SPDX-License-Identifier: MIT
// The program's modal messages, behind a seam that tests replace.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarnwick::ui {

class MessageBox {
public:
    using Handler = std::function<void(QWidget* parent, const QString& text)>;

    // A modal message with the critical-error icon, one OK button and the
    // application's name as caption; returns when the user has closed it.
    static void critical(QWidget* parent, const QString& text);

    // Tests route messages here instead of opening a dialog; an empty handler
    // restores the real message box.
    static void setHandler(Handler handler);

private:
    static Handler s_handler;
};

} // namespace tarnwick::ui
