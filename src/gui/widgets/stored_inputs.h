// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "platform/settings_store.h"

class QWidget;

namespace torvex::gui {

// The inputs of a window or page as they are kept between runs, by object
// name: the position of every pick-only list, the text of every entry field
// and editable list (with "." as decimal mark whatever the locale), the
// option chosen and the value of every spin box.
void StoreInputs(const QWidget& root, const QString& separator, StoredValues& values);

// Puts back what still fits: a position past the end of its list, a text
// that does not read as a number or a value out of range is left out. Shown
// with the separator given; no change is announced, so the caller
// recomputes. True when anything was put back.
bool RestoreInputs(QWidget& root, const QString& separator, const StoredValues& values);

// A top-level window's place on the screen, once it has one (shown or
// moved); put back only where it lies on a screen there is now.
void StorePlace(const QWidget& window, StoredValues& values);
void RestorePlace(QWidget& window, const StoredValues& values);

} // namespace torvex::gui
