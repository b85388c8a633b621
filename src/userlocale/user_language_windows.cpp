// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <windows.h>

#include "language_id.h"

namespace torvex {

int UserLanguageId() { return static_cast<int>(GetUserDefaultLangID()); }

} // namespace torvex
