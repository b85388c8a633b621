// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "modules/ferrite_window_module.h"
#include "platform/settings_store.h"
#include "tools/ferrite_window_loader.h"
#include "widgets/window_context.h"

namespace torvex::gui {

// The program's side of the ferrite impedance window: it loads the window's
// module on the first opening, builds the window on itself and gives it what
// it needs from the program.
class FerriteWindowOpener : public FerriteWindowHost {
public:
    using HelpCall = std::function<void(int context)>;
    using PageState = std::function<std::optional<FtPageState>()>;
    using FileChooser = std::function<QString(QWidget* parent, const QString& title, const QString& filter)>;

    FerriteWindowOpener(WindowContext& context, QStringList moduleFolders, HelpCall help, PageState ftPageInFront);
    ~FerriteWindowOpener() override;

    // Shows the window, building it on the first call, or brings it to the
    // front. Nothing, and one message through the context's errors, when the
    // module cannot be had.
    QWidget* open();
    QWidget* window() const { return m_window.get(); }

    // What the last run kept: the imported tables at once, the window's
    // inputs and place when the window is built (before it takes over the
    // ferrite page, which then wins). Restoring reports no failure.
    void restoreState(const StoredValues& values);
    void storeState(StoredValues& values) const;

    // The file dialog by default; tests put a recorder in its place.
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    // FerriteWindowHost
    Language language() const override;
    UnitSystem units() const override;
    QString decimalSeparator() const override;
    void followSettings(QObject* receiver, std::function<void(Change)> follow) override;
    void showError(const QString& message) override;
    void showHelp(int context) override;
    QObject* keyFilter() override;
    std::optional<FtPageState> ftPageInFront() const override;
    QString chooseMaterialFile(QWidget* parent, const QString& title, const QString& filter) override;
    QStringList keptMaterials() const override { return m_kept; }
    void keepMaterials(const QStringList& tables) override { m_kept = tables; }

private:
    WindowContext& m_context;
    FerriteWindowLoader m_loader;
    HelpCall m_help;
    PageState m_ftPage;
    FileChooser m_chooser;
    // The imported tables, kept in the program's settings between runs.
    QStringList m_kept;
    StoredValues m_stored;
    bool m_restoring = false;
    std::unique_ptr<QWidget> m_window;
};

} // namespace torvex::gui
