// SPDX-License-Identifier: MIT
#include "engine/engine.h"
#include "guitest.h"
#include "ui/errorreport.h"
#include "ui/messagebox.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace tarnwick::ui {
namespace {

using Condition = ConversionError::Condition;

struct ErrorCase {
    const char* name;
    std::exception_ptr error;
    const char* expected;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class DescribeError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(DescribeError, NamesTheProblemInPlainWords) {
    EXPECT_EQ(describeError(GetParam().error).toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DescribeError,
    ::testing::Values(
        ErrorCase{"DivisionByZero",
                  std::make_exception_ptr(ConversionError(Condition::DivisionByZero)),
                  "The result cannot be computed: division by zero."},
        ErrorCase{"Overflow", std::make_exception_ptr(ConversionError(Condition::Overflow)),
                  "The result cannot be computed: overflow."},
        ErrorCase{"InvalidOperation",
                  std::make_exception_ptr(ConversionError(Condition::InvalidOperation)),
                  "The result cannot be computed: invalid operation."},
        ErrorCase{"OtherStandardError", std::make_exception_ptr(std::runtime_error("boom")),
                  "An unexpected error occurred: boom"},
        ErrorCase{"AnythingElse", std::make_exception_ptr(42), "An unexpected error occurred."}),
    [](const auto& info) { return std::string(info.param.name); });

using Guarded = testing::GuiTest;

TEST_F(Guarded, ReportsAnEscapingErrorAndGoesOn) {
    QWidget parent;
    guarded(&parent, [] { throw ConversionError(Condition::Overflow); });
    EXPECT_EQ(m_messages, QStringList{"The result cannot be computed: overflow."});
    EXPECT_EQ(m_messageParents, QList<QWidget*>{&parent});
}

TEST_F(Guarded, StaysQuietWhenNothingFails) {
    bool ran = false;
    guarded(nullptr, [&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(m_messages.isEmpty());
}

TEST_F(Guarded, AnUnexpectedModalDialogFailsInsteadOfHanging) {
    // The fixture's watchdog closes the dialog and reports it.
    EXPECT_NONFATAL_FAILURE(QMessageBox::information(nullptr, "Surprise", "Nobody clicks me"),
                            "unexpected modal dialog: Surprise");
}

// The production side of the seam: a real, modal critical message box with
// one OK button, the application's name as caption and the windows' face.
TEST(MessageBoxSeam, ShowsARealCriticalMessageBox) {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    QFont font;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            font = box->font();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start();
    QTimer guard; // never hang, even if the box is not what we expect
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    guard.start(5000);

    MessageBox::critical(nullptr, "Density input value is invalid");

    EXPECT_EQ(title, "Tarnwick");
    EXPECT_EQ(text, "Density input value is invalid");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(font.family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
    EXPECT_EQ(font.pointSizeF(), 8.25);
}

} // namespace
} // namespace tarnwick::ui
