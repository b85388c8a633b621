// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/winding.h"

#include <cmath>
#include <tuple>
#include <vector>

#include "calc_test_support.h"
#include "catalogue/ferrite_ft.h"
#include "catalogue/ferroxcube.h"
#include "catalogue/iron_powder.h"
#include "catalogue/siferrit.h"
#include "format/number_format.h"

namespace torvex {
namespace {

using namespace calctest;

// The winding worked example's core, T50 in mix 2: AL 4.9 nH/N², Da 12.7,
// Di 7.7, h 4.83 mm.
WindingResult OnT50(const WindingFields& fields, const Settings& settings = kMetric) {
    return CalculateWinding(12.7L, 7.7L, 4.83L, 4.9L, fields, settings);
}

double D(long double x) { return static_cast<double>(x); }

// π computed independently of the engine's constant.
const long double kPiForTest = 4 * std::atan(1.0L);

TEST(CalculateWinding, WorkedExampleKeepsTurnsUnrounded) {
    // 10 µH at 7 MHz, 20 turns.
    const WindingResult r = OnT50({"10", 1, "7", 2, "20"});
    EXPECT_TRUE(r.available);
    EXPECT_NEAR(D(r.N), 45.175, 5e-4); // shown "45.2"
    EXPECT_EQ(FormatFixed(r.D, 3, 2), "0.50");
    // The wire length uses 45.175 turns, not 45.2: (2·4.83 + 5.0) · N · 0.1.
    EXPECT_NEAR(D(r.len), 14.66 * D(r.N) * 0.1, 1e-9);
    EXPECT_NEAR(D(r.XL), 439.823, 5e-4);
    EXPECT_NEAR(D(r.L2), 1.96e-6, 1e-15);
    // µH to mH: the same number is 1000 times the inductance, √1000 the turns.
    EXPECT_NEAR(D(OnT50({"10", 2, "", 1, ""}).N / r.N), std::sqrt(1000.0), 1e-12);
}

TEST(SingleLayerWireDiameter, Shown) {
    // Hand calculations: 10·sin(π/5)/(1 + sin(π/5)) = 3.7019; two turns
    // share the hole's diameter; below two the wire passes the hole twice,
    // up to one turn once.
    const std::tuple<long double, long double, const char*> cases[] = {
        {10, 5, "3.70"},     {10, 2, "5.00"}, {10, 1.5L, "5.00"}, {10, 1, "10.00"},
        {10, 0.5L, "10.00"}, {10, 0, "0.00"}, {10, -3, "0.00"},
    };
    for (const auto& [di, n, text] : cases)
        EXPECT_EQ(FormatFixed(SingleLayerWireDiameter(di, n), 3, 2), text) << D(n);
}

TEST(SingleLayerWireDiameter, FitsEveryCatalogueHole) {
    std::vector<long double> holes;
    const auto add = [&holes](const auto& sizes) {
        for (const auto& size : sizes)
            holes.push_back(size.di);
    };
    add(IronSizeTable);
    add(FtSizeTable);
    add(SiferritSizeTable);
    add(FerroxcubeSizeTable);
    // N round wires against the inside of the hole have their centres on a
    // circle of Di − D, neighbours a chord (Di − D)·sin(π/N) apart, which
    // must be at least D: the largest wire meets that, one 1 % thicker not.
    const auto gap = [](long double di, long double d, long double n) {
        return (di - d) * std::sin(kPiForTest / n) - d;
    };
    for (long double di : holes) {
        for (int quarter = 8; quarter <= 800; ++quarter) { // N = 2 … 200 in quarter turns
            const long double n = quarter / 4.0L;
            const long double d = SingleLayerWireDiameter(di, n);
            ASSERT_GE(gap(di, d, n), -1e-12L * d) << D(di) << " mm, N " << D(n);
            ASSERT_LT(gap(di, 1.01L * d, n), 0) << D(di) << " mm, N " << D(n);
        }
    }
}

TEST(CalculateWinding, ReadsFieldsWithTheLocaleSeparator) {
    const std::tuple<const char*, Settings, long double> cases[] = {
        // turns, settings, L2 = A · n²
        {"2.5", kMetric, 6.25L * 4.9e-9L},
        {"2,5", kMetricComma, 6.25L * 4.9e-9L},
        {",", kMetricComma, 0},           // a lone separator reads 0
        {" 12 ", kMetric, 144 * 4.9e-9L}, // blanks around the number
        {"-3", kMetric, 9 * 4.9e-9L},     // neither rounded nor clamped
    };
    for (const auto& [turns, settings, l2] : cases)
        EXPECT_NEAR(D(OnT50({"", 1, "", 1, turns}, settings).L2), D(l2), 1e-18) << turns;
    EXPECT_NEAR(D(OnT50({"0,5", 1, "", 1, ""}, kMetricComma).L), 0.5e-6, 1e-18);
}

TEST(CalculateWinding, CoreNotMadeGivesZeroResults) {
    const WindingResult r = CalculateWinding(3.18L, 1.57L, 1.27L, 0, {"10", 1, "7", 2, "20"}, kMetric);
    EXPECT_FALSE(r.available);
    // L is set to 0, so XL is 0 too.
    for (long double x : {r.L, r.N, r.D, r.len, r.XL, r.L2, r.XL2})
        EXPECT_EQ(x, 0);
}

TEST(CalculateWinding, NegativeInputs) {
    // A negative frequency or turn count raises nothing.
    const WindingResult r = OnT50({"10", 1, "-7", 2, "-20"});
    EXPECT_LT(r.XL, 0);
    EXPECT_GT(r.L2, 0);
    EXPECT_LT(r.XL2, 0);
}

TEST(CalculateWinding, Errors) {
    // The root of a negative inductance is a floating-point fault; the other
    // texts are not numbers with the decimal comma.
    // clang-format off
    const std::pair<const char*, CalcError::Kind> cases[] = {
        {"-10", CalcError::Kind::FloatingPoint}, {"1,,5", CalcError::Kind::Conversion},
        {"-", CalcError::Kind::Conversion},      {"abc", CalcError::Kind::Conversion},
        {"1.5", CalcError::Kind::Conversion},
    };
    // clang-format on
    for (const auto& [text, kind] : cases) {
        try {
            OnT50({text, 1, "", 1, ""}, kMetricComma);
            ADD_FAILURE() << text << ": no error";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), kind) << text;
            if (kind == CalcError::Kind::Conversion) {
                EXPECT_EQ(e.message(), std::string("'") + text + "' ist kein gültiger Fließkommawert");
            }
        }
    }
}

} // namespace
} // namespace torvex
