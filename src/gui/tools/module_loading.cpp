// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/module_loading.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>

#include "version.h"
#include "widgets/builders.h"

namespace torvex::gui {

namespace {
constexpr int kOtherVersionText = 2437; // "gebaut für Torvex %1"
} // namespace

std::unique_ptr<QPluginLoader> LoadModule(const ModuleFile& module, const QStringList& folders, Language language,
                                          QString& error) {
    QString path;
    QStringList looked;
    for (const QString& folder : folders) {
        const QFileInfo candidate(QDir(folder).filePath(module.fileName));
        looked << QDir::toNativeSeparators(folder);
        if (candidate.isFile()) {
            path = candidate.absoluteFilePath();
            break;
        }
    }
    if (path.isEmpty()) {
        error = TableText(module.notFoundText, language).arg(module.fileName, looked.join(QStringLiteral(", ")));
        return nullptr;
    }
    auto plugin = std::make_unique<QPluginLoader>(path);
    // Its classes stay in use as long as the program runs.
    plugin->setLoadHints(QLibrary::PreventUnloadHint);
    auto notLoaded = [&](const QString& reason) {
        error = TableText(module.notLoadedText, language).arg(QDir::toNativeSeparators(path), reason);
        return nullptr;
    };
    const QJsonObject meta = plugin->metaData();
    if (meta.isEmpty())
        return notLoaded(plugin->errorString());
    const QString version =
        meta.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("version")).toString();
    if (meta.value(QStringLiteral("IID")).toString() != QLatin1String(module.iid) ||
        version != QLatin1String(kVersion.data(), qsizetype(kVersion.size())))
        return notLoaded(TableText(kOtherVersionText, language).arg(version));
    if (!module.implements(plugin->instance()))
        return notLoaded(plugin->errorString());
    return plugin;
}

} // namespace torvex::gui
