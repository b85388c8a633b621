// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/straight_conductor.h"

#include <cmath>

#include "calc_test_support.h"
#include "format/wire_gauge.h"

namespace torvex {
namespace {

using namespace calctest;

struct Case {
    StraightConductorInputs in;
    Settings settings;
    const char* inductance;
};

// Reference values: 2·l·(ln(4·l/D) − c) nH by hand, l and D in cm.
TEST(StraightConductor, Results) {
    // clang-format off
    const Case cases[] = {
        {{"1", -1, "100", false}, kMetric, "104.8"},
        {{"1", -1, "100", true}, kMetric, " 99.8"},
        {{"1", -1, "1000", false}, kMetric, "1508.8"}, // grows beyond five characters
        {{"0,5", -1, "50", false}, kMetricComma, " 52.4"},
        {{"", kDefaultGaugeIndex, "4", false}, kUs, "111.1"}, // gauge "20"
        {{"", -1, "100", false}, kMetric, "xxx"},
        {{"1", -1, "", false}, kMetric, "xxx"},
        {{"1", -1, "0.5", false}, kMetric, " -0.0"}, // shorter than half the diameter: shown as it is
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.diameterText + "/" + c.in.length);
        const StraightConductorOutcome o = RecomputeStraightConductor(c.in, c.settings);
        ASSERT_TRUE(o.ok());
        EXPECT_EQ(o.shown.inductance, c.inductance);
    }
}

TEST(StraightConductor, GaugeZeroZeroZeroZeroIsMinusThree) {
    // D = 11.686 mm, l = 100 in.
    const long double d = AwgDiameterInches(-3) * 2.54L;
    const long double l = 254.0L;
    const long double expected = 2 * l * (std::log(4 * l / d) - 0.75L);
    const StraightConductorOutcome o = RecomputeStraightConductor({"0000", 0, "100", false}, kUs);
    EXPECT_NEAR(std::stod(o.shown.inductance.value()), static_cast<double>(expected), 0.05);
}

TEST(StraightConductor, SkinEffectSubtractsAQuarterOfTwiceTheLength) {
    // l = 10 cm: the options differ by 2 · 10 · 0.25 = 5 nH.
    const auto value = [](bool skin) {
        return std::stod(RecomputeStraightConductor({"0.8", -1, "100", skin}, kMetric).shown.inductance.value());
    };
    EXPECT_NEAR(value(false) - value(true), 5.0, 0.11);
}

TEST(StraightConductor, Errors) {
    const Seen negative = See(RecomputeStraightConductor({"-1", -1, "100", false}, kMetric));
    ExpectFloatingPointError(negative);
    EXPECT_TRUE(negative.set().empty());
    ExpectConversionError(See(RecomputeStraightConductor({"1", -1, "e1", false}, kMetricComma)), "e1");
    ExpectConversionError(See(RecomputeStraightConductor({"-", -1, "100", false}, kMetric)), "-");
}

} // namespace
} // namespace torvex
