// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/platform.h"

class QWidget;

namespace torvex::gui {

// The application's error handler: one message box per failure, and the
// program goes on.
class MessageBoxReporter : public ErrorReporter {
public:
    void showError(const QString& message) override;
};

} // namespace torvex::gui
