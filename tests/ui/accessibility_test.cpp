// SPDX-License-Identifier: MIT
#include "guitest.h"
#include "ui/about.h"
#include "ui/visconvertform.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace tarnwick::ui {
namespace {

struct AccessibleCase {
    const char* control; // in the main window, or in the About window
    QAccessible::Role role;
    const char* name;
    const char* labelledBy;
    const char* value;
    const char* actions;
};

void PrintTo(const AccessibleCase& c, std::ostream* os) {
    *os << c.control;
}

class AccessibleControl : public testing::GuiTest,
                          public ::testing::WithParamInterface<AccessibleCase> {
protected:
    VisConvertForm m_window;
};

// What a screen reader is told of each control, through Qt's accessibility
// interface, as the platform's bridge passes it on.
TEST_P(AccessibleControl, IsAnnouncedByItsRowOrTitle) {
    const auto& c = GetParam();
    QTest::mouseClick(m_window.findChild<QWidget*>("Command1"), Qt::LeftButton);
    QWidget* about = m_window.aboutWindow();
    ASSERT_NE(about, nullptr);
    QObject* object = m_window.findChild<QWidget*>(c.control);
    for (QWidget* window : {static_cast<QWidget*>(&m_window), about})
        if (window->objectName() == c.control)
            object = window;
    if (!object)
        object = about->findChild<QWidget*>(c.control);
    ASSERT_NE(object, nullptr) << c.control;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    ASSERT_NE(accessible, nullptr);

    EXPECT_EQ(accessible->role(), c.role);
    EXPECT_EQ(accessible->text(QAccessible::Name), c.name);
    EXPECT_EQ(accessible->text(QAccessible::Value), c.value);
    QStringList labels;
    for (const auto& relation : accessible->relations(QAccessible::Label))
        labels << relation.first->text(QAccessible::Name);
    EXPECT_EQ(labels.join(","), c.labelledBy);
    const auto* actions = accessible->actionInterface();
    EXPECT_EQ(actions ? actions->actionNames().join(",") : "", c.actions);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AccessibleControl,
    ::testing::Values(
        AccessibleCase{"visConvertForm", QAccessible::Window, "Absolute & Kinematic Tarnwick", "",
                       "", ""},
        AccessibleCase{"convFrame", QAccessible::Grouping, "", "", "", ""},
        AccessibleCase{"convertText", QAccessible::EditableText, "Convert", "", "1", "SetFocus"},
        AccessibleCase{"convCombo", QAccessible::ComboBox, "Convert unit", "Convert", "cP",
                       "ShowMenu,Press,SetFocus"},
        AccessibleCase{"densityText", QAccessible::EditableText, "With Fluid Density", "", "50.0",
                       "SetFocus"},
        AccessibleCase{"densityCombo", QAccessible::ComboBox, "With Fluid Density unit",
                       "With Fluid Density", "lb/ft^3", "ShowMenu,Press,SetFocus"},
        AccessibleCase{"toCombo", QAccessible::ComboBox, "To unit", "To", "cSt",
                       "ShowMenu,Press,SetFocus"},
        AccessibleCase{"txtResult", QAccessible::EditableText, "Result", "", "", "SetFocus"},
        AccessibleCase{"Image2", QAccessible::Link, "Web site www.tarnwick.example", "", "",
                       "Press"},
        AccessibleCase{"Image1", QAccessible::Graphic, "", "", "", ""},
        AccessibleCase{"About", QAccessible::Window, "About Us", "", "", ""},
        AccessibleCase{"Visit", QAccessible::Link, "Visit www.tarnwick.example", "", "", "Press"},
        AccessibleCase{"Contact", QAccessible::Link, "Contact info@tarnwick.example", "", "",
                       "Press"},
        AccessibleCase{"OK", QAccessible::Button, "Close", "", "", "Press,SetFocus"}),
    [](const auto& info) { return std::string(info.param.control); });

} // namespace
} // namespace tarnwick::ui
