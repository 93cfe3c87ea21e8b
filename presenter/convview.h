// SPDX-License-Identifier: MIT
// What the calculation needs of the main window. The window implements it;
// tests use a fake, so the calculation runs without any widget.
#pragma once

#include <QString>

namespace tarnwick {

// The controls of the main window that hold the inputs and the result, by
// their design names.
enum class Control {
    convertText,  // viscosity value
    densityText,  // fluid density value
    convCombo,    // unit of the viscosity value
    densityCombo, // unit of the density
    toCombo,      // unit wanted
    txtResult,    // the result
};

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
