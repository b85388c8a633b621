// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks the program's help lookup where an installed program in the given
// folder finds its help, and checks that both help files are there and hold
// the help contexts; then that the module lookup finds the ferrite window's
// module where the installed program looks first. Exit code 0 when they are.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <cstdio>

#include "platform/system_platform.h"
#include "tools/ferrite_window_loader.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: help_lookup_check <folder of the installed program>\n");
        return 2;
    }
    const QString programFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    const QString helpFolder = torvex::gui::FindHelpFolder(programFolder);
    std::printf("help folder: %s\n", qPrintable(helpFolder));
    if (helpFolder == programFolder) {
        std::fprintf(stderr, "no help files found from %s\n", qPrintable(programFolder));
        return 1;
    }
    for (const char* name : {"torvex11_d.hlp", "torvex11_e.hlp"}) {
        QFile help(helpFolder + QLatin1String(name));
        if (!help.open(QIODevice::ReadOnly) || !help.readAll().contains("<a name=\"context-54\">")) {
            std::fprintf(stderr, "%s is missing or holds no help contexts\n", qPrintable(help.fileName()));
            return 1;
        }
    }
    // The first folder is the installed one; a build tree around the scratch
    // prefix would only come after it.
    using torvex::gui::FerriteWindowLoader;
    const QString module = QDir(FerriteWindowLoader::defaultFolders(programFolder).value(0))
                               .filePath(FerriteWindowLoader::moduleFileName());
    std::printf("ferrite window module: %s\n", qPrintable(module));
    if (!QFileInfo(module).isFile()) {
        std::fprintf(stderr, "the module is not where the installed program looks for it\n");
        return 1;
    }
    return 0;
}
