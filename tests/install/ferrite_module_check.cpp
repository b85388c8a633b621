// Opens the ferrite impedance window from the module an installed program in
// the given folder would load (the installed place only, never a build tree),
// as the program does on its first opening, and checks that it computes.
// Exit code 0 when it does. Run offscreen by the install test and by
// scripts/package.sh on the unpacked package.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QStringList>
#include <QWidget>
#include <cstdio>

#include "platform/display_settings.h"
#include "platform/platform.h"
#include "tools/ferrite_window_opener.h"
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
    return window->objectName() == QLatin1String(kFerriteWindowName) && shown == QStringLiteral("2.017 kΩ") &&
                   context.messages().isEmpty()
               ? 0
               : 1;
}
