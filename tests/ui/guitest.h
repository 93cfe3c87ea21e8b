// SPDX-License-Identifier: MIT
// A fixture for window tests: messages and opened addresses are captured
// instead of shown or opened, and an unexpected modal dialog fails the test
// and is closed, so a test never hangs waiting for a click.
#pragma once

#include "qtprinters.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace tarnwick::ui::testing {

class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QStringList urls;
    std::function<void()> onOpen;

public slots:
    void open(const QUrl& url) {
        if (onOpen)
            onOpen();
        urls << url.toString();
    }
};

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        MessageBox::setHandler([this](QWidget* parent, const QString& text) {
            m_messages << text;
            m_messageParents << parent;
        });
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(scheme, &m_shell, "open");
        m_watchdog.setInterval(50);
        QObject::connect(&m_watchdog, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "unexpected modal dialog: " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
        m_watchdog.start();
    }

    void TearDown() override {
        m_watchdog.stop();
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
        MessageBox::setHandler({});
    }

    QStringList m_messages;
    QList<QWidget*> m_messageParents;
    UrlCatcher m_shell;
    QTimer m_watchdog;
};

} // namespace tarnwick::ui::testing
