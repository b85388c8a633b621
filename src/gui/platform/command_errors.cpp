// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/command_errors.h"

namespace torvex::gui {

void CommandErrors::showError(const QString& message) {
    if (m_silenced > 0)
        return;
    if (m_depth > 0 && m_reported)
        return;
    m_reported = true;
    m_platform.showError(message);
}

CommandErrors::Command::Command(CommandErrors& errors) : m_errors(errors) {
    if (m_errors.m_depth++ == 0)
        m_errors.m_reported = false;
}

CommandErrors::Command::~Command() { --m_errors.m_depth; }

} // namespace torvex::gui
