// SPDX-License-Identifier: MIT
// Opening an address with the program the desktop has registered for it.
#pragma once

#include <QString>

namespace tarnwick::ui {

// Hands address to the desktop (the browser for "http:", the mail program for
// "mailto:") and returns without waiting for that program. A refusal, such as
// no program being registered, is ignored.
void openWithDesktop(const QString& address);

} // namespace tarnwick::ui
