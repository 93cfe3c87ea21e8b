// SPDX-License-Identifier: MIT
// The maker's two addresses, shown on the About window and opened through the
// desktop. These are the only addresses the program ever opens.
#pragma once

#include <QString>

namespace tarnwick::ui {

inline const QString webSiteHost = QStringLiteral("www.tarnwick.example");
inline const QString contactMailAddress = QStringLiteral("info@tarnwick.example");

inline QString webSiteAddress() {
    return QStringLiteral("http://") + webSiteHost;
}

inline QString contactAddress() {
    QString address = QStringLiteral("mailto:") + contactMailAddress + QStringLiteral("?subject=");
    address += QStringLiteral("Enquiry");
    return address;
}

} // namespace tarnwick::ui
