// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens the ferrite impedance window from the module an installed program in
// the given folder would load (the installed place only, never a build tree),
// as the program does on its first opening, and checks that it computes;
// then prints a page into a PDF file through the installed print module.
// Exit code 0 when both work. Run offscreen by the install test and by
// scripts/package.sh on the unpacked package.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

#include "modules/print_module.h"
#include "platform/display_settings.h"
#include "platform/platform.h"
#include "tools/ferrite_window_opener.h"
#include "tools/print_module_loader.h"
#include "widgets/decimal_key_filter.h"

namespace {

using namespace torvex;
using namespace torvex::gui;

class Errors : public ErrorReporter {
public:
    void showError(const QString& message) override { messages << message; }
    QStringList messages;
};

class Context : public WindowContext {
public:
    DisplaySettings& settings() override { return m_settings; }
    ErrorReporter& errors() override { return m_errors; }
    DecimalKeyFilter& keyFilter() override { return m_keyFilter; }
    void showLanguage(Language language) override { m_settings.setLanguage(language); }
    const QStringList& messages() const { return m_errors.messages; }

private:
    DisplaySettings m_settings{Language::English, UnitSystem::Metric, QStringLiteral(".")};
    Errors m_errors;
    DecimalKeyFilter m_keyFilter{[this] { return m_settings.decimalSeparator(); }};
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: ferrite_module_check <folder of the installed program>\n");
        return 2;
    }
    const QString programFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString installed = FerriteWindowLoader::defaultFolders(programFolder).value(0);
    Context context;
    FerriteWindowOpener opener(context, {installed}, {}, {});
    QWidget* window = opener.open();
    if (!window) {
        std::fprintf(stderr, "%s\n", qPrintable(context.messages().value(0)));
        return 1;
    }
    // The window's first case: FT240 in 43, 11 turns at 3.6 MHz, 2 pF.
    const auto* resistance = window->findChild<QLabel*>(QStringLiteral("resistanceLabel"));
    const QString shown = resistance ? resistance->text() : QString();
    std::printf("%s from %s: R = %s\n", qPrintable(window->objectName()), qPrintable(installed), qPrintable(shown));
    if (window->objectName() != QLatin1String(kFerriteWindowName) || shown != QStringLiteral("2.017 kΩ") ||
        !context.messages().isEmpty())
        return 1;

    PrintModuleLoader printing({installed});
    QString error;
    PrintModule* print = printing.module(Language::English, error);
    const QTemporaryDir scratch;
    const QString pdf = scratch.filePath(QStringLiteral("page.pdf"));
    if (!print || !print->printToPdf(QStringLiteral("Torvex"), QStringLiteral("<p>Torvex</p>"), pdf) ||
        QFile(pdf).size() == 0) {
        std::fprintf(stderr, "printing from %s: %s\n", qPrintable(installed), qPrintable(error));
        return 1;
    }
    std::printf("printed through %s\n", qPrintable(PrintModuleLoader::moduleFileName()));
    return 0;
}
