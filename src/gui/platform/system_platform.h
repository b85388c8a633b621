#pragma once

#include <memory>
#include "platform/platform.h"

namespace torvex::gui {

// The real platform: the user's locale, a message box, our help window.
class SystemPlatform {
public:
    SystemPlatform();
    ~SystemPlatform();
    PlatformServices services() const;

private:
    std::unique_ptr<ErrorReporter> m_errors;
    std::unique_ptr<HelpViewer> m_help;
};

} // namespace torvex::gui
