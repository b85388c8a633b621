// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ferrite_window_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "modules/ferrite_window_module.h"
#include "tools/module_loading.h"

namespace torvex::gui {

namespace {

constexpr int kNotFoundText = 2434;  // "... Sein Modul %1 wurde nicht gefunden (gesucht in %2)."
constexpr int kNotLoadedText = 2435; // "... Das Modul %1 lässt sich nicht laden (%2)."

// A build tree lies at most this far above the program (build/dev/tests/gui).
constexpr int kBuildTreeDepth = 4;

} // namespace

FerriteWindowLoader::FerriteWindowLoader(QStringList folders) : m_folders(std::move(folders)) {}

QString FerriteWindowLoader::moduleFileName() { return QStringLiteral(TORVEX_FERRITE_MODULE_FILE); }

QStringList FerriteWindowLoader::defaultFolders(const QString& programFolder) {
    QStringList folders{QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(TORVEX_MODULE_FROM_PROGRAM)))};
    QDir above(programFolder);
    for (int level = 0; level < kBuildTreeDepth; ++level) {
        if (above.exists(QStringLiteral("CMakeCache.txt"))) {
            folders << QDir::cleanPath(above.filePath(QStringLiteral(TORVEX_MODULE_IN_BUILD)));
            break;
        }
        if (!above.cdUp())
            break;
    }
    return folders;
}

std::unique_ptr<QWidget> FerriteWindowLoader::createWindow(FerriteWindowHost& host, QString& error) {
    if (!m_plugin)
        m_plugin =
            LoadModule({moduleFileName(), TORVEX_FERRITE_MODULE_IID, kNotFoundText, kNotLoadedText,
                        [](QObject* instance) { return qobject_cast<FerriteWindowModule*>(instance) != nullptr; }},
                       m_folders, host.language(), error);
    auto* module = m_plugin ? qobject_cast<FerriteWindowModule*>(m_plugin->instance()) : nullptr;
    return std::unique_ptr<QWidget>(module ? module->createWindow(host) : nullptr);
}

} // namespace torvex::gui
