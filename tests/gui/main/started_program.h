#pragma once

#include <QAction>
#include <memory>

#include "main_window.h"
#include "program.h"
#include "support/recorders.h"
#include "widgets/hint_style.h"

namespace torvex::test {

// The whole program, started in-process as from a user's locale, with
// recorders in place of message boxes and the help viewer. Its settings file
// lives in the folder given (a test's temporary folder); without one nothing
// is read or written.
struct StartedProgram {
    static inline const QString kFolder = QStringLiteral("/opt/torvex/");

    StartedProgram(int languageId, const QString& separator, const QString& settingsFolder = {},
                   bool forgetSettings = false) {
        // As the program's start does, before any window exists.
        gui::InstallHintStyle();
        gui::PlatformServices services;
        services.chooseFromLanguageId(languageId);
        services.decimalSeparator = separator;
        services.programFolder = kFolder;
        services.errors = &errors;
        services.help = &help;
        services.settingsFolder = settingsFolder;
        services.forgetSettings = forgetSettings;
        program = std::make_unique<gui::Program>(services);
    }

    gui::MainWindow* main() const { return program->mainWindow(); }
    QAction* action(const char* name) const { return main()->findChild<QAction*>(QLatin1String(name)); }
    template <class W = QWidget> W* find(const char* name) const {
        for (QWidget* window : main()->windows()) {
            if (window->objectName() == QLatin1String(name))
                return qobject_cast<W*>(window);
            if (auto* w = window->findChild<W*>(QLatin1String(name)))
                return w;
        }
        return nullptr;
    }

    RecordingErrorReporter errors;
    RecordingHelpViewer help;
    std::unique_ptr<gui::Program> program;
};

} // namespace torvex::test
