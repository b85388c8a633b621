// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Checks shared by the catalogue tests: invariants every maker's tables must
// keep, and name-based look-ups so that expectations do not depend on row or
// column numbers (a shifted row then shows up as a wrong value).

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_lookup.h"
#include "catalogue/catalogue_types.h"

namespace torvex::test {

// "d.ddd", the form of every stored inch text.
inline bool IsInchText(std::string_view s) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    return s.size() == 5 && digit(s[0]) && s[1] == '.' && digit(s[2]) && digit(s[3]) && digit(s[4]);
}

template <class Row, std::size_t N> void ExpectUniqueNames(const std::array<Row, N>& table) {
    std::set<std::string_view> seen;
    for (const Row& row : table) {
        EXPECT_FALSE(row.name.empty());
        EXPECT_TRUE(seen.insert(row.name).second) << "twice: \"" << row.name << '"';
    }
}

// Names unique, and dimensions of a real ring: 0 < Di < Da, h > 0.
template <class Size, std::size_t N> void ExpectSoundSizes(const std::array<Size, N>& table) {
    ExpectUniqueNames(table);
    for (const Size& s : table) {
        SCOPED_TRACE(std::string(s.name));
        EXPECT_GT(s.di, 0.0L);
        EXPECT_LT(s.di, s.da);
        EXPECT_GT(s.h, 0.0L);
    }
}

template <class Size, std::size_t N> void ExpectInchTexts(const std::array<Size, N>& table) {
    for (const Size& s : table)
        for (std::string_view t : {s.daInch, s.diInch, s.hInch})
            EXPECT_TRUE(IsInchText(t)) << s.name << ": \"" << t << '"';
}

// The row whose list text is `name`; an unknown name fails the test.
template <class Row, std::size_t N> const Row& RowNamed(const std::array<Row, N>& table, std::string_view name) {
    const int i = IndexOfName(table, name);
    if (i < 0) {
        ADD_FAILURE() << "no row \"" << name << '"';
        return table.front();
    }
    return table[static_cast<std::size_t>(i)];
}

template <std::size_t S, std::size_t M> int CountMade(const AlMatrix<S, M>& al) {
    int n = 0;
    for (const auto& row : al)
        n += static_cast<int>(std::count_if(row.begin(), row.end(), [](long double v) { return v != 0.0L; }));
    return n;
}

// AL of the pair named by list texts; fails the test for an unknown name.
template <class Size, std::size_t S, class Material, std::size_t M>
long double AlByName(const AlMatrix<S, M>& al, const std::array<Size, S>& sizes,
                     const std::array<Material, M>& materials, std::string_view size, std::string_view material) {
    const int s = IndexOfName(sizes, size);
    const int m = IndexOfName(materials, material);
    EXPECT_GE(s, 0) << "no size \"" << size << '"';
    EXPECT_GE(m, 0) << "no material \"" << material << '"';
    return AlAt(al, s, m);
}

// Names of the materials a size is made in, in list order.
template <class Size, std::size_t S, class Material, std::size_t M>
std::vector<std::string_view> MadeIn(const AlMatrix<S, M>& al, const std::array<Size, S>& sizes,
                                     const std::array<Material, M>& materials, std::string_view size) {
    std::vector<std::string_view> made;
    const int s = IndexOfName(sizes, size);
    EXPECT_GE(s, 0) << "no size \"" << size << '"';
    for (std::size_t m = 0; m < M && s >= 0; ++m)
        if (al[static_cast<std::size_t>(s)][m] != 0.0L)
            made.push_back(materials[m].name);
    return made;
}

// A named pair and the AL the catalogue gives it (0: not made).
struct AlSample {
    std::string_view size, material;
    long double al;
};

} // namespace torvex::test
