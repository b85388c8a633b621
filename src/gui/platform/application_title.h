// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace torvex::gui {

// The program's title in the language shown: the title of its message boxes.
// It is not Qt's application display name, which the platform would append
// to every window's caption.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

} // namespace torvex::gui
