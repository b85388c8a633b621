// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QIcon>

#include "command_line.h"
#include "main_window.h"
#include "platform/application_title.h"
#include "platform/system_platform.h"
#include "program.h"
#include "version.h"
#include "widgets/hint_style.h"

int main(int argc, char* argv[]) {
    // --help and --version answer without a display, so they work over ssh,
    // in scripts and in package checks.
    if (auto exitCode = torvex::app::Answer(torvex::app::CommandLine::Read(argc, argv, torvex::app::Stage::BeforeQt)))
        return *exitCode;
    QApplication app(argc, argv);
    // QApplication has taken its own options out of argv; what is left and
    // not ours is a mistake the user should hear about.
    const auto commandLine = torvex::app::CommandLine::Read(argc, argv, torvex::app::Stage::AfterQt);
    if (auto exitCode = torvex::app::Answer(commandLine))
        return *exitCode;
    QApplication::setApplicationName(QStringLiteral("Torvex"));
    const QString version = QString::fromLatin1(torvex::kVersion.data(), qsizetype(torvex::kVersion.size()));
    QApplication::setApplicationVersion(version);
    // The title of message boxes. (Qt's application display name would be
    // appended to every window's caption.)
    torvex::gui::SetApplicationTitle(QStringLiteral("Torvex ") + version);
    // Ties the windows to the installed torvex.desktop (name and icon in the
    // desktop's task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("torvex"));
    Q_INIT_RESOURCE(torvex);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/torvex/torvex.svg")));
    // Every tooltip of every window is shown in the one hint style.
    torvex::gui::InstallHintStyle();

    // The platform outlives the windows: its help window closes with them.
    torvex::gui::SystemPlatform platform;
    torvex::gui::PlatformServices services = platform.services();
    services.forgetSettings = commandLine.isSet("reset-settings");
    torvex::gui::Program program(services);
    program.mainWindow()->show();
    return app.exec();
}
