// SPDX-License-Identifier: MIT
#include "ui/appearance.h"
#include "ui/commandline.h"
#include "ui/visconvertform.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[]) {
    if (auto status =
            tarnwick::ui::answerCommandLine(argc, argv, std::cout, std::cerr, std::getenv))
        return *status;
    QApplication app(argc, argv);
    tarnwick::ui::initialiseApplication();
    tarnwick::ui::VisConvertForm window;
    window.show();
    return app.exec();
}
