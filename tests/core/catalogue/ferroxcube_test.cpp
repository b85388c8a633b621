// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/ferroxcube.h"

#include <gtest/gtest.h>

#include "catalogue_checks.h"

namespace torvex {
namespace {

using test::AlByName;
using test::MadeIn;
using test::RowNamed;
using SV = std::vector<std::string_view>;

TEST(FerroxcubeCatalogue, Shape) {
    test::ExpectSoundSizes(FerroxcubeSizeTable);
    test::ExpectUniqueNames(FerroxcubeMaterialTable);
    EXPECT_EQ(test::CountMade(FerroxcubeAlTable), 296);
    for (const auto& row : FerroxcubeAlTable)
        for (long double al : row)
            EXPECT_GE(al, 0.0L);
}

// How many sizes each material is made in, counted from the maker's rows: a
// value filed under the wrong material changes two of these counts. 3R1 is
// listed but made in none of the sizes.
TEST(FerroxcubeCatalogue, SizesPerMaterial) {
    // clang-format off
    const std::pair<std::string_view, int> counts[] = {
        {"3B7", 6},   {"3C11", 23}, {"3C81", 11}, {"3C85", 5},  {"3C90", 34}, {"3D3", 7},  {"3E25", 35},
        {"3E27", 21}, {"3E28", 14}, {"3E5", 21},  {"3E6", 40},  {"3E7", 4},   {"3E8", 4},  {"3F3", 23},
        {"3F4", 3},   {"3R1", 0},   {"3S4", 5},   {"4A11", 23}, {"4A15", 2},  {"4B1", 1},  {"4C65", 14},
    };
    // clang-format on
    for (const auto& [material, expected] : counts) {
        const int m = IndexOfName(FerroxcubeMaterialTable, material);
        ASSERT_GE(m, 0) << material;
        int made = 0;
        for (const auto& row : FerroxcubeAlTable)
            made += row[static_cast<std::size_t>(m)] != 0.0L;
        EXPECT_EQ(made, expected) << material;
    }
}

TEST(FerroxcubeCatalogue, SmallestAndLargestAl) {
    std::size_t minS = 0, minM = 0, maxS = 0, maxM = 0;
    long double lo = 1e30L, hi = 0.0L;
    for (std::size_t s = 0; s < FerroxcubeAlTable.size(); ++s)
        for (std::size_t m = 0; m < FerroxcubeAlTable[s].size(); ++m) {
            const long double al = FerroxcubeAlTable[s][m];
            if (al != 0.0L && al < lo) {
                lo = al;
                minS = s;
                minM = m;
            }
            if (al > hi) {
                hi = al;
                maxS = s;
                maxM = m;
            }
        }
    EXPECT_EQ(lo, 16.0L);
    EXPECT_EQ(FerroxcubeSizeTable[minS].name, "TC 4/2.2/1.1");
    EXPECT_EQ(FerroxcubeMaterialTable[minM].name, "4C65");
    EXPECT_EQ(hi, 25280.0L);
    EXPECT_EQ(FerroxcubeSizeTable[maxS].name, "TX 63/38/25");
    EXPECT_EQ(FerroxcubeMaterialTable[maxM].name, "3E6");
}

TEST(FerroxcubeCatalogue, AlValues) {
    // clang-format off
    const test::AlSample samples[] = {
        {"TC 2.5/1.3/0.8", "4A11", 94.0L},  {"TC 2.5/1.5/1-S", "3E27", 513.0L}, {"TC 5.8/3.1/1.5", "4B1", 50.0L},
        {"TC 3.4/1.8/2", "3E7", 3080.0L},   {"TC 3.4/1.8/2.1", "3E27", 1045.0L}, {"TC 3.9/2.2/1.3", "3D3", 97.0L},
        {"TC 6.3/3.8/2.5", "3E7", 3600.0L}, {"TC 7.6/3.2/4.8", "3E8", 12500.0L}, {"TN 9/6/3", "3C90", 560.0L},
        {"TN 10/6/4", "3C11", 1750.0L},     {"TN 10/6/4", "3E5", 0.0L},         {"TX 10/6/4", "3E5", 3470.0L},
        {"TN 13/7.5/5", "4A15", 610.0L},    {"TN 19/11/15", "3C85", 3500.0L},   {"TX 22/14/13", "3S4", 2200.0L},
        {"TN 26/15/20", "3E25", 12800.0L},  {"TN 29/11/6", "3C90", 2780.0L},    {"TX 29/19/7.6", "3C81", 1740.0L},
        {"TN 36/23/15", "4C65", 170.0L},    {"TX 42/26/18", "3E5", 12900.0L},   {"TL 58/41/18", "3C85", 2500.0L},
        {"TL 63/38/25", "3E6", 0.0L},       {"TL 63/38/25", "3F3", 4550.0L},    {"T   87/56/13", "3E6", 11190.0L},
        {"TL 107/65/18", "3F4", 1354.0L},   {"T   107/65/18", "3F4", 1870.0L},  {"T   140/106/25", "3E25", 7700.0L},
    };
    // clang-format on
    for (const auto& s : samples)
        EXPECT_EQ(AlByName(FerroxcubeAlTable, FerroxcubeSizeTable, FerroxcubeMaterialTable, s.size, s.material), s.al)
            << s.size << " in " << s.material;
    EXPECT_EQ(FerroxcubeAl(39, 1), 1750.0L); // TN 10/6/4 in 3C11, the start selection
    EXPECT_EQ(FerroxcubeAl(92, 0), 0.0L);
    EXPECT_EQ(MadeIn(FerroxcubeAlTable, FerroxcubeSizeTable, FerroxcubeMaterialTable, "TL 63/38/25"),
              (SV{"3E25", "3F3"}));
    EXPECT_EQ(MadeIn(FerroxcubeAlTable, FerroxcubeSizeTable, FerroxcubeMaterialTable, "TX 63/38/25"), SV{"3E6"});
}

TEST(FerroxcubeCatalogue, SizeRows) {
    struct Row {
        std::string_view name;
        long double da, di, h;
    };
    // clang-format off
    const Row rows[] = {
        {"TC 2.5/1.3/0.8", 2.54L, 1.27L, 0.8L}, {"TC 3.4/1.8/2", 3.35L, 1.78L, 2.03L},
        {"TC 3.4/1.8/2.1", 3.38L, 1.78L, 2.06L}, {"TN 10/6/4", 10.6L, 5.2L, 4.4L},
        {"TL 63/38/25", 63.4L, 37.7L, 25.3L},    {"TX 63/38/25", 63.4L, 37.7L, 25.3L},
        {"TX 74/39/13", 73.91L, 38.61L, 12.95L}, {"T   140/106/25", 140.0L, 106.0L, 25.0L},
    };
    // clang-format on
    for (const Row& r : rows) {
        const FerroxcubeSize& s = RowNamed(FerroxcubeSizeTable, r.name);
        EXPECT_EQ(s.da, r.da) << r.name;
        EXPECT_EQ(s.di, r.di) << r.name;
        EXPECT_EQ(s.h, r.h) << r.name;
    }
    EXPECT_EQ(FerroxcubeSizeTable.front().name, "TC 2.5/1.3/0.8");
    EXPECT_EQ(FerroxcubeSizeTable.back().name, "T   140/106/25");
}

TEST(FerroxcubeCatalogue, MaterialRows) {
    // clang-format off
    const FerroxcubeMaterial rows[] = {
        {"3B7", 2300, kUnpainted, kUnpainted},
        {"3C81", 2700, Paint(128, 0, 0), Paint(255, 255, 255)},
        {"3C90", 2300, Paint(0, 51, 204), Paint(0, 51, 204)},
        {"3E6", 12000, Paint(255, 0, 255), Paint(255, 255, 255)},
        {"3F4", 900, Paint(255, 255, 204), Paint(255, 255, 204)},
        {"3R1", 800, Paint(0, 0, 0), Paint(0, 0, 0)},
        {"4A11", 700, Paint(255, 153, 255), Paint(255, 153, 255)},
        {"4C65", 125, Paint(153, 51, 153), Paint(153, 51, 153)},
    };
    // clang-format on
    for (const FerroxcubeMaterial& r : rows) {
        const FerroxcubeMaterial& m = RowNamed(FerroxcubeMaterialTable, r.name);
        EXPECT_EQ(m.mu, r.mu) << r.name;
        EXPECT_EQ(m.upper, r.upper) << r.name;
        EXPECT_EQ(m.lower, r.lower) << r.name;
    }
}

} // namespace
} // namespace torvex
