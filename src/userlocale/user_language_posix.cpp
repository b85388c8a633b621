// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdlib>

#include "language_id.h"

namespace torvex {

int UserLanguageId() {
    // The precedence the C library gives the messages category.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return LanguageIdFromLocaleName(value);
        }
    }
    return LanguageIdFromLocaleName("C");
}

} // namespace torvex
