// SPDX-License-Identifier: MIT
#include "appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPalette>
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
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Bold.ttf"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/tarnwick.ico")));
}

} // namespace tarnwick::ui
