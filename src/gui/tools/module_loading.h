// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPluginLoader>
#include <QString>
#include <QStringList>
#include <memory>

#include "settings.h"

namespace torvex::gui {

// One of the program's plugin modules: its file, the interface it must
// implement and the messages (text identifiers) that say why it is not there.
struct ModuleFile {
    QString fileName;
    const char* iid;
    int notFoundText;  // %1 the file, %2 the folders looked in
    int notLoadedText; // %1 the path, %2 the reason
    // Whether the module's instance implements the interface.
    bool (*implements)(QObject* instance);
};

// Looks for the module in each folder in turn and loads the first found,
// after its metadata (read without running any of its code) shows the
// interface and this program's version, and its instance implements it. Nothing when it is missing, cannot
// be loaded or belongs to another version; `error` then says why. A loaded
// module stays loaded while the program runs.
std::unique_ptr<QPluginLoader> LoadModule(const ModuleFile& module, const QStringList& folders, Language language,
                                          QString& error);

} // namespace torvex::gui
