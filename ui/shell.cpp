// SPDX-License-Identifier: MIT
#include "ui/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tarnwick::ui {

void openWithDesktop(const QString& address) {
    // Nothing to tell the user if the desktop refuses: there is no fallback.
    (void)QDesktopServices::openUrl(QUrl(address, QUrl::StrictMode));
}

} // namespace tarnwick::ui
