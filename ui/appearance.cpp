// SPDX-License-Identifier: MIT
#include "ui/appearance.h"

#include "ui/accessibility.h"
#include "ui/bitmaps.h"
#include "ui/focusstyle.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace tarnwick::ui {

namespace {
const QString fontFamily = QStringLiteral("Liberation Sans");

// Whether an icon theme's hicolor folder, where an installed program's icon
// lies, holds the given icon in any size.
bool hicolorHas(const QString& name) {
    for (const QString& root : QIcon::themeSearchPaths()) {
        const QDir hicolor(root + QStringLiteral("/hicolor"));
        for (const QString& size : hicolor.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            for (const char* suffix : {".png", ".svg"})
                if (QFileInfo::exists(hicolor.filePath(size + QStringLiteral("/apps/") + name +
                                                       QLatin1String(suffix))))
                    return true;
    }
    return false;
}
} // namespace

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

QIcon applicationIcon() {
    const QIcon builtIn(
        QPixmap::fromImage(readIcon(fileBytes(QStringLiteral(":/images/tarnwick.ico")))));
    // Qt's theme lookup reads a theme's whole index, some 0.35 MiB at every
    // start even when it finds nothing, as when the program runs from its
    // build folder; it is asked only where the program's icon is installed.
    const QString name = QGuiApplication::desktopFileName();
    return hicolorHas(name) ? QIcon::fromTheme(name, builtIn) : builtIn;
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
    QApplication::setWindowIcon(applicationIcon());
    QApplication::setStyle(new FocusStyle(QApplication::style()->name()));
    installAccessibleInterfaces();
}

} // namespace tarnwick::ui
