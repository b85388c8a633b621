#include <QApplication>
#include <QIcon>

#include "mainwindow.h"
#include "platform/system_platform.h"
#include "program.h"
#include "widgets/hint_style.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvex"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.2"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Torvex 1.1.2"));
    // Ties the windows to the installed torvex.desktop (name and icon in the
    // desktop's task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("torvex"));
    Q_INIT_RESOURCE(torvex);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/torvex/torvex.svg")));
    // Every tooltip of every window is shown in the one hint style.
    torvex::gui::InstallHintStyle();

    // The platform outlives the windows: its help window closes with them.
    torvex::gui::SystemPlatform platform;
    torvex::gui::Program program(platform.services());
    program.mainWindow()->show();
    return app.exec();
}
