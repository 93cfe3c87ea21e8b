#include "convmodule.h"

#include "engine.h"
#include "numbertext.h"

#include <QLocale>
#include <string>

namespace tarnwick {
namespace {

struct InputTest {
    Control control;
    bool (*fails)(const QString& text);
    const char* message;
};

bool notNumeric(const QString& text) {
    return !numberText::isNumeric(text);
}
bool notPositive(const QString& text) {
    return !(numberText::read(text) > 0);
}
bool isEmpty(const QString& text) {
    return text.isEmpty();
}

// In this order: both numeric tests come before both sign tests, so a bad
// density is reported before a negative viscosity. Blanks after "specified."
// belong to the messages.
constexpr InputTest inputTests[] = {
    {Control::convertText, notNumeric, "Viscosity input value is invalid"},
    {Control::densityText, notNumeric, "Density input value is invalid"},
    {Control::convertText, notPositive, "Input Error: Viscosity input value is zero or negative"},
    {Control::densityText, notPositive, "Input Error: Density input value is zero or negative"},
    {Control::convCombo, isEmpty, "Viscosity unit is not specified. "},
    {Control::densityCombo, isEmpty, "Density unit is not specified. "},
    {Control::toCombo, isEmpty, "Conversion unit is not specified. "},
};

std::string unitName(const QString& text) {
    return text.toStdString();
}

} // namespace

std::uint8_t ConvModule::validateInputs() {
    for (const auto& test : inputTests) {
        if (test.fails(m_view.text(test.control))) {
            m_view.showError(QString::fromUtf8(test.message));
            m_view.setFocus(test.control);
            return 1;
        }
    }
    return 0;
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
    return QLocale().toString(1);
}

QString ConvModule::startingDensityText() {
    return QLocale().toString(50.0, 'f', 1);
}

void ConvModule::clearValues() {
    m_view.setText(Control::convertText, startingValueText());
    m_view.setText(Control::densityText, startingDensityText());
    m_view.setText(Control::txtResult, QString());
}

} // namespace tarnwick
