#include <QApplication>

#include "mainwindow.h"
#include "platform/system_platform.h"
#include "program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    torvex::gui::SystemPlatform platform;
    torvex::gui::Program program(platform.services());
    program.mainWindow()->show();
    return app.exec();
}
