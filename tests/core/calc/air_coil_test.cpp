// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/air_coil.h"

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

TEST(Nagaoka, BranchesMeetAtOne) {
    // Lundin's two formulas at x = 1 from either side.
    EXPECT_NEAR(static_cast<double>(NagaokaCoefficient(1.0L)), 0.688424, 5e-7);
    EXPECT_NEAR(static_cast<double>(NagaokaCoefficient(1.0L + 1e-15L)), 0.68842, 5e-6);
    // A long coil tends to 1, a short one to 0.
    EXPECT_GT(NagaokaCoefficient(0.01L), 0.99L);
    EXPECT_LT(NagaokaCoefficient(100.0L), 0.1L);
}

struct InductanceCase {
    CoilInductanceInputs in;
    Settings settings;
    const char *inductance, *unit;
};

// Reference values: π²·N²·D²/length·k nH by hand, k from Lundin's formulas.
TEST(CoilInductance, Results) {
    // clang-format off
    const InductanceCase cases[] = {
        {{"10", "10", "10"}, kMetric, "679.448", "nH"},
        {{"10", "10", "20"}, kMetric, "403.734", "nH"},
        {{"10", "20", "10"}, kMetric, "2.075", "µH"}, // short-coil branch
        {{"10", "0.5", "1"}, kUs, "512.742", "nH"},
        {{"10", "10,0", "20,0"}, kMetricComma, "403.734", "nH"},
        {{"", "10", "10"}, kMetric, "0.000", "H"},
        {{"10", "-10", "10"}, kMetric, "1.517", "µH"}, // a negative diameter gives a number
        {{"10", "", "10"}, kMetric, "xxx", "<not set>"},
        {{"10", "10", "0"}, kMetric, "xxx", "<not set>"},
    };
    // clang-format on
    for (const InductanceCase& c : cases) {
        SCOPED_TRACE(c.in.turns + "/" + c.in.diameter + "/" + c.in.length);
        const CoilInductanceOutcome o = RecomputeCoilInductance(c.in, c.settings);
        ASSERT_TRUE(o.ok());
        EXPECT_EQ(o.shown.inductance, c.inductance);
        EXPECT_EQ(o.shown.inductanceUnit.value_or("<not set>"), c.unit);
    }
}

struct TurnsCase {
    const char* name;
    CoilTurnsInputs in;
    Settings settings;
    Texts expected;
};

TEST(CoilTurns, Results) {
    // clang-format off
    const TurnsCase cases[] = {
        {"1 µH on 10 x 20 mm", {"1", 1, "10", "20"}, kMetric,
         {{"turns", " 15.7"}, {"wireLength", "49.44"}, {"wireLengthUnit", "cm"}, {"wireDiameter", "1.271"},
          {"wireDiameterUnit", "mm"}}},
        {"1 µH on 0.5 x 1 in", {"1", 1, "0.5", "1"}, kUs,
         {{"turns", " 14.0"}, {"wireLength", "1.828"}, {"wireLengthUnit", " ft"}, {"wireDiameter", "14"},
          {"wireDiameterUnit", " AWG"}}},
        {"1000 nH with comma", {"1000", 0, "10,0", "20"}, kMetricComma, {{"turns", " 15.7"}}},
        // With no turns the diameter's unit keeps its text.
        {"no inductance", {"", 1, "10", "20"}, kMetric,
         {{"turns", "  0.0"}, {"wireLength", "0.000"}, {"wireLengthUnit", "m"}, {"wireDiameter", "xxx"},
          {"wireDiameterUnit", "<not set>"}}},
        {"no inductance in US units", {"0", 1, "0.5", "1"}, kUs,
         {{"turns", "  0.0"}, {"wireLength", "0.000"}, {"wireLengthUnit", " in"}, {"wireDiameter", "xxx"}}},
        // Without a diameter or length the units keep their texts.
        {"no diameter", {"1", 1, "", "20"}, kMetric,
         {{"turns", "xxx"}, {"wireLength", ""}, {"wireDiameter", ""}, {"wireLengthUnit", "<not set>"},
          {"wireDiameterUnit", "<not set>"}}},
        {"no length", {"1", 1, "10", "0"}, kMetric, {{"turns", "xxx"}, {"wireLength", ""}, {"wireDiameter", ""}}},
    };
    // clang-format on
    for (const TurnsCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Seen seen = See(RecomputeCoilTurns(c.in, c.settings));
        ASSERT_FALSE(seen.error);
        ExpectTexts(seen, c.expected);
    }
}

TEST(AirCoil, Errors) {
    const Seen negative = See(RecomputeCoilTurns({"-1", 1, "10", "20"}, kMetric));
    ExpectFloatingPointError(negative);
    EXPECT_TRUE(negative.set().empty());
    ExpectConversionError(See(RecomputeCoilTurns({"1", 1, "10", "2.0.0"}, kMetric)), "2.0.0");
    const Seen bad = See(RecomputeCoilInductance({"10", "1x", "10"}, kMetric));
    ExpectConversionError(bad, "1x");
    EXPECT_TRUE(bad.set().empty());
}

} // namespace
} // namespace torvex
