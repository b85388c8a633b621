// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/conversion.h"

#include <algorithm>
#include <tuple>

#include "calc_test_support.h"
#include "format/wire_gauge.h"

namespace torvex {
namespace {

using namespace calctest;

using LengthFn = LengthConversionOutcome (*)(const LengthConversionInputs&, const Settings&);

struct LengthCase {
    LengthFn convert;
    LengthConversionInputs in;
    Settings settings;
    const char *length, *unit;
};

// Reference values: 1 in = 25.4 mm, 1 ft = 12 in, 1 yd = 3 ft.
TEST(LengthConversion, Lengths) {
    // clang-format off
    const LengthCase cases[] = {
        {RecomputeImperialToMetric, {"1", 2}, kMetric, "91.44", "cm"},
        {RecomputeImperialToMetric, {"1", 0}, kMetric, "2.54", "cm"},
        {RecomputeImperialToMetric, {"1", 1}, kMetric, "30.48", "cm"},
        {RecomputeImperialToMetric, {"1000", 2}, kMetric, "914.400", "m"},
        {RecomputeImperialToMetric, {"0,5", 0}, kMetricComma, "1.27", "cm"},
        {RecomputeImperialToMetric, {"", 0}, kMetric, "0.000", "m"},
        {RecomputeMetricToImperial, {"100", 0}, kMetric, "3.937", " in"},
        {RecomputeMetricToImperial, {"1", 2}, kMetric, "1.094", " yd"},
        {RecomputeMetricToImperial, {"5", 1}, kMetric, "1.969", " in"},
        {RecomputeMetricToImperial, {"30,48", 1}, kMetricComma, "1.000", " ft"},
        {RecomputeMetricToImperial, {"-5", 1}, kMetric, "-1.969", " in"},
    };
    // clang-format on
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.in.text);
        const LengthConversionOutcome o = c.convert(c.in, c.settings);
        ASSERT_TRUE(o.ok());
        EXPECT_EQ(o.shown.length, c.length);
        EXPECT_EQ(o.shown.unit, c.unit);
    }
}

TEST(LengthConversion, FailureShowsNothing) {
    const Seen bad = See(RecomputeMetricToImperial({"1.5", 0}, kMetricComma));
    ExpectConversionError(bad, "1.5");
    EXPECT_TRUE(bad.set().empty());
}

TEST(GaugeDiameter, Shows) {
    // Reference values: 10^(−(n + 9.6954) / 19.8578) in.
    // clang-format off
    const std::tuple<std::string_view, const char*, const char*> cases[] = {
        {"20", "0.812", "0.031959 in"},
        {"0", "8.253", "0.324907 in"},
        {"0000", "11.686", "0.460079 in"},
        {"40", "0.080", "0.003144 in"},
    };
    // clang-format on
    for (const auto& [gauge, mm, inches] : cases) {
        const int index = static_cast<int>(std::find(AwgNames.begin(), AwgNames.end(), gauge) - AwgNames.begin());
        const GaugeDiameterOutcome o = RecomputeGaugeDiameter({index}, kMetric);
        EXPECT_EQ(o.shown.millimetres, mm) << gauge;
        EXPECT_EQ(o.shown.inches, inches) << gauge;
    }
    EXPECT_TRUE(See(RecomputeGaugeDiameter({-1}, kMetric)).set().empty());
}

TEST(Fahrenheit, Shows) {
    const std::tuple<const char*, Settings, const char*> cases[] = {
        {"212", kMetric, "100.0"}, {"32", kMetric, "0.0"},    {"-40", kMetric, "-40.0"},      {"-", kMetric, "-17.8"},
        {"", kMetric, "-17.8"},    {"98.6", kMetric, "37.0"}, {"98,6", kMetricComma, "37.0"},
    };
    for (const auto& [fahrenheit, settings, celsius] : cases)
        EXPECT_EQ(RecomputeFahrenheit({fahrenheit}, settings).shown.celsius, celsius) << fahrenheit;
    ExpectConversionError(See(RecomputeFahrenheit({"-4-"}, kMetric)), "-4-");
}

} // namespace
} // namespace torvex
