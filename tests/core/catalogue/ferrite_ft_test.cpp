// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/ferrite_ft.h"

#include <gtest/gtest.h>

#include "catalogue_checks.h"

namespace torvex {
namespace {

using test::AlByName;
using test::MadeIn;
using test::RowNamed;
using SV = std::vector<std::string_view>;

TEST(FerriteFtCatalogue, Shape) {
    test::ExpectSoundSizes(FtSizeTable);
    test::ExpectInchTexts(FtSizeTable);
    test::ExpectUniqueNames(FtMaterialTable);
    EXPECT_EQ(test::CountMade(FtAlTable), 88); // counted from AMIDON's table
}

// AL in mH per (1000 turns)², read by row and column name.
TEST(FerriteFtCatalogue, AlValues) {
    // clang-format off
    const test::AlSample samples[] = {
        {"FT23", "43", 188.0L},   {"FT23", "68", 4.0L},      {"FT23", "H", 2940.0L},    {"FT37", "61", 55.3L},
        {"FT50", "43", 523.0L},   {"FT50", "F", 0.0L},       {"FT50-A", "W", 5936.0L},  {"FT50-B", "75 (J)", 0.0L},
        {"FT82", "63", 22.4L},    {"FT87A", "F", 3700.0L},   {"FT114", "F", 1902.0L},   {"FT114-A", "61", 146.0L},
        {"FT140", "63", 0.0L},    {"FT150A", "W", 16700.0L}, {"FT150A", "K", 4508.0L},  {"FT193", "W", 11800.0L},
        {"FT240", "72", 3133.0L}, {"FT240", "77", 3130.0L},  {"FT240", "W", 13690.0L},
    };
    // clang-format on
    for (const auto& s : samples)
        EXPECT_EQ(AlByName(FtAlTable, FtSizeTable, FtMaterialTable, s.size, s.material), s.al)
            << s.size << " in " << s.material;
    EXPECT_EQ(FtAl(2, 0), 523.0L); // FT50 in 43, the start selection
    EXPECT_EQ(FtAl(2, -1), 0.0L);
}

TEST(FerriteFtCatalogue, SizesMadeInOneMaterial) {
    EXPECT_EQ(MadeIn(FtAlTable, FtSizeTable, FtMaterialTable, "FT87"), SV{"75 (J)"});
    EXPECT_EQ(MadeIn(FtAlTable, FtSizeTable, FtMaterialTable, "FT125"), SV{"K"});
    EXPECT_EQ(MadeIn(FtAlTable, FtSizeTable, FtMaterialTable, "FT200"), SV{"K"});
    EXPECT_EQ(MadeIn(FtAlTable, FtSizeTable, FtMaterialTable, "FT150A"), (SV{"75 (J)", "F", "K", "W"}));
}

TEST(FerriteFtCatalogue, SizeRows) {
    const auto& ft50 = RowNamed(FtSizeTable, "FT50");
    EXPECT_EQ(ft50.da, 12.7L);
    EXPECT_EQ(ft50.di, 7.14L);
    EXPECT_EQ(ft50.h, 4.8L);
    EXPECT_EQ(ft50.daInch, "0.500");
    EXPECT_EQ(ft50.diInch, "0.281");
    EXPECT_EQ(ft50.hInch, "0.188");
    // AMIDON's own texts, not 6.35 / 25.4 and 8.13 / 25.4.
    EXPECT_EQ(RowNamed(FtSizeTable, "FT150").hInch, "0.590");
    EXPECT_EQ(RowNamed(FtSizeTable, "FT114-A").hInch, "0.545");
    EXPECT_EQ(RowNamed(FtSizeTable, "FT193A").h, 19.05L);
    EXPECT_EQ(FtSizeTable.back().name, "FT240");
}

TEST(FerriteFtCatalogue, MaterialRows) {
    // clang-format off
    const FtMaterial rows[] = {
        {"43", 850, "0,01...1", "1...50", "30...600"},
        {"75 (J)", 5000, "0,001...1", "0,2...10", "5...15"},
        {"H", 15000, "0,001...150", "0,001...1", "0,001...0,5"},
        {"W", 10000, "0,001...250", "0,001...1", "0,1...1"},
    };
    // clang-format on
    for (const FtMaterial& r : rows) {
        const FtMaterial& m = RowNamed(FtMaterialTable, r.name);
        EXPECT_EQ(m.mu, r.mu) << r.name;
        EXPECT_EQ(m.resonant, r.resonant) << r.name;
        EXPECT_EQ(m.wideBand, r.wideBand) << r.name;
        EXPECT_EQ(m.choke, r.choke) << r.name;
    }
}

} // namespace
} // namespace torvex
