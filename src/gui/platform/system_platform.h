// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/platform.h"
#include <QString>
#include <memory>

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

// The folder that holds the help files of a program in `programFolder`
// (both with a trailing "/"): the program's own folder (a build tree, or an
// unpacked copy), else ../share/torvex/ beside it (the installed layout,
// <prefix>/bin and <prefix>/share/torvex). When neither holds a help file the
// program's own folder is returned, so a missing file is reported there.
QString FindHelpFolder(const QString& programFolder);

} // namespace torvex::gui
