// SPDX-License-Identifier: MIT
// The main window shown and active, with ways to reach its controls by their
// design names.
#pragma once

#include "guitest.h"
#include "ui/visconvertform.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace tarnwick::ui::testing {

class MainWindow : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
        m_window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    template <typename Widget = QWidget>
    Widget* child(const char* name) {
        auto* widget = m_window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    QComboBox* list(const char* name) { return child<QComboBox>(name); }
    void click(const char* name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    QString focused() const {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none";
    }

    VisConvertForm m_window;
};

} // namespace tarnwick::ui::testing
