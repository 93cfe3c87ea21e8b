// SPDX-License-Identifier: MIT
// GUI tests run on Qt's offscreen platform unless told otherwise, with one
// QApplication for the whole run, set up as the program sets it up.
#include "ui/appearance.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tarnwick::ui::initialiseApplication();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
