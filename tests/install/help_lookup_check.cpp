// Asks the program's help lookup where an installed program in the given
// folder finds its help, and checks that both help files are there and hold
// the help contexts. Exit code 0 when they are.

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>

#include "platform/system_platform.h"

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
        if (!help.open(QIODevice::ReadOnly) || !help.readAll().contains("<a name=\"context-53\">")) {
            std::fprintf(stderr, "%s is missing or holds no help contexts\n", qPrintable(help.fileName()));
            return 1;
        }
    }
    return 0;
}
