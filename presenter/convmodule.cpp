// SPDX-License-Identifier: MIT
#include "presenter/convmodule.h"

#include "engine/engine.h"
#include "presenter/numbertext.h"
#include "presenter/qtsymbols.h"

#include <QLocale>

namespace tarnwick {
namespace {

Control controlOf(Input input) {
    switch (input) {
    case Input::value:
        return Control::convertText;
    case Input::fromUnit:
        return Control::convCombo;
    case Input::toUnit:
        return Control::toCombo;
    case Input::density:
        return Control::densityText;
    case Input::densityUnit:
        return Control::densityCombo;
    }
    return Control::convertText;
}

} // namespace

ConvModule::Texts ConvModule::texts() const {
    const auto text = [this](Control control) { return m_view.text(control).toStdString(); };
    return {text(Control::convertText), text(Control::convCombo), text(Control::toCombo),
            text(Control::densityText), text(Control::densityCombo)};
}

void ConvModule::report(const ConversionFailure& failure) {
    m_view.showError(QString::fromStdString(failure.message));
    if (failure.input)
        m_view.setFocus(controlOf(*failure.input));
}

std::uint8_t ConvModule::validateInputs() {
    const Texts now = texts();
    const LocaleNumbers numbers(symbolsOf(QLocale()));
    const OrFailure<ConversionRequest> request = readConversion(now.view(), numbers);
    std::optional<ConversionFailure> problem =
        request ? firstInputProblem(*request) : request.failure();
    if (!problem)
        return 0;
    report(*problem);
    return 1;
}

void ConvModule::calculate() {
    if (validateInputs() == 1)
        return;
    const Texts now = texts();
    const LocaleNumbers numbers(symbolsOf(QLocale()));
    // Validation has read these texts: reading them again cannot fail.
    const OrFailure<ConversionRequest> request = readConversion(now.view(), numbers);
    const OrFailure<double> result = convert(*request);
    if (!result) {
        report(result.failure());
        return;
    }
    m_convResult = *result;
    m_view.setText(Control::txtResult, numberText::formatResult(m_convResult));
}

QString ConvModule::startingValueText() {
    return QString::fromStdString(tarnwick::startingValueText(symbolsOf(QLocale())));
}

QString ConvModule::startingDensityText() {
    return QString::fromStdString(tarnwick::startingDensityText(symbolsOf(QLocale())));
}

void ConvModule::clearValues() {
    m_view.setText(Control::convertText, startingValueText());
    m_view.setText(Control::densityText, startingDensityText());
    m_view.setText(Control::txtResult, QString());
}

} // namespace tarnwick
