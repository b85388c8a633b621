// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "settings.h"

namespace torvex {

inline constexpr int kGermanOffset = 0;
inline constexpr int kEnglishOffset = 1000;

// The interface text with identifier id + offset (UTF-8), or an empty text
// when the table has no such identifier.
std::string_view LoadText(int id, int offset = 0);
// The text with identifier id in a language.
inline std::string_view LoadText(int id, Language language) {
    return LoadText(id, language == Language::English ? kEnglishOffset : kGermanOffset);
}

} // namespace torvex
