// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/resonance.h"

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

using RowFn = ResonanceOutcome (*)(const ResonanceRowInputs&, const Settings&);

struct Case {
    const char* name;
    RowFn row;
    ResonanceRowInputs in;
    Settings settings;
    const char *value, *unit;
};

// Reference values: f = 1/(2π·√(L·C)) and its inversions, by hand.
TEST(ResonantCircuit, Rows) {
    // clang-format off
    const Case cases[] = {
        {"1 µH, 100 pF", RecomputeResonantFrequency, {"1", 1, "100", 0}, kMetric, "15.915", "MHz"},
        {"1 nH, 1 pF", RecomputeResonantFrequency, {"1", 0, "1", 0}, kMetric, "5.033", "GHz"},
        {"1 µH, 0,1 nF", RecomputeResonantFrequency, {"1", 1, "0,1", 1}, kMetricComma, "15.915", "MHz"},
        {"10 µH at 7 MHz", RecomputeResonantCapacitance, {"10", 1, "7", 2}, kMetric, "51.694", "pF"},
        {"100 pF at 3.5 MHz", RecomputeResonantInductance, {"100", 0, "3.5", 2}, kMetric, "20.678", "µH"},
        {"100 nF at 3.5 MHz", RecomputeResonantInductance, {"100", 1, "3.5", 2}, kMetric, "20.678", "nH"},
        {"negative capacitance", RecomputeResonantInductance, {"-100", 0, "3.5", 2}, kMetric, "-20677792.580", "pH"},
        // A zero value shows "xxx" and leaves the unit as it was.
        {"empty frequency", RecomputeResonantCapacitance, {"10", 1, "", 2}, kMetric, "xxx", "<not set>"},
        {"zero inductance", RecomputeResonantFrequency, {"0", 1, "100", 0}, kMetric, "xxx", "<not set>"},
        {"negative zero", RecomputeResonantFrequency, {"-0", 1, "100", 0}, kMetric, "xxx", "<not set>"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ResonanceOutcome o = c.row(c.in, c.settings);
        ASSERT_TRUE(o.ok());
        EXPECT_EQ(o.shown.value, c.value);
        EXPECT_EQ(o.shown.unit.value_or("<not set>"), c.unit);
    }
}

TEST(ResonantCircuit, FailureShowsNothing) {
    // A negative L·C has no root.
    const Seen negative = See(RecomputeResonantFrequency({"-1", 1, "100", 0}, kMetric));
    ExpectFloatingPointError(negative);
    EXPECT_TRUE(negative.set().empty());
    const Seen bad = See(RecomputeResonantCapacitance({"10", 1, "7.0", 2}, kMetricComma));
    ExpectConversionError(bad, "7.0");
    EXPECT_TRUE(bad.set().empty());
}

} // namespace
} // namespace torvex
