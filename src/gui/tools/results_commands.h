// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "platform/display_settings.h"
#include "report/report.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace torvex::gui {

class PrintModuleLoader;
class WindowContext;

// Copy, save and print the results of the page or tool window in front: the
// File menu's commands, the same in the context menu of every page and
// window, and Ctrl+C, Ctrl+S, Ctrl+P in every window of the program.
class ResultsCommands : public QObject {
    Q_OBJECT
public:
    // The file a user picks to save into, and the filter chosen with it;
    // empty when cancelled. The file dialog by default; tests record.
    using SaveChooser = std::function<QString(QWidget* parent, const QString& title, const QString& suggested,
                                              const QStringList& filters, QString* chosenFilter)>;
    // Where the page in front comes from, when no tool window is active.
    using PageInFront = std::function<QWidget*()>;

    ResultsCommands(WindowContext& context, QWidget* mainWindow, PageInFront pageInFront, QStringList moduleFolders);
    ~ResultsCommands() override;

    // The File menu, first in `bar`.
    QMenu* addMenu(QMenuBar* bar);
    // The three commands in the context menu of a page or window.
    void addContextMenu(QWidget* pageOrWindow);

    void copyResults();
    void saveResults();
    void print();

    // The page or window whose results the commands take: the active window
    // when it has results, else the main window's page in front.
    QWidget* source() const;
    // Its report with the program's and the window's titles.
    report::Report reportOf(QWidget* source) const;

    void setSaveChooser(SaveChooser chooser) { m_chooser = std::move(chooser); }

    QAction* copyAction() const { return m_copy; }
    QAction* saveAction() const { return m_save; }
    QAction* printAction() const { return m_print; }

protected:
    // Ctrl+C goes to an entry field or label that has selected text, and to
    // the results otherwise: a field without a selection must not keep it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followSettings(DisplaySettings::Change what);
    void showError(const QString& message);

    WindowContext& m_context;
    QWidget* m_mainWindow;
    PageInFront m_pageInFront;
    SaveChooser m_chooser;
    std::unique_ptr<PrintModuleLoader> m_printLoader;
    QAction* m_copy = nullptr;
    QAction* m_save = nullptr;
    QAction* m_print = nullptr;
};

} // namespace torvex::gui
