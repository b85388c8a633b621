// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ferrite_window_loader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QWidget>

#include "modules/ferrite_window_module.h"
#include "version.h"
#include "widgets/builders.h"

namespace torvex::gui {

namespace {

constexpr int kNotFoundText = 2434;     // "... Sein Modul %1 wurde nicht gefunden (gesucht in %2)."
constexpr int kNotLoadedText = 2435;    // "... Das Modul %1 lässt sich nicht laden (%2)."
constexpr int kOtherVersionText = 2437; // "gebaut für Torvex %1"

// A build tree lies at most this far above the program (build/dev/tests/gui).
constexpr int kBuildTreeDepth = 4;

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

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
    const Language language = host.language();
    if (!m_plugin) {
        QString path;
        for (const QString& folder : m_folders) {
            const QFileInfo candidate(QDir(folder).filePath(moduleFileName()));
            if (candidate.isFile()) {
                path = candidate.absoluteFilePath();
                break;
            }
        }
        if (path.isEmpty()) {
            QStringList looked;
            for (const QString& folder : m_folders)
                looked << Native(folder);
            error = TableText(kNotFoundText, language).arg(moduleFileName(), looked.join(QStringLiteral(", ")));
            return nullptr;
        }
        auto plugin = std::make_unique<QPluginLoader>(path);
        // Its classes stay in use as long as the program runs.
        plugin->setLoadHints(QLibrary::PreventUnloadHint);
        auto notLoaded = [&](const QString& reason) {
            error = TableText(kNotLoadedText, language).arg(Native(path), reason);
            return nullptr;
        };
        // The metadata is read without loading the module's code.
        const QJsonObject meta = plugin->metaData();
        if (meta.isEmpty())
            return notLoaded(plugin->errorString());
        const QString version =
            meta.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("version")).toString();
        if (meta.value(QStringLiteral("IID")).toString() != QLatin1String(TORVEX_FERRITE_MODULE_IID) ||
            version != QLatin1String(kVersion.data(), qsizetype(kVersion.size())))
            return notLoaded(TableText(kOtherVersionText, language).arg(version));
        if (!qobject_cast<FerriteWindowModule*>(plugin->instance()))
            return notLoaded(plugin->errorString());
        m_plugin = std::move(plugin);
    }
    auto* module = qobject_cast<FerriteWindowModule*>(m_plugin->instance());
    return std::unique_ptr<QWidget>(module->createWindow(host));
}

} // namespace torvex::gui
