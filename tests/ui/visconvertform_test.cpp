// SPDX-License-Identifier: MIT
#include "guitest.h"
#include "mainwindowtest.h"
#include "ui/about.h"
#include "ui/appearance.h"
#include "ui/bitmaps.h"
#include "ui/visconvertform.h"

#include <QAccessible>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>
#include <gtest/gtest.h>

namespace tarnwick::ui {
namespace {

using testing::MainWindow;

TEST_F(MainWindow, StartsFilledAndFocusedOnTheValue) {
    EXPECT_EQ(m_window.objectName(), "visConvertForm");
    EXPECT_EQ(m_window.windowTitle(), "Absolute & Kinematic Tarnwick");
    EXPECT_EQ(m_window.minimumSize(), QSize(368, 252));
    EXPECT_EQ(m_window.maximumSize(), QSize(368, 252));
    EXPECT_FALSE(m_window.windowIcon().isNull());
    EXPECT_EQ(box("convertText")->text(), "1");
    EXPECT_EQ(box("densityText")->text(), "50.0");
    EXPECT_EQ(box("txtResult")->text(), "");
    EXPECT_EQ(list("convCombo")->count(), 25);
    EXPECT_EQ(list("toCombo")->count(), 25);
    EXPECT_EQ(list("densityCombo")->count(), 12);
    EXPECT_EQ(list("convCombo")->currentText(), "cP");
    EXPECT_EQ(list("toCombo")->currentText(), "cSt");
    EXPECT_EQ(list("densityCombo")->currentText(), "lb/ft^3");
    EXPECT_EQ(list("toCombo")->itemText(15), "");
    EXPECT_FALSE(list("toCombo")->isEditable());
    EXPECT_EQ(focused(), "convertText");
    EXPECT_EQ(m_window.aboutWindow(), nullptr);
}

// The focus ring: two black pixels, then one white, along the control's edge.
bool showsFocusRing(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    const int middle = image.height() / 2;
    return image.pixelColor(1, middle) == Qt::black && image.pixelColor(2, middle) == Qt::white;
}

TEST_F(MainWindow, TabRunsThroughTheInputsInDesignOrderShowingTheFocus) {
    const QStringList forward{"densityText", "calButton",    "resetButton",
                              "convCombo",   "densityCombo", "toCombo",
                              "Command1",    "txtResult",    "convertText"};
    QStringList seen, ringed;
    for (int i = 0; i < forward.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << focused();
        if (showsFocusRing(QApplication::focusWidget()))
            ringed << focused();
    }
    EXPECT_EQ(seen, forward);
    EXPECT_EQ(ringed, forward);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(focused(), "txtResult");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_NE(m_window.aboutWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.aboutWindow()));
    EXPECT_TRUE(showsFocusRing(m_window.aboutWindow()->findChild<QPushButton*>("OK")));
}

TEST_F(MainWindow, CalculateShowsTheResult) {
    click("calButton");
    EXPECT_EQ(box("txtResult")->text(), "1.24843945");
    EXPECT_TRUE(m_messages.isEmpty());
}

struct RejectionCase {
    const char* name;
    const char* control;
    const char* text; // for a text box
    int index;        // for a list
    const char* message;
};

void PrintTo(const RejectionCase& c, std::ostream* os) {
    *os << c.name;
}

class MainWindowRejects : public MainWindow, public ::testing::WithParamInterface<RejectionCase> {};

// The reason of the last focus-in of the watched control.
class FocusInReason : public QObject {
public:
    Qt::FocusReason reason = Qt::NoFocusReason;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            reason = static_cast<QFocusEvent*>(event)->reason();
        return false;
    }
};

TEST_P(MainWindowRejects, ShowsTheMessageAndFocusesTheControl) {
    const auto& c = GetParam();
    if (auto* edit = m_window.findChild<QLineEdit*>(c.control))
        edit->setText(c.text);
    else
        list(c.control)->setCurrentIndex(c.index);
    box("txtResult")->setText("previous");
    list("densityCombo")->setFocus();
    m_window.setAttribute(Qt::WA_KeyboardFocusChange, false);
    FocusInReason focusIn;
    child(c.control)->installEventFilter(&focusIn);

    click("calButton");

    EXPECT_EQ(m_messages, QStringList{c.message});
    EXPECT_EQ(m_messageParents, QList<QWidget*>{&m_window});
    EXPECT_EQ(focused(), c.control);
    // Shown as after Tab, so that the style draws the focus.
    EXPECT_EQ(focusIn.reason, Qt::TabFocusReason);
    EXPECT_TRUE(m_window.testAttribute(Qt::WA_KeyboardFocusChange));
    EXPECT_EQ(box("txtResult")->text(), "previous");
}

// densityCombo has no empty entry: no selection (index -1) gives the empty text.
INSTANTIATE_TEST_SUITE_P(
    Rows, MainWindowRejects,
    ::testing::Values(
        RejectionCase{"BadValue", "convertText", "abc", 0, "Viscosity input value is invalid"},
        RejectionCase{"BadDensity", "densityText", "abc", 0, "Density input value is invalid"},
        RejectionCase{"ZeroValue", "convertText", "0", 0,
                      "Input Error: Viscosity input value is zero or negative"},
        RejectionCase{"NegativeDensity", "densityText", "-1", 0,
                      "Input Error: Density input value is zero or negative"},
        RejectionCase{"SeparatorAsValueUnit", "convCombo", nullptr, 15,
                      "Viscosity unit is not specified. "},
        RejectionCase{"NoDensityUnit", "densityCombo", nullptr, -1,
                      "Density unit is not specified. "},
        RejectionCase{"SeparatorAsTargetUnit", "toCombo", nullptr, 15,
                      "Conversion unit is not specified. "}),
    [](const auto& info) { return std::string(info.param.name); });

struct ResultCase {
    const char* value;
    const char* from;
    const char* result;
    const char* whole; // the tooltip and accessible description
};

void PrintTo(const ResultCase& c, std::ostream* os) {
    *os << c.value << " " << c.from;
}

class ResultBox : public MainWindow, public ::testing::WithParamInterface<ResultCase> {};

// The box is 97 pixels wide; a result cut off there is offered whole.
TEST_P(ResultBox, ShowsFromTheFirstDigitAndOffersACutResultWhole) {
    box("convertText")->setText(GetParam().value);
    list("convCombo")->setCurrentIndex(list("convCombo")->findText(GetParam().from));
    list("toCombo")->setCurrentIndex(list("toCombo")->findText("cP"));

    click("calButton");

    QLineEdit* result = box("txtResult");
    EXPECT_EQ(result->text(), GetParam().result);
    EXPECT_EQ(result->cursorPosition(), 0);
    // The cursor's rectangle, as cursorRect() gives it, near the left edge.
    EXPECT_LE(result->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 6);
    EXPECT_EQ(result->toolTip(), GetParam().whole);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description),
              GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(Rows, ResultBox,
                         ::testing::Values(ResultCase{"1000000", "Pa.s", "1,000,000,000.00000000",
                                                      "1,000,000,000.00000000"},
                                           ResultCase{"1000", "Pa.s", "1,000,000.00000000",
                                                      "1,000,000.00000000"},
                                           ResultCase{"1000", "cP", "1,000.00000000", ""},
                                           ResultCase{"2", "cP", "2.00000000", ""}),
                         [](const auto& info) {
                             return std::string(info.param.value) + "From" +
                                    (info.param.from[0] == 'c' ? "cP" : "Pas");
                         });

TEST_F(MainWindow, ArithmeticErrorIsReportedAndTheProgramGoesOn) {
    box("densityText")->setText("145");
    list("densityCombo")->setCurrentIndex(9); // deg Baume
    box("txtResult")->setText("previous");

    click("calButton");

    EXPECT_EQ(m_messages, QStringList{"The result cannot be computed: division by zero."});
    EXPECT_EQ(m_messageParents, QList<QWidget*>{&m_window});
    EXPECT_EQ(box("txtResult")->text(), "previous");
    EXPECT_EQ(box("convertText")->text(), "1");
    EXPECT_EQ(box("densityText")->text(), "145");
    EXPECT_EQ(list("densityCombo")->currentText(), "deg Baume");
    EXPECT_TRUE(m_window.isVisible());

    box("densityText")->setText("50.0");
    list("densityCombo")->setCurrentIndex(0);
    click("calButton");
    EXPECT_EQ(box("txtResult")->text(), "1.24843945");
}

TEST_F(MainWindow, ClearValuesRestoresTheStartingTexts) {
    box("convertText")->setText("7");
    box("densityText")->setText("8");
    box("txtResult")->setText("9");
    list("toCombo")->setCurrentIndex(20);

    click("resetButton");

    EXPECT_EQ(box("convertText")->text(), "1");
    EXPECT_EQ(box("densityText")->text(), "50.0");
    EXPECT_EQ(box("txtResult")->text(), "");
    EXPECT_EQ(list("toCombo")->currentText(), "m^2/s");
    EXPECT_TRUE(m_messages.isEmpty());
}

} // namespace
} // namespace tarnwick::ui
