// SPDX-License-Identifier: MIT
#include "ui/appearance.h"

#include "ui/accessibility.h"
#include "ui/bitmaps.h"
#include "ui/focusstyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace tarnwick::ui {

namespace {
const QString fontFamily = QStringLiteral("Liberation Sans");
}

QFont designFont(double points, bool bold) {
    QFont font(fontFamily);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QPixmap designPicture(const QString& resource, qreal devicePixelRatio) {
    if (devicePixelRatio > 1) {
        QString large = resource;
        large.insert(large.lastIndexOf(u'.'), QStringLiteral("@2x"));
        QPixmap pixmap = QPixmap::fromImage(readBitmap(fileBytes(large)));
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2);
            return pixmap;
        }
    }
    return QPixmap::fromImage(readBitmap(fileBytes(resource)));
}

void setTextColour(QWidget* label, const QColor& colour) {
    QPalette palette = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, colour);
    label->setPalette(palette);
}

void initialiseApplication() {
    QApplication::setApplicationName(QStringLiteral("Tarnwick"));
    QApplication::setApplicationVersion(QStringLiteral(TARNWICK_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Tarnwick"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tarnwick.Tarnwick"));
#ifdef TARNWICK_BUNDLED_FONTS
    // The system's copy of the face comes first; the one built in only fills
    // in on machines that lack it.
    if (!QFontDatabase::hasFamily(fontFamily)) {
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    }
#endif
    // The icon theme's copy has every size from 16 to 256 pixels and a
    // scalable one; the built-in 32 x 32 icon serves where it is not installed.
    QApplication::setWindowIcon(QIcon::fromTheme(
        QGuiApplication::desktopFileName(),
        QIcon(QPixmap::fromImage(readIcon(fileBytes(QStringLiteral(":/images/tarnwick.ico")))))));
    QApplication::setStyle(new FocusStyle(QApplication::style()->name()));
    installAccessibleInterfaces();
}

} // namespace tarnwick::ui
