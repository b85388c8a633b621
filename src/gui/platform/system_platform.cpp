// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/system_platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/help_window.h"
#include "platform/locale_info.h"
#include "platform/message_box_reporter.h"
#include "platform/settings_store.h"

namespace torvex::gui {

namespace {

bool holdsHelp(const QString& folder) {
    for (const char* name : {"torvex11_d.hlp", "torvex11_e.hlp"})
        if (QFileInfo(folder + QLatin1String(name)).isFile())
            return true;
    return false;
}

} // namespace

QString FindHelpFolder(const QString& programFolder) {
    if (holdsHelp(programFolder))
        return programFolder;
    const QString installed = QDir::cleanPath(programFolder + QLatin1String("../share/torvex")) + QLatin1Char('/');
    if (holdsHelp(installed))
        return installed;
    return programFolder;
}

SystemPlatform::SystemPlatform()
    : m_errors(std::make_unique<MessageBoxReporter>()), m_help(std::make_unique<HelpWindow>(m_errors.get())) {}

SystemPlatform::~SystemPlatform() = default;

PlatformServices SystemPlatform::services() const {
    PlatformServices services;
    services.chooseFromLanguageId(UserDefaultLanguageId());
    services.decimalSeparator = UserDecimalSeparator();
    services.programFolder = FindHelpFolder(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    services.settingsFolder = SettingsStore::userFolder();
    services.errors = m_errors.get();
    services.help = m_help.get();
    return services;
}

} // namespace torvex::gui
