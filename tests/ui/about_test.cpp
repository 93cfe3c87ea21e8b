// SPDX-License-Identifier: MIT
#include "guitest.h"
#include "ui/about.h"

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace tarnwick::ui {
namespace {

class AboutWindow : public testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        m_about = new About; // deletes itself when closed
        m_about->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_about));
    }
    void TearDown() override {
        delete m_about;
        GuiTest::TearDown();
    }

    QWidget* child(const char* name) { return m_about->findChild<QWidget*>(name); }

    QPointer<About> m_about;
};

TEST_F(AboutWindow, ShowsTheVersionAndTheAddresses) {
    EXPECT_EQ(m_about->objectName(), "About");
    EXPECT_EQ(m_about->windowTitle(), "About Us");
    EXPECT_EQ(m_about->minimumSize(), QSize(264, 109));
    EXPECT_EQ(m_about->maximumSize(), QSize(264, 109));
    EXPECT_EQ(m_about->findChild<QLabel*>("Label1")->text(), "Version 1.1.0");
    EXPECT_EQ(m_about->findChild<QLabel*>("Visit")->text(), "Visit www.tarnwick.example");
    EXPECT_EQ(m_about->findChild<QLabel*>("Contact")->text(), "Contact info@tarnwick.example");
    EXPECT_EQ(m_about->findChild<QPushButton*>("OK")->text(), "Close");
    EXPECT_EQ(QApplication::applicationVersion(), "1.1.0");
}

TEST_F(AboutWindow, EveryLineShowsWhole) {
    for (auto* label : m_about->findChildren<QLabel*>()) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
            << label->objectName();
        EXPECT_LE(label->geometry().right(), m_about->width()) << label->objectName();
    }
}

struct ActionCase {
    const char* control;
    QStringList opened;
    bool byScreenReader; // pressed through the accessibility interface
};

void PrintTo(const ActionCase& c, std::ostream* os) {
    *os << c.control << (c.byScreenReader ? " by a screen reader" : "");
}

class AboutAction : public AboutWindow, public ::testing::WithParamInterface<ActionCase> {};

TEST_P(AboutAction, HidesTheWindowThenOpensItsAddress) {
    QStringList hiddenWhenOpened;
    m_shell.onOpen = [&] { hiddenWhenOpened << (m_about->isHidden() ? "hidden" : "shown"); };

    if (GetParam().byScreenReader)
        QAccessible::queryAccessibleInterface(child(GetParam().control))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    else
        QTest::mouseClick(child(GetParam().control), Qt::LeftButton);
    // A window closed with WA_DeleteOnClose, or deleted later, is gone only now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_FALSE(m_about.isNull()); // hidden, not destroyed
    EXPECT_TRUE(m_about->isHidden());
    EXPECT_EQ(m_shell.urls, GetParam().opened);
    EXPECT_EQ(hiddenWhenOpened, QStringList(GetParam().opened.size(), "hidden"));
    EXPECT_TRUE(m_messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AboutAction,
    ::testing::Values(ActionCase{"OK", {}, false},
                      ActionCase{
                          "Contact", {"mailto:info@tarnwick.example?subject=Enquiry"}, false},
                      ActionCase{"Visit", {"http://www.tarnwick.example"}, false},
                      ActionCase{"Contact", {"mailto:info@tarnwick.example?subject=Enquiry"}, true},
                      ActionCase{"Visit", {"http://www.tarnwick.example"}, true}),
    [](const auto& info) {
        return std::string(info.param.control) +
               (info.param.byScreenReader ? "ByScreenReader" : "");
    });

// Counts the pixels of exactly one colour in a part of the rendered window.
int pixelsOf(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

TEST_F(AboutWindow, PaintsTheDesignedColours) {
    const QImage image = m_about->grab().toImage();
    ASSERT_EQ(image.size(), QSize(264, 109));
    // Corners that no control covers.
    for (const QPoint at : {QPoint(1, 1), QPoint(262, 1), QPoint(1, 107), QPoint(262, 107)})
        EXPECT_EQ(image.pixelColor(at), QColor(212, 208, 200)) << at.x() << "," << at.y();

    const struct {
        const char* name;
        QColor text;
        bool bold;
        int solidPixels; // the thin version line has no pixel wholly covered
    } lines[] = {{"Contact", QColor(192, 0, 0), true, 100},
                 {"Visit", QColor(192, 0, 0), true, 100},
                 {"Label1", QColor(0, 0, 0), false, 0}};
    for (const auto& line : lines) {
        const auto* label = m_about->findChild<QLabel*>(line.name);
        ASSERT_NE(label, nullptr) << line.name;
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            EXPECT_EQ(label->palette().color(group, QPalette::WindowText), line.text)
                << line.name << " group " << group;
        EXPECT_EQ(label->font().bold(), line.bold) << line.name;
        // The solid strokes of the text, on the painted background.
        EXPECT_GE(pixelsOf(image, label->geometry(), line.text), line.solidPixels) << line.name;
        EXPECT_GT(pixelsOf(image, label->geometry(), QColor(212, 208, 200)), 100) << line.name;
    }
}

TEST_F(AboutWindow, VersionLineAndEscapeDoNothing) {
    QTest::mouseClick(child("Label1"), Qt::LeftButton);
    QTest::keyClick(child("OK"), Qt::Key_Escape);
    EXPECT_TRUE(m_about->isVisible());
    EXPECT_TRUE(m_shell.urls.isEmpty());
}

class AboutKey : public AboutWindow, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(AboutKey, PressesTheFocusedCloseButton) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : child("OK"),
                    GetParam());
    EXPECT_TRUE(m_about->isHidden());
}

INSTANTIATE_TEST_SUITE_P(Keys, AboutKey, ::testing::Values(Qt::Key_Return, Qt::Key_Space),
                         [](const auto& info) {
                             return info.param == Qt::Key_Space ? "Space" : "Enter";
                         });

} // namespace
} // namespace tarnwick::ui
