// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/iron_powder.h"

#include <gtest/gtest.h>

#include "catalogue_checks.h"

namespace torvex {
namespace {

using test::AlByName;
using test::MadeIn;
using test::RowNamed;
using SV = std::vector<std::string_view>;

TEST(IronPowderCatalogue, Shape) {
    test::ExpectSoundSizes(IronSizeTable);
    test::ExpectInchTexts(IronSizeTable);
    test::ExpectUniqueNames(IronMixTable);
    // Counted from AMIDON's table; a lost or doubled value changes it.
    EXPECT_EQ(test::CountMade(IronAlTable), 170);
}

// Values in µH per 100 turns, read from AMIDON's table by row and column name.
TEST(IronPowderCatalogue, AlValues) {
    // clang-format off
    const test::AlSample samples[] = {
        {"T12", "0", 3.0L},     {"T12", "7", 0.0L},      {"T12", "26", 0.0L},   {"T16", "26", 145.0L},
        {"T25", "7", 29.0L},    {"T25", "18", 170.0L},   {"T37", "0", 4.9L},    {"T44", "12", 18.5L},
        {"T50", "2", 49.0L},    {"T50", "15", 135.0L},   {"T80", "12", 22.0L},  {"T80", "17", 32.0L},
        {"T94", "3", 248.0L},   {"T106", "10", 0.0L},    {"T106", "18", 700.0L}, {"T157", "0", 0.0L},
        {"T184", "26", 1640.0L}, {"T200A", "1", 0.0L},   {"T200A", "2", 218.0L}, {"T400A", "26", 2600.0L},
        {"T520", "2", 207.0L},  {"T520", "26", 1460.0L},
    };
    // clang-format on
    for (const auto& s : samples)
        EXPECT_EQ(AlByName(IronAlTable, IronSizeTable, IronMixTable, s.size, s.material), s.al)
            << s.size << " in mix " << s.material;
    // By position: T50 in mix 2 (the start selection), and no selection or
    // a position past the end reads as not made.
    EXPECT_EQ(IronAl(7, 2), 49.0L);
    for (auto [size, mix] : {std::pair{-1, 2}, {7, -1}, {24, 0}, {0, 12}})
        EXPECT_EQ(IronAl(size, mix), 0.0L);
}

TEST(IronPowderCatalogue, LargeSizesOnlyInMixes2And26) {
    for (std::string_view size : {"T225A", "T300", "T300A", "T400", "T400A", "T520"})
        EXPECT_EQ(MadeIn(IronAlTable, IronSizeTable, IronMixTable, size), (SV{"2", "26"})) << size;
    // Shown as nH per turn squared after × 0.1.
    EXPECT_NEAR(IronAl(23, 2) * 0.1L, 20.7L, 1e-15L);
    EXPECT_NEAR(IronAl(23, 11) * 0.1L, 146.0L, 1e-15L);
}

TEST(IronPowderCatalogue, SizeRows) {
    const auto& t50 = RowNamed(IronSizeTable, "T50");
    EXPECT_EQ(t50.da, 12.7L);
    EXPECT_EQ(t50.di, 7.7L);
    EXPECT_EQ(t50.h, 4.83L);
    EXPECT_EQ(t50.daInch, "0.500");
    EXPECT_EQ(t50.diInch, "0.303");
    EXPECT_EQ(t50.hInch, "0.190");
    // AMIDON's own inch texts, far from mm / 25.4 (0.795 and 0.571).
    EXPECT_EQ(RowNamed(IronSizeTable, "T80").daInch, "0.975");
    EXPECT_EQ(RowNamed(IronSizeTable, "T106").diInch, "0.780");
    EXPECT_EQ(IronSizeTable.back().name, "T520");
    EXPECT_EQ(IronSizeTable.back().hInch, "0.800");
}

TEST(IronPowderCatalogue, MixRows) {
    struct Row {
        std::string_view mix;
        int mu;
        std::string_view range;
        PaintColour upper, lower;
    };
    // clang-format off
    const Row rows[] = {
        {"0", 1, "50...300", Paint(128, 0, 0), Paint(128, 0, 0)},
        {"2", 10, "1...30", Paint(255, 0, 0), Paint(255, 0, 0)},
        {"3", 35, "0,05...0,5", Paint(128, 128, 128), Paint(128, 128, 128)},
        {"7", 9, "3...35", Paint(255, 255, 255), Paint(255, 255, 255)},
        {"17", 4, "20...200", Paint(0, 0, 255), Paint(255, 255, 0)},
        {"18", 55, "0...0,5", Paint(255, 0, 0), Paint(0, 255, 0)},
        {"26", 75, "0...1", Paint(255, 255, 0), Paint(255, 255, 255)},
    };
    // clang-format on
    for (const Row& r : rows) {
        const IronMix& mix = RowNamed(IronMixTable, r.mix);
        EXPECT_EQ(mix.mu, r.mu) << r.mix;
        EXPECT_EQ(mix.frequencyRange, r.range) << r.mix;
        EXPECT_EQ(mix.upper, r.upper) << r.mix;
        EXPECT_EQ(mix.lower, r.lower) << r.mix;
    }
}

} // namespace
} // namespace torvex
