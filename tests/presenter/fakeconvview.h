// SPDX-License-Identifier: MIT
// A ConvView without widgets: texts in a map, and every call in a log.
#pragma once

#include "presenter/convview.h"
#include "qtprinters.h"

#include <QStringList>
#include <map>

namespace tarnwick::testing {

inline QString controlName(Control control) {
    static const char* const names[] = {"convertText",  "densityText", "convCombo",
                                        "densityCombo", "toCombo",     "txtResult"};
    return names[static_cast<int>(control)];
}

class FakeConvView : public ConvView {
public:
    // The start-up state of the main window.
    std::map<Control, QString> texts{
        {Control::convertText, "1"}, {Control::densityText, "50.0"},
        {Control::convCombo, "cP"},  {Control::densityCombo, "lb/ft^3"},
        {Control::toCombo, "cSt"},   {Control::txtResult, ""},
    };
    QStringList log; // "message: …", "focus: …", "set: control = text"

    QString text(Control control) const override { return texts.at(control); }
    void setText(Control control, const QString& text) override {
        texts[control] = text;
        log << "set: " + controlName(control) + " = " + text;
    }
    void setFocus(Control control) override { log << "focus: " + controlName(control); }
    void showError(const QString& prompt) override { log << "message: " + prompt; }
};

} // namespace tarnwick::testing
