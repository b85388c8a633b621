// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/message_box_reporter.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/application_title.h"

namespace torvex::gui {

void MessageBoxReporter::showError(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), ApplicationTitle(), message);
}

} // namespace torvex::gui
