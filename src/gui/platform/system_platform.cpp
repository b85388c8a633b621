#include "platform/system_platform.h"

#include <QCoreApplication>

#include "platform/help_window.h"
#include "platform/locale_info.h"
#include "platform/message_box_reporter.h"

namespace torvex::gui {

SystemPlatform::SystemPlatform()
    : m_errors(std::make_unique<MessageBoxReporter>()), m_help(std::make_unique<HelpWindow>(m_errors.get())) {}

SystemPlatform::~SystemPlatform() = default;

PlatformServices SystemPlatform::services() const {
    PlatformServices services;
    services.userLanguageId = UserDefaultLanguageId();
    services.decimalSeparator = UserDecimalSeparator();
    services.programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    services.errors = m_errors.get();
    services.help = m_help.get();
    return services;
}

} // namespace torvex::gui
