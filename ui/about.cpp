// SPDX-License-Identifier: MIT
#include "ui/about.h"

#include "ui/addresses.h"
#include "ui/appearance.h"
#include "ui/clickablelabel.h"
#include "ui/errorreport.h"
#include "ui/shell.h"

#include <QPainter>
#include <QPushButton>

namespace tarnwick::ui {

namespace {

// A line's designed width was made for other texts; widen it to show the
// whole of ours, within the window.
int lineWidth(const QLabel* label, int designWidth, int left, int windowWidth) {
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2;
    return qMin(qMax(designWidth, needed), windowWidth - 2 * left);
}

} // namespace

About::About()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Us"));
    setFixedSize(twips(3960), twips(1635));
    setFont(windowFont());
    setTextColour(this, fixedTextColour);
    setAttribute(Qt::WA_DeleteOnClose);
    // A hidden or open About window never keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Created bottom of the stacking order first.
    m_visit = new ClickableLabel(QStringLiteral("Visit ") + webSiteHost, this);
    m_visit->setObjectName(QStringLiteral("Visit"));
    m_contact = new ClickableLabel(QStringLiteral("Contact ") + contactMailAddress, this);
    m_contact->setObjectName(QStringLiteral("Contact"));
    for (auto* line : {m_visit, m_contact}) {
        line->setFont(designFont(9.75, true));
        setTextColour(line, linkColour);
        line->setCursor(Qt::PointingHandCursor);
    }
    m_visit->setGeometry(twips(120), twips(120),
                         lineWidth(m_visit, twips(2655), twips(120), width()), twips(255));
    m_contact->setGeometry(twips(120), twips(600),
                           lineWidth(m_contact, twips(2895), twips(120), width()), twips(255));

    m_label1 = new QLabel(QStringLiteral("Version " TARNWICK_VERSION), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(twipsRect(120, 1320, 975, 255));

    m_ok = new QPushButton(QStringLiteral("Close"), this);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_ok->setFont(designFont(9.75, true));
    m_ok->setGeometry(twipsRect(2760, 1080, 1095, 375));
    m_ok->setAutoDefault(true); // Enter presses it while it has the focus
    m_ok->setFocus();

    connect(m_ok, &QPushButton::clicked, this, &About::okClick);
    connect(m_contact, &ClickableLabel::clicked, this, &About::contactClick);
    connect(m_visit, &ClickableLabel::clicked, this, &About::visitClick);
}

void About::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), inactiveCaptionTextColour);
}

void About::Navigate(QString navTo) {
    openWithDesktop(navTo);
}

// Each action hides the window first, so it has gone by the time the
// browser or mail program opens, and stays hidden if the desktop refuses.
void About::okClick() {
    guarded(this, [this] { hide(); });
}

void About::contactClick() {
    guarded(this, [this] {
        hide();
        Navigate(contactAddress());
    });
}

void About::visitClick() {
    guarded(this, [this] {
        hide();
        Navigate(webSiteAddress());
    });
}

} // namespace tarnwick::ui
