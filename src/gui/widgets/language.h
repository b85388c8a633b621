// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QWidget>

#include "settings.h"

namespace torvex::gui {

// Sets every text of the given windows (in the given order) and of their
// components from the text table, by each component's tag and kind: caption
// tag, hint tag + 500, in the language's range. Tag 0 means fixed texts.
// Empty texts are assigned too: a tagged label without a hint loses it.
void ApplyLanguage(const QList<QWidget*>& windows, Language language);

} // namespace torvex::gui
