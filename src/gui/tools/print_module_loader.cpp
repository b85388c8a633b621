// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/print_module_loader.h"

#include "modules/print_module.h"
#include "tools/module_loading.h"

namespace torvex::gui {

namespace {
constexpr int kNotFoundText = 2451;  // "... Das Druckmodul %1 wurde nicht gefunden (gesucht in %2)."
constexpr int kNotLoadedText = 2452; // "... Das Druckmodul %1 lässt sich nicht laden (%2)."
} // namespace

PrintModuleLoader::PrintModuleLoader(QStringList folders) : m_folders(std::move(folders)) {}

QString PrintModuleLoader::moduleFileName() { return QStringLiteral(TORVEX_PRINT_MODULE_FILE); }

PrintModule* PrintModuleLoader::module(Language language, QString& error) {
    if (!m_plugin)
        m_plugin = LoadModule({moduleFileName(), TORVEX_PRINT_MODULE_IID, kNotFoundText, kNotLoadedText,
                               [](QObject* instance) { return qobject_cast<PrintModule*>(instance) != nullptr; }},
                              m_folders, language, error);
    return m_plugin ? qobject_cast<PrintModule*>(m_plugin->instance()) : nullptr;
}

} // namespace torvex::gui
