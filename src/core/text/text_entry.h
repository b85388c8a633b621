// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <span>
#include <string_view>

namespace torvex::texts {

struct TextEntry {
    int id;
    std::string_view text;
};

// LoadText searches each table by halves, which needs ascending identifiers,
// each once.
constexpr bool AscendingAndUnique(std::span<const TextEntry> table) {
    return std::adjacent_find(table.begin(), table.end(),
                              [](const TextEntry& a, const TextEntry& b) { return a.id >= b.id; }) == table.end();
}

} // namespace torvex::texts
