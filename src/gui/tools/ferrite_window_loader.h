// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPluginLoader>
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace torvex::gui {

class FerriteWindowHost;

// Finds the module of the ferrite impedance window and loads it when the
// window is first wanted, so that the program starts without Qt Charts.
class FerriteWindowLoader {
public:
    // Looks for the module in these folders, in order.
    explicit FerriteWindowLoader(QStringList folders);

    // The module's file name ("ferrite_window.so").
    static QString moduleFileName();
    // Where the program looks, given its own folder: the installed place
    // relative to it (../lib/torvex, or the library folder the build was
    // configured with), then, when the program runs inside a CMake build
    // tree, that tree's lib/torvex.
    static QStringList defaultFolders(const QString& programFolder);

    // Loads the module (once) and builds the window on `host`. Nothing when
    // the module is missing, cannot be loaded or belongs to another version;
    // `error` then says why, in the host's language.
    std::unique_ptr<QWidget> createWindow(FerriteWindowHost& host, QString& error);

    const QStringList& folders() const { return m_folders; }

private:
    QStringList m_folders;
    std::unique_ptr<QPluginLoader> m_plugin;
};

} // namespace torvex::gui
