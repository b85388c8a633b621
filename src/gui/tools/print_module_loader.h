// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPluginLoader>
#include <QString>
#include <QStringList>
#include <memory>

#include "settings.h"

namespace torvex::gui {

class PrintModule;

// Finds the print module and loads it when the user first prints, so that
// the program starts without Qt Print Support. It lies beside the ferrite
// window's module and is looked for in the same folders.
class PrintModuleLoader {
public:
    explicit PrintModuleLoader(QStringList folders);

    static QString moduleFileName();

    // The module, loaded on the first call; nothing when it is missing,
    // cannot be loaded or belongs to another version; `error` then says why.
    PrintModule* module(Language language, QString& error);

private:
    QStringList m_folders;
    std::unique_ptr<QPluginLoader> m_plugin;
};

} // namespace torvex::gui
