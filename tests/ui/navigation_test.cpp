// SPDX-License-Identifier: MIT
// The main window's keys, its banner and the About window it opens and closes.
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

struct KeyCase {
    const char* control;
    Qt::Key key;
    const char* result; // "before" until something runs
    bool aboutShown;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.control << " " << c.key;
}

class KeyOnFocusedControl : public MainWindow, public ::testing::WithParamInterface<KeyCase> {};

// No window has a default button, and no box acts on Enter itself; Enter
// presses the focused button, as Space does.
TEST_P(KeyOnFocusedControl, PressesOnlyAFocusedButton) {
    const auto& c = GetParam();
    box("txtResult")->setText("before");
    child(c.control)->setFocus();
    QTest::keyClick(child(c.control), c.key);
    EXPECT_EQ(box("txtResult")->text(), c.result);
    EXPECT_EQ(box("convertText")->text(), "1");
    EXPECT_EQ(box("densityText")->text(), "50.0");
    EXPECT_EQ(m_window.aboutWindow() != nullptr, c.aboutShown);
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_TRUE(m_window.isVisible());
    EXPECT_EQ(m_window.focusWidget(), child(c.control));
}

INSTANTIATE_TEST_SUITE_P(Rows, KeyOnFocusedControl,
                         ::testing::Values(KeyCase{"convertText", Qt::Key_Return, "before", false},
                                           KeyCase{"convertText", Qt::Key_Enter, "before", false},
                                           KeyCase{"convertText", Qt::Key_Escape, "before", false},
                                           KeyCase{"densityText", Qt::Key_Return, "before", false},
                                           KeyCase{"densityText", Qt::Key_Enter, "before", false},
                                           KeyCase{"densityText", Qt::Key_Escape, "before", false},
                                           KeyCase{"txtResult", Qt::Key_Return, "before", false},
                                           KeyCase{"txtResult", Qt::Key_Enter, "before", false},
                                           KeyCase{"txtResult", Qt::Key_Escape, "before", false},
                                           KeyCase{"calButton", Qt::Key_Return, "1.24843945",
                                                   false},
                                           KeyCase{"calButton", Qt::Key_Enter, "1.24843945", false},
                                           KeyCase{"calButton", Qt::Key_Escape, "before", false},
                                           KeyCase{"resetButton", Qt::Key_Return, "", false},
                                           KeyCase{"Command1", Qt::Key_Return, "before", true}),
                         [](const auto& info) {
                             const Qt::Key key = info.param.key;
                             return std::string(info.param.control) +
                                    (key == Qt::Key_Return  ? "Return"
                                     : key == Qt::Key_Enter ? "Enter"
                                                            : "Escape");
                         });

TEST_F(MainWindow, BannerOpensTheWebSiteAndTheLogoNothing) {
    click("Image1");
    EXPECT_TRUE(m_shell.urls.isEmpty());
    click("Image2");
    EXPECT_EQ(m_shell.urls, QStringList{"http://www.tarnwick.example"});
    // Pressed by assistive technology too.
    QAccessible::queryAccessibleInterface(child("Image2"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_shell.urls.size(), 2);
}

TEST_F(MainWindow, AboutUsTwiceShowsOneWindowFocusedOnClose) {
    click("Command1");
    About* about = m_window.aboutWindow();
    ASSERT_NE(about, nullptr);
    click("Command1");
    EXPECT_EQ(m_window.aboutWindow(), about);

    int aboutWindows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        aboutWindows += widget->objectName() == "About" ? 1 : 0;
    EXPECT_EQ(aboutWindows, 1);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_EQ(about->focusWidget(), about->findChild<QPushButton*>("OK"));
}

TEST_F(MainWindow, AboutClosedByItsCloseBoxIsMadeAnew) {
    click("Command1");
    QPointer<About> first = m_window.aboutWindow();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(m_window.aboutWindow(), nullptr);

    click("Command1");
    ASSERT_NE(m_window.aboutWindow(), nullptr);
    EXPECT_TRUE(m_window.aboutWindow()->isVisible());
}

// Closing the main window ends the program, with the About window shown or
// hidden: the event loop must return.
class ClosingMainWindow : public MainWindow, public ::testing::WithParamInterface<bool> {};

TEST_P(ClosingMainWindow, EndsTheProgram) {
    click("Command1");
    if (!GetParam())
        m_window.aboutWindow()->findChild<QPushButton*>("OK")->click();
    QTimer::singleShot(0, &m_window, &QWidget::close);
    QTimer timeout; // ends the event loop if closing the window did not
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timeout.start(5000);
    EXPECT_EQ(QApplication::exec(), 0);
}

INSTANTIATE_TEST_SUITE_P(AboutWindow, ClosingMainWindow, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Shown" : "Hidden"; });

} // namespace
} // namespace tarnwick::ui
