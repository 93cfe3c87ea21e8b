// SPDX-License-Identifier: MIT
#include "ui/errorreport.h"

#include "core/inputchecks.h"
#include "engine/engine.h"
#include "ui/messagebox.h"

#include <cstdio>

namespace tarnwick::ui {

QString describeError(std::exception_ptr error) {
    try {
        std::rethrow_exception(std::move(error));
    } catch (const ConversionError& e) {
        return QString::fromStdString(cannotComputeMessage(e));
    } catch (const std::exception& e) {
        return QStringLiteral("An unexpected error occurred: %1").arg(QString::fromUtf8(e.what()));
    } catch (...) {
        return QStringLiteral("An unexpected error occurred.");
    }
}

void reportError(QWidget* parent, std::exception_ptr error) noexcept {
    try {
        MessageBox::critical(parent, describeError(std::move(error)));
    } catch (...) {
        // Showing the message failed too (out of memory): the program goes on.
        std::fputs("Tarnwick: an error could not be shown\n", stderr);
    }
}

} // namespace tarnwick::ui
