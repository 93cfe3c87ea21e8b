// SPDX-License-Identifier: MIT
#include "guitest.h"
#include "mainwindowtest.h"
#include "ui/about.h"
#include "ui/visconvertform.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QImage>
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

// The entries a screen reader reaches below each list, in order; the
// viscosity lists keep their blank line between the two kinds of unit.
constexpr const char* viscosityEntries =
    "cP,lb/(ft.s),lb/(ft.h),slugs/(ft.s),poundal.s/ft^2,lbf.s/ft^2,lbf.s/in^2,Pa.s,N.s/m^2,Poise,"
    "g/(cm.s),dyne.s/cm^2,kg/(m.h),kg/(m.s),kgf.s/m^2,,cSt,ft^2/h,ft^2/s,in^2/s,m^2/s,m^2/h,"
    "Stoke,cm^2/s,mm^2/s";

struct ListCase {
    const char* list;
    const char* entries; // the names, joined by commas
};

void PrintTo(const ListCase& c, std::ostream* os) {
    *os << c.list;
}

class AccessibleList : public testing::MainWindow, public ::testing::WithParamInterface<ListCase> {
protected:
    QAccessibleInterface* accessibleList() {
        return QAccessible::queryAccessibleInterface(list(GetParam().list));
    }
};

TEST_P(AccessibleList, HasItsEntriesBelowIt) {
    QAccessibleInterface* accessible = accessibleList();
    ASSERT_EQ(accessible->childCount(), 1);
    QAccessibleInterface* entries = accessible->child(0);
    ASSERT_NE(entries, nullptr);
    EXPECT_EQ(entries->role(), QAccessible::List);
    QStringList names;
    for (int i = 0; i < entries->childCount(); ++i)
        names << entries->child(i)->text(QAccessible::Name);
    EXPECT_EQ(names.join(","), GetParam().entries);
}

TEST_P(AccessibleList, OpensAndClosesByEitherAction) {
    auto* actions = accessibleList()->actionInterface();
    ASSERT_NE(actions, nullptr);
    const QAbstractItemView* view = list(GetParam().list)->view();
    for (const QString& action : {actions->showMenuAction(), actions->pressAction()}) {
        actions->doAction(action);
        EXPECT_TRUE(view->isVisible()) << action.toStdString();
        actions->doAction(action);
        EXPECT_FALSE(view->isVisible()) << action.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AccessibleList,
    ::testing::Values(ListCase{"convCombo", viscosityEntries},
                      ListCase{"densityCombo", "lb/ft^3,lb/in^3,lb/US gal,lb/UK gal,kg/m^3,g/l,"
                                               "g/cm^3,slug/ft^3,deg API,deg Baume,"
                                               "SG (rel. Water),SG (rel. Air)"},
                      ListCase{"toCombo", viscosityEntries}),
    [](const auto& info) { return std::string(info.param.list); });

// The focus ring: two pixels of black along the control's edge, one of white
// inside them.
bool ringed(QWidget* control) {
    const QImage image = control->grab().toImage();
    const int right = image.width() - 1, bottom = image.height() - 1;
    const int midX = image.width() / 2, midY = image.height() / 2;
    const QPoint edges[][3] = {{{0, midY}, {1, midY}, {2, midY}},
                               {{right, midY}, {right - 1, midY}, {right - 2, midY}},
                               {{midX, 0}, {midX, 1}, {midX, 2}},
                               {{midX, bottom}, {midX, bottom - 1}, {midX, bottom - 2}}};
    for (const auto& edge : edges)
        if (image.pixelColor(edge[0]) != Qt::black || image.pixelColor(edge[1]) != Qt::black ||
            image.pixelColor(edge[2]) != Qt::white)
            return false;
    return true;
}

struct RingCase {
    const char* control;
    int tabs; // Tab keys pressed from the start; -1: focused by the mouse
    bool ringed;
};

void PrintTo(const RingCase& c, std::ostream* os) {
    *os << c.control << " after " << c.tabs << " tabs";
}

class FocusRing : public testing::MainWindow, public ::testing::WithParamInterface<RingCase> {};

// A box shows the ring whenever it has the focus, from the start; a list or
// a button once the keyboard has moved the focus, as the styles do.
TEST_P(FocusRing, MarksTheFocusedControl) {
    const auto& c = GetParam();
    if (c.tabs < 0)
        child(c.control)->setFocus(Qt::MouseFocusReason);
    for (int i = 0; i < c.tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(focused(), c.control);
    EXPECT_EQ(ringed(child(c.control)), c.ringed);
    for (const char* other : {"convertText", "densityText", "convCombo", "calButton"}) {
        if (QString(other) != c.control) {
            EXPECT_FALSE(ringed(child(other))) << other;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FocusRing,
    ::testing::Values(RingCase{"convertText", 0, true}, RingCase{"densityText", -1, true},
                      RingCase{"convCombo", -1, false}, RingCase{"calButton", -1, false},
                      RingCase{"densityText", 1, true}, RingCase{"calButton", 2, true},
                      RingCase{"convCombo", 4, true}),
    [](const auto& info) {
        return std::string(info.param.control) +
               (info.param.tabs < 0 ? "ByMouse"
                                    : "After" + std::to_string(info.param.tabs) + "Tabs");
    });

} // namespace
} // namespace tarnwick::ui
