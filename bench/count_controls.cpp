// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Counts the controls of the real main window, page by page, so that the
// floor program (floor.cpp) can hold as many. Run it after the main window
// changes and copy its output into floor.cpp's table.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <cstdio>

#include "main_window.h"
#include "platform/platform.h"
#include "program.h"

namespace {

class SilentErrors : public torvex::gui::ErrorReporter {
public:
    void showError(const QString&) override {}
};

class NoHelp : public torvex::gui::HelpViewer {
public:
    void showContents(const QString&) override {}
    void showContext(const QString&, int) override {}
    void close() override {}
};

struct Counts {
    int labels = 0, edits = 0, combos = 0, comboItems = 0, editableCombos = 0;
};

Counts CountIn(const QWidget* root) {
    Counts c;
    c.labels = int(root->findChildren<QLabel*>().size());
    for (const QLineEdit* e : root->findChildren<QLineEdit*>())
        if (!qobject_cast<const QComboBox*>(e->parentWidget())) // not the edit part of a list
            ++c.edits;
    for (const QComboBox* box : root->findChildren<QComboBox*>()) {
        ++c.combos;
        c.comboItems += box->count();
        c.editableCombos += box->isEditable();
    }
    return c;
}

void Print(const char* what, const Counts& c) {
    std::printf("%-12s labels %3d  edits %2d  combos %2d (editable %d, items %4d)\n", what, c.labels, c.edits, c.combos,
                c.editableCombos, c.comboItems);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SilentErrors errors;
    NoHelp help;
    torvex::gui::PlatformServices services;
    services.chooseFromLanguageId(1031);
    services.decimalSeparator = QStringLiteral(",");
    services.errors = &errors;
    services.help = &help;
    torvex::gui::Program program(services);

    const torvex::gui::MainWindow* main = program.mainWindow();
    Print("TForm1", CountIn(main));
    if (auto* tabs = main->findChild<QTabWidget*>()) {
        // A page is built when it is first shown.
        for (int i = 0; i < tabs->count(); ++i)
            tabs->setCurrentIndex(i);
        for (int i = 0; i < tabs->count(); ++i)
            Print(qPrintable(tabs->widget(i)->objectName()), CountIn(tabs->widget(i)));
    }
    return 0;
}
