#include <QApplication>
#include <QIcon>

#include "main_window.h"
#include "platform/system_platform.h"
#include "program.h"
#include "version.h"
#include "widgets/hint_style.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvex"));
    const QString version = QString::fromLatin1(torvex::kVersion.data(), qsizetype(torvex::kVersion.size()));
    QApplication::setApplicationVersion(version);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Torvex ") + version);
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
