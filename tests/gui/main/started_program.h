// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAction>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <memory>

#include "main_window.h"
#include "program.h"
#include "support/recorders.h"
#include "widgets/hint_style.h"

namespace torvex::test {

// The whole program, started in-process as from a user's locale, with
// recorders in place of message boxes and the help viewer. Only the main
// window and its front page exist at first; a test reaches the rest as a
// user does, through menu commands, tool buttons and tabs. Its settings file
// lives in the folder given (a test's temporary folder); without one nothing
// is read or written.
struct StartedProgram {
    static inline const QString kFolder = QStringLiteral("/opt/torvex/");

    // Each command or tool button and the window it opens.
    struct Opener {
        const char* control;
        const char* window;
    };
    // clang-format off
    static constexpr Opener kOpeners[] = {
        {"Info1", "TAboutBox"},
        {"Permeabilitt1", "TForm3"}, {"ToolButton1", "TForm3"},
        {"Schwingkreis1", "TForm2"}, {"ToolButton2", "TForm2"},
        {"RCu1", "TForm4"}, {"ToolButton3", "TForm4"},
        {"Umrechnungminch1", "TForm5"}, {"ToolButton5", "TForm5"},
        {"ferriteImpedanceAction", "FerriteImpedanceWindow"}, {"ferriteImpedanceButton", "FerriteImpedanceWindow"},
    };
    // clang-format on
    static constexpr const char* kSheets[] = {"TabSheet1", "TabSheet2", "TabSheet3",
                                              "TabSheet6", "TabSheet4", "TabSheet5"};

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
    QTabWidget* pages() const { return main()->findChild<QTabWidget*>(QStringLiteral("PageControl1")); }

    // What exists now, in the windows built so far.
    template <class W = QWidget> W* find(const char* name) const {
        for (QWidget* window : main()->windows()) {
            if (window->objectName() == QLatin1String(name))
                return qobject_cast<W*>(window);
            if (auto* w = window->findChild<W*>(QLatin1String(name)))
                return w;
        }
        return nullptr;
    }

    // Triggers a menu command or clicks a tool button (kOpeners) and returns
    // the window it opened.
    QWidget* open(const char* control) const {
        if (QAction* command = action(control))
            command->trigger();
        else if (auto* button = main()->findChild<QToolButton*>(QLatin1String(control)))
            button->click();
        for (const Opener& o : kOpeners)
            if (qstrcmp(o.control, control) == 0)
                return find(o.window);
        return nullptr;
    }

    // A window by its name, opened through its first command in kOpeners
    // ("TForm1" is the main window itself).
    QWidget* window(const char* name) const {
        if (qstrcmp(name, "TForm1") == 0)
            return main();
        for (const Opener& o : kOpeners)
            if (qstrcmp(o.window, name) == 0)
                return open(o.control);
        return nullptr;
    }

    // Brings a page to the front by its tab, as a click on the tab does.
    QWidget* showPage(int index) const {
        pages()->tabBar()->setCurrentIndex(index);
        return pages()->currentWidget();
    }
    QWidget* showPage(const char* sheet) const {
        QTabWidget* tabs = pages();
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->objectName() == QLatin1String(sheet))
                return showPage(i);
        return nullptr;
    }

    // Every page shown once (the front page again last) and every window of
    // the Tools and Info menus opened: for tests that look at all of them.
    void showEveryPage() const {
        for (const char* sheet : kSheets)
            showPage(sheet);
        showPage(kSheets[0]);
    }
    void openEverything() const {
        showEveryPage();
        for (const char* command : {"Info1", "Schwingkreis1", "Permeabilitt1", "RCu1", "Umrechnungminch1"})
            open(command);
    }

    RecordingErrorReporter errors;
    RecordingHelpViewer help;
    std::unique_ptr<gui::Program> program;
};

} // namespace torvex::test
