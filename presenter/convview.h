// SPDX-License-Identifier: MIT
// What the calculation needs of the main window. The window implements it;
// tests use a fake, so the calculation runs without any widget.
#pragma once

#include "core/inputchecks.h"

#include <QString>

namespace tarnwick {

class ConvView {
public:
    virtual ~ConvView() = default;

    // The control's current text; for a list, the text of its selected entry.
    virtual QString text(Control control) const = 0;
    // Replaces the whole text of a text box.
    virtual void setText(Control control, const QString& text) = 0;
    // Moves the keyboard focus to one of the five inputs.
    virtual void setFocus(Control control) = 0;
    // A modal message with the critical-error icon, one OK button and the
    // application's caption; returns when the user has closed it.
    virtual void showError(const QString& prompt) = 0;

protected:
    ConvView() = default;
    ConvView(const ConvView&) = default;
    ConvView& operator=(const ConvView&) = default;
};

} // namespace tarnwick
