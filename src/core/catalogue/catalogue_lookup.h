// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <string_view>

#include "catalogue/catalogue_types.h"

namespace torvex {

// One row of an AL matrix with exactly as many values as are written. A braced
// std::array would fill a missing value with 0, which reads as "not made" and
// shifts every later column silently; a row built here has the wrong type
// instead and does not compile. Only long double literals are accepted, so a
// value cannot lose its extended precision on the way in.
template <std::same_as<long double>... V> constexpr std::array<long double, sizeof...(V)> AlRow(V... values) {
    return {values...};
}

// AL at a pair of list positions, or 0 (not made) when either position is
// outside the table, as it is for a list without a selection (-1).
template <std::size_t Sizes, std::size_t Materials>
constexpr long double AlAt(const AlMatrix<Sizes, Materials>& table, int size, int material) {
    if (size < 0 || material < 0 || static_cast<std::size_t>(size) >= Sizes ||
        static_cast<std::size_t>(material) >= Materials)
        return 0.0L;
    return table[static_cast<std::size_t>(size)][static_cast<std::size_t>(material)];
}

// Position of the row whose list text is `name`, or -1.
template <class Row, std::size_t N> constexpr int IndexOfName(const std::array<Row, N>& table, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].name == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace torvex
