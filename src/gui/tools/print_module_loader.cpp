// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/print_module_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

#include "modules/print_module.h"
#include "version.h"
#include "widgets/builders.h"

namespace torvex::gui {

namespace {
constexpr int kNotFoundText = 2451;     // "... Das Druckmodul %1 wurde nicht gefunden (gesucht in %2)."
constexpr int kNotLoadedText = 2452;    // "... Das Druckmodul %1 lässt sich nicht laden (%2)."
constexpr int kOtherVersionText = 2437; // "gebaut für Torvex %1"
} // namespace

PrintModuleLoader::PrintModuleLoader(QStringList folders) : m_folders(std::move(folders)) {}

QString PrintModuleLoader::moduleFileName() { return QStringLiteral(TORVEX_PRINT_MODULE_FILE); }

PrintModule* PrintModuleLoader::module(Language language, QString& error) {
    if (m_plugin)
        return qobject_cast<PrintModule*>(m_plugin->instance());
    QString path;
    QStringList looked;
    for (const QString& folder : m_folders) {
        const QFileInfo candidate(QDir(folder).filePath(moduleFileName()));
        looked << QDir::toNativeSeparators(folder);
        if (candidate.isFile()) {
            path = candidate.absoluteFilePath();
            break;
        }
    }
    if (path.isEmpty()) {
        error = TableText(kNotFoundText, language).arg(moduleFileName(), looked.join(QStringLiteral(", ")));
        return nullptr;
    }
    auto plugin = std::make_unique<QPluginLoader>(path);
    plugin->setLoadHints(QLibrary::PreventUnloadHint);
    auto notLoaded = [&](const QString& reason) -> PrintModule* {
        error = TableText(kNotLoadedText, language).arg(QDir::toNativeSeparators(path), reason);
        return nullptr;
    };
    // The metadata is read without loading the module's code.
    const QJsonObject meta = plugin->metaData();
    if (meta.isEmpty())
        return notLoaded(plugin->errorString());
    const QString version =
        meta.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("version")).toString();
    if (meta.value(QStringLiteral("IID")).toString() != QLatin1String(TORVEX_PRINT_MODULE_IID) ||
        version != QLatin1String(kVersion.data(), qsizetype(kVersion.size())))
        return notLoaded(TableText(kOtherVersionText, language).arg(version));
    auto* module = qobject_cast<PrintModule*>(plugin->instance());
    if (!module)
        return notLoaded(plugin->errorString());
    m_plugin = std::move(plugin);
    return module;
}

} // namespace torvex::gui
