// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/text_table.h"

#include <algorithm>
#include <array>
#include <span>

#include "text/ferrite_window_texts.h"
#include "text/interface_texts.h"
#include "text/results_texts.h"

namespace torvex {
namespace {

using texts::TextEntry;

// One table per part of the program, so that a new window brings its texts
// in a file of its own. Each table is sorted; no identifier is in two.
constexpr std::array<std::span<const TextEntry>, 3> kTables = {texts::kInterface, texts::kFerriteWindow,
                                                               texts::kResults};

constexpr bool DisjointTables() {
    for (std::size_t a = 0; a < kTables.size(); ++a)
        for (std::size_t b = a + 1; b < kTables.size(); ++b)
            for (const TextEntry& entry : kTables[a])
                if (std::ranges::binary_search(kTables[b], entry.id, {}, &TextEntry::id))
                    return false;
    return true;
}
static_assert(DisjointTables());

} // namespace

std::string_view LoadText(int id, int offset) {
    // Summed in a wider type so that no pair of arguments can overflow.
    const long long key = static_cast<long long>(id) + offset;
    for (std::span<const TextEntry> table : kTables) {
        const auto it = std::ranges::lower_bound(table, key, {}, [](const TextEntry& e) -> long long { return e.id; });
        if (it != table.end() && it->id == key)
            return it->text;
    }
    return {};
}

} // namespace torvex
