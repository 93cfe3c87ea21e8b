// SPDX-License-Identifier: MIT
// The "About Us" window: the version, and the maker's web site and mail
// address as clickable lines.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace tarnwick::ui {

class ClickableLabel;

class About : public QWidget {
    Q_OBJECT

public:
    // A top-level window without an owner; the title-bar close box destroys it.
    About();

    // Opens an address through the desktop; navTo is the caller's own copy.
    void Navigate(QString navTo);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void okClick();
    void contactClick();
    void visitClick();

    QPushButton* m_ok = nullptr;
    QLabel* m_label1 = nullptr;
    ClickableLabel* m_contact = nullptr;
    ClickableLabel* m_visit = nullptr;
};

} // namespace tarnwick::ui
