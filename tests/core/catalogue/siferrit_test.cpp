// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "catalogue/siferrit.h"

#include <gtest/gtest.h>

#include <string>

#include "catalogue_checks.h"

namespace torvex {
namespace {

using test::AlByName;
using test::MadeIn;
using test::RowNamed;
using SV = std::vector<std::string_view>;

// The ordering code the page composes from the two catalogue parts.
std::string OrderingCode(std::string_view size, std::string_view material) {
    return "B64290-" + std::string(RowNamed(SiferritSizeTable, size).sizeCode) + "-X" +
           std::string(RowNamed(SiferritMaterialTable, material).materialCode);
}

TEST(SiferritCatalogue, Shape) {
    test::ExpectSoundSizes(SiferritSizeTable);
    test::ExpectInchTexts(SiferritSizeTable);
    test::ExpectUniqueNames(SiferritMaterialTable);
    std::set<std::string_view> sizeCodes, materialCodes;
    for (const auto& s : SiferritSizeTable)
        EXPECT_TRUE(sizeCodes.insert(s.sizeCode).second) << s.sizeCode;
    for (const auto& m : SiferritMaterialTable)
        EXPECT_TRUE(materialCodes.insert(m.materialCode).second) << m.materialCode;
    EXPECT_EQ(test::CountMade(SiferritAlTable), 53); // counted from EPCOS's table
}

TEST(SiferritCatalogue, AlValues) {
    // clang-format off
    const test::AlSample samples[] = {
        {"R2,5", "N27", 0.0L},    {"R2,5", "N30", 440.0L},   {"R2,5", "T38", 1020.0L}, {"R4", "K1", 13.0L},
        {"R4", "M33", 123.0L},    {"R6,3", "N49", 330.0L},   {"R10", "N30", 1760.0L},  {"R12,5", "T35", 3060.0L},
        {"R16", "K1", 0.0L},      {"R20/7", "N67", 2030.0L}, {"R25/10", "T38", 0.0L},  {"R34/12,5", "N30", 5460.0L},
        {"R36", "N67", 2810.0L},  {"R50", "N30", 8700.0L},   {"R200", "N30", 5500.0L},
    };
    // clang-format on
    for (const auto& s : samples)
        EXPECT_EQ(AlByName(SiferritAlTable, SiferritSizeTable, SiferritMaterialTable, s.size, s.material), s.al)
            << s.size << " in " << s.material;
    EXPECT_EQ(SiferritAl(3, 1), 1760.0L); // R10 in N30, the start selection
    EXPECT_EQ(SiferritAl(3, 8), 0.0L);
}

TEST(SiferritCatalogue, WhichMaterialsAreMade) {
    EXPECT_EQ(MadeIn(SiferritAlTable, SiferritSizeTable, SiferritMaterialTable, "R36"), (SV{"N27", "N30", "N67"}));
    for (std::string_view size : {"R34/10", "R34/12,5", "R40", "R42", "R50", "R58", "R100", "R140", "R200"})
        EXPECT_EQ(MadeIn(SiferritAlTable, SiferritSizeTable, SiferritMaterialTable, size), SV{"N30"}) << size;
}

TEST(SiferritCatalogue, OrderingCodes) {
    EXPECT_EQ(OrderingCode("R10", "N30"), "B64290-K38-X830");
    EXPECT_EQ(OrderingCode("R2,5", "N30"), "B64290-P35-X830");
    EXPECT_EQ(OrderingCode("R4", "K1"), "B64290-K36-X1");
    EXPECT_EQ(OrderingCode("R100", "N30"), "B64290-A84-X830");
    EXPECT_EQ(OrderingCode("R200", "N30"), "B64290-A711-X830");
}

TEST(SiferritCatalogue, SizeRows) {
    const auto& r10 = RowNamed(SiferritSizeTable, "R10");
    EXPECT_EQ(r10.da, 10.8L);
    EXPECT_EQ(r10.di, 5.25L);
    EXPECT_EQ(r10.h, 4.0L);
    // EPCOS's own texts, not 10.8 / 25.4 and so on.
    EXPECT_EQ(r10.daInch, "0.433");
    EXPECT_EQ(r10.diInch, "0.199");
    EXPECT_EQ(r10.hInch, "0.195");
    EXPECT_EQ(RowNamed(SiferritSizeTable, "R2,5").daInch, "0.098");
    EXPECT_EQ(RowNamed(SiferritSizeTable, "R100").da, 104.8L);
    EXPECT_EQ(SiferritSizeTable.back().name, "R200");
}

TEST(SiferritCatalogue, MaterialRows) {
    // clang-format off
    const SiferritMaterial rows[] = {
        {"N27", "27", 2000, "Leistungsübertrager", "Power Transformer", "0...150 kHz"},
        {"N30", "830", 4300, "Breitbandübertrager", "Broadband Transformer", "-"},
        {"K1", "1", 80, "Resonanzkreise", "Resonant Circuit", "1,5...12 MHz"},
        {"N67", "67", 2100, "Leistungsübertrager", "Power Transformer", "0...300 kHz"},
    };
    // clang-format on
    for (const SiferritMaterial& r : rows) {
        const SiferritMaterial& m = RowNamed(SiferritMaterialTable, r.name);
        EXPECT_EQ(m.materialCode, r.materialCode) << r.name;
        EXPECT_EQ(m.mu, r.mu) << r.name;
        EXPECT_EQ(m.applicationGerman, r.applicationGerman) << r.name;
        EXPECT_EQ(m.applicationEnglish, r.applicationEnglish) << r.name;
        EXPECT_EQ(m.frequencyRange, r.frequencyRange) << r.name;
    }
}

} // namespace
} // namespace torvex
