// SPDX-License-Identifier: MIT
#include "ui/appearance.h"
#include "ui/commandline.h"
#include "ui/visconvertform.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (const auto answer = tarnwick::ui::answerCommandLine(argc, argv, std::getenv)) {
        std::fwrite(answer->text.data(), 1, answer->text.size(), answer->isError ? stderr : stdout);
        return answer->status;
    }
    QApplication app(argc, argv);
    tarnwick::ui::initialiseApplication();
    tarnwick::ui::VisConvertForm window;
    window.show();
    return app.exec();
}
