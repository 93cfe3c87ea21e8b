// SPDX-License-Identifier: MIT
#include "appearance.h"
#include "visconvertform.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tarnwick::ui::initialiseApplication();
    tarnwick::ui::VisConvertForm window;
    window.show();
    return app.exec();
}
