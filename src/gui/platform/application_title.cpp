// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/application_title.h"

#include <QCoreApplication>
#include <QVariant>

namespace torvex::gui {

namespace {
// Kept on the application, so that a module with its own copy of this code
// sees the same title.
constexpr char kTitleProperty[] = "torvexApplicationTitle";
} // namespace

QString ApplicationTitle() {
    const QString title = qApp ? qApp->property(kTitleProperty).toString() : QString();
    return title.isEmpty() ? QCoreApplication::applicationName() : title;
}

void SetApplicationTitle(const QString& title) {
    if (qApp)
        qApp->setProperty(kTitleProperty, title);
}

} // namespace torvex::gui
