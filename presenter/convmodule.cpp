// SPDX-License-Identifier: MIT
#include "presenter/convmodule.h"

#include "core/conversion.h"
#include "engine/engine.h"
#include "presenter/numbertext.h"
#include "presenter/qtsymbols.h"

#include <QLocale>
#include <string>

namespace tarnwick {
namespace {

std::string unitName(const QString& text) {
    return text.toStdString();
}

} // namespace

std::uint8_t ConvModule::validateInputs() {
    // Each check reads its control afresh.
    const InputCheck* failed = firstFailedCheck(
        [this](Control control) { return numberText::parse(m_view.text(control)); },
        [this](Control control) { return m_view.text(control).isEmpty(); });
    if (!failed)
        return 0;
    m_view.showError(
        QString::fromUtf8(failed->message.data(), static_cast<qsizetype>(failed->message.size())));
    m_view.setFocus(failed->control);
    return 1;
}

void ConvModule::calculate() {
    if (validateInputs() == 1)
        return;
    const double value = numberText::read(m_view.text(Control::convertText));
    const std::string fromUnit = unitName(m_view.text(Control::convCombo));
    const std::string toUnit = unitName(m_view.text(Control::toCombo));
    const double density = numberText::read(m_view.text(Control::densityText));
    const std::string densityUnit = unitName(m_view.text(Control::densityCombo));
    m_convResult = convertViscosity(value, fromUnit, toUnit, density, densityUnit);
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
