// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <functional>

class QWidget;

namespace torvex::gui {

// Gives a window one size through every switch of language and units: each
// of `states` shows the window's texts in one of them, the window takes the
// largest size they need, and afterwards it grows when its contents ask for
// more but never shrinks. (A window that changed its size on every switch
// would jump under the mouse.) The caller shows the current state after.
void KeepLargestSize(QWidget* window, const QList<std::function<void()>>& states);

} // namespace torvex::gui
