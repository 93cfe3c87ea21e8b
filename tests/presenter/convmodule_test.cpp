// SPDX-License-Identifier: MIT
#include "engine/engine.h"
#include "fakeconvview.h"
#include "presenter/convmodule.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <optional>

namespace tarnwick {
namespace {

using testing::FakeConvView;

class WithLocale : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    FakeConvView m_view;
    ConvModule m_module{m_view};
};

// The five inputs in a row of a table; null keeps the start-up text.
struct Inputs {
    const char* convertText = nullptr;
    const char* densityText = nullptr;
    const char* convCombo = nullptr;
    const char* densityCombo = nullptr;
    const char* toCombo = nullptr;

    void applyTo(FakeConvView& view) const {
        const std::pair<Control, const char*> fields[] = {
            {Control::convertText, convertText}, {Control::densityText, densityText},
            {Control::convCombo, convCombo},     {Control::densityCombo, densityCombo},
            {Control::toCombo, toCombo},
        };
        for (const auto& [control, text] : fields)
            if (text)
                view.texts[control] = QString::fromUtf8(text);
    }
};

struct ValidationCase {
    const char* name;
    Inputs inputs;
    QStringList expectedLog; // empty: every input passes
};

void PrintTo(const ValidationCase& c, std::ostream* os) {
    *os << c.name;
}

class ValidateInputs : public WithLocale, public ::testing::WithParamInterface<ValidationCase> {};

TEST_P(ValidateInputs, ReportsTheFirstProblemThenMovesTheFocus) {
    const auto& c = GetParam();
    c.inputs.applyTo(m_view);
    const auto before = m_view.texts;

    EXPECT_EQ(m_module.validateInputs(), c.expectedLog.isEmpty() ? 0 : 1);
    EXPECT_EQ(m_view.log, c.expectedLog);
    EXPECT_EQ(m_view.texts, before);
}

const QStringList viscosityInvalid{"message: Viscosity input value is invalid",
                                   "focus: convertText"};
const QStringList viscosityNotPositive{
    "message: Input Error: Viscosity input value is zero or negative", "focus: convertText"};
const QStringList densityInvalid{"message: Density input value is invalid", "focus: densityText"};
const QStringList densityNotPositive{
    "message: Input Error: Density input value is zero or negative", "focus: densityText"};
const QStringList viscosityUnitMissing{"message: Viscosity unit is not specified. ",
                                       "focus: convCombo"};
const QStringList densityUnitMissing{"message: Density unit is not specified. ",
                                     "focus: densityCombo"};
const QStringList toUnitMissing{"message: Conversion unit is not specified. ", "focus: toCombo"};

// The order of the checks and their messages are the core's (its own
// table); here, what the window does with them: the message box and the
// control that gets the focus, one row for each control.
INSTANTIATE_TEST_SUITE_P(
    Rows, ValidateInputs,
    ::testing::Values(ValidationCase{"StartUpInputsPass", {}, {}},
                      ValidationCase{"BothValuesNonNumeric", {"abc", "xyz"}, viscosityInvalid},
                      ValidationCase{
                          "BadDensityBeforeNegativeViscosity", {"-1", "x"}, densityInvalid},
                      ValidationCase{"ZeroDensity", {"1", "0.0"}, densityNotPositive},
                      ValidationCase{"ViscosityUnitEmpty", {.convCombo = ""}, viscosityUnitMissing},
                      ValidationCase{"DensityUnitEmpty", {.densityCombo = ""}, densityUnitMissing},
                      ValidationCase{"ToUnitEmpty", {.toCombo = ""}, toUnitMissing}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WithLocale, ValidationRunsAgainFromTheFirstTest) {
    m_view.texts[Control::convertText] = "x";
    m_module.validateInputs();
    m_view.texts[Control::convertText] = "1";
    m_view.texts[Control::toCombo] = "";
    m_view.log.clear();
    EXPECT_EQ(m_module.validateInputs(), 1);
    EXPECT_EQ(m_view.log, toUnitMissing);
}

struct CalculateCase {
    const char* name;
    Inputs inputs;
    const char* expected;
};

void PrintTo(const CalculateCase& c, std::ostream* os) {
    *os << c.name;
}

class Calculate : public WithLocale, public ::testing::WithParamInterface<CalculateCase> {};

TEST_P(Calculate, WritesTheResultWithEightDecimals) {
    const auto& c = GetParam();
    c.inputs.applyTo(m_view);
    m_view.texts[Control::txtResult] = "previous";

    m_module.calculate();

    // Only the result is written: no message, no focus move.
    EXPECT_EQ(m_view.log, QStringList{"set: txtResult = " + QString::fromUtf8(c.expected)});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Calculate,
    ::testing::Values(CalculateCase{"StartUpInputs", {}, "1.24843945"},
                      CalculateCase{"NegativeDensityFromBaume150",
                                    {.densityText = "150", .densityCombo = "deg Baume"},
                                    "-0.03448276"},
                      CalculateCase{"SameUnitsGiveTheValue",
                                    {.convCombo = "cSt", .toCombo = "cSt"},
                                    "1.00000000"},
                      CalculateCase{"PascalSecondsToCp",
                                    {.convCombo = "Pa.s", .toCombo = "cP"},
                                    "1,000.00000000"},
                      CalculateCase{"GroupedInput",
                                    {.convertText = "1,000", .convCombo = "Pa.s", .toCombo = "cP"},
                                    "1,000,000.00000000"},
                      CalculateCase{"DynamicUnitsIgnoreBaume145",
                                    {.densityText = "145",
                                     .convCombo = "Pa.s",
                                     .densityCombo = "deg Baume",
                                     .toCombo = "Poise"},
                                    "10.00000000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WithLocale, RejectedInputKeepsThePreviousResult) {
    m_view.texts[Control::convertText] = "0";
    m_view.texts[Control::txtResult] = "previous";
    m_module.calculate();
    EXPECT_EQ(m_view.texts[Control::txtResult], "previous");
    EXPECT_EQ(m_view.log, viscosityNotPositive);
}

TEST_F(WithLocale, CalculateKeepsTheUnroundedResult) {
    m_module.calculate();
    EXPECT_EQ(m_module.convResult(), 1.2484394506866419);
}

TEST_F(WithLocale, ArithmeticErrorIsShownAndWritesNothing) {
    m_view.texts[Control::densityText] = "145";
    m_view.texts[Control::densityCombo] = "deg Baume";
    m_view.texts[Control::txtResult] = "previous";
    const auto before = m_view.texts;

    m_module.calculate();

    EXPECT_EQ(m_view.texts, before);
    EXPECT_EQ(m_view.log, QStringList{"message: The result cannot be computed: division by zero."});
}

TEST_F(WithLocale, CalculateReadsTheUserLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    m_view.texts[Control::convertText] = "1,5";
    m_view.texts[Control::densityText] = "50,0";
    m_view.texts[Control::convCombo] = "Pa.s";
    m_view.texts[Control::toCombo] = "cP";
    m_module.calculate();
    EXPECT_EQ(m_view.texts[Control::txtResult], "1.500,00000000");
}

// The starting texts are written as each locale writes numbers, so the
// start-up inputs are accepted everywhere ("50.0" is not a number in German).
TEST_F(WithLocale, StartingTextsPassInEveryLocale) {
    const struct {
        const char* locale;
        const char* result;
    } cases[] = {
        {"en_US", "1.24843945"},
        {"de_DE", "1,24843945"},
        {"fr_FR", "1,24843945"},
        {"sv_SE", "1,24843945"},
        {"hi_IN", "1.24843945"},
        {"ar_EG", "\u0661\u066B\u0662\u0664\u0668\u0664\u0663\u0669\u0664\u0665"},
    };
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(c.locale));
        m_module.clearValues();
        m_view.log.clear();
        m_module.calculate();
        EXPECT_EQ(m_view.log, QStringList{"set: txtResult = " + QString::fromUtf8(c.result)})
            << c.locale;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(ConvModule::startingValueText(), "1");
    EXPECT_EQ(ConvModule::startingDensityText(), "50.0");
}

TEST_F(WithLocale, ClearValuesRestoresTheStartingTextsOnly) {
    m_view.texts = {{Control::convertText, "7"},  {Control::densityText, "8"},
                    {Control::convCombo, "Pa.s"}, {Control::densityCombo, "g/l"},
                    {Control::toCombo, "m^2/s"},  {Control::txtResult, "123"}};
    m_module.calculate();
    const double result = m_module.convResult();
    m_view.log.clear();

    m_module.clearValues();

    EXPECT_EQ(m_view.log, (QStringList{"set: convertText = 1", "set: densityText = 50.0",
                                       "set: txtResult = "}));
    EXPECT_EQ(m_view.texts[Control::convCombo], "Pa.s");
    EXPECT_EQ(m_view.texts[Control::densityCombo], "g/l");
    EXPECT_EQ(m_view.texts[Control::toCombo], "m^2/s");
    EXPECT_EQ(m_module.convResult(), result);
}

} // namespace
} // namespace tarnwick
