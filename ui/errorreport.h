// SPDX-License-Identifier: MIT
// The one place where errors that escape an event handler end up. Qt's event
// loop must never be unwound by an exception, so every handler runs its
// operation through guarded(): an error is shown to the user and the program
// goes on.
#pragma once

#include <QString>
#include <exception>
#include <utility>

class QWidget;

namespace tarnwick::ui {

// The words shown for an error, e.g. "The result cannot be computed: division by zero."
QString describeError(std::exception_ptr error);

// Shows the error in a modal critical message over parent.
void reportError(QWidget* parent, std::exception_ptr error) noexcept;

template <typename Operation>
void guarded(QWidget* parent, Operation&& operation) noexcept {
    try {
        std::forward<Operation>(operation)();
    } catch (...) {
        reportError(parent, std::current_exception());
    }
}

} // namespace tarnwick::ui
