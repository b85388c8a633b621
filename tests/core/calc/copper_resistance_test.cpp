// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/copper_resistance.h"

#include <tuple>

#include "calc_test_support.h"
#include "format/wire_gauge.h"

namespace torvex {
namespace {

using namespace calctest;

CopperResistanceInputs Metric(std::string length, std::string diameter, std::string celsius) {
    return {std::move(length), 0, std::move(diameter), -1, std::move(celsius)};
}

struct Case {
    const char* name;
    CopperResistanceInputs in;
    Settings settings;
    const char *resistance, *prefix /* nullptr: not set */, *warning;
};

// Reference values: 0.0175 Ω·mm²/m · length / cross-section, times
// 1 + 0.0038/K · (t − 20 °C), by hand.
TEST(CopperResistance, Results) {
    // clang-format off
    const Case cases[] = {
        {"1 m, 1 mm, 20 °C", Metric("1", "1", "20"), kMetric, "22.282", "m", ""},
        {"1 m, 1 mm, 100 °C", Metric("1", "1", "100"), kMetric, "29.055", "m", ""},
        {"lowest temperature accepted", Metric("1", "1", "-200"), kMetric, "3.654", "m", ""},
        {"highest temperature accepted", Metric("1", "1", "250"), kMetric, "41.756", "m", ""},
        {"too cold", Metric("1", "1", "-200.1"), kMetric, "xxx", nullptr, "t < -200 °C"},
        {"too hot", Metric("1", "1", "250.1"), kMetric, "xxx", nullptr, "t > 250 °C"},
        {"1000 m of 0.1 mm", Metric("1000", "0.1", "20"), kMetric, "2.228", "k", ""},
        {"comma", Metric("1000", "0,1", "20,0"), kMetricComma, "2.228", "k", ""},
        {"lone minus reads 0 °C", Metric("1", "1", "-"), kMetric, "20.588", "m", ""},
        {"empty temperature reads 0 °C", Metric("1", "1", ""), kMetric, "20.588", "m", ""},
        {"no diameter", Metric("1", "", "20"), kMetric, "xxx", nullptr, ""},
        {"negative diameter", Metric("1", "-1", "20"), kMetric, "xxx", nullptr, ""},
        {"no length", Metric("", "1", "20"), kMetric, "0.000", "", ""},
        {"100 ft of gauge 20", {"100", 0, "", kDefaultGaugeIndex, "20"}, kUs, "1.031", "", ""},
        {"100 yd of gauge 20", {"100", 1, "", kDefaultGaugeIndex, "20"}, kUs, "3.092", "", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CopperResistanceOutcome o = RecomputeCopperResistance(c.in, c.settings);
        ASSERT_TRUE(o.ok());
        EXPECT_EQ(o.shown.warning, c.warning);
        EXPECT_EQ(o.shown.resistance, c.resistance);
        if (c.prefix) {
            EXPECT_EQ(o.shown.prefix, c.prefix);
            EXPECT_EQ(o.shown.hasPrefix, *c.prefix != '\0');
        } else {
            EXPECT_FALSE(o.shown.prefix);
            EXPECT_FALSE(o.shown.hasPrefix);
        }
    }
}

// Every input is read before anything is shown.
TEST(CopperResistance, BadTextShowsNothing) {
    // clang-format off
    const std::tuple<CopperResistanceInputs, Settings, const char*> cases[] = {
        {Metric("1", "1", "20.5"), kMetricComma, "20.5"}, // the temperature field has no key filter
        {Metric("1m", "1", "20"), kMetric, "1m"},
        {Metric("1", "1,0", "20"), kMetric, "1,0"},
        {Metric("1", "1", "--"), kMetric, "--"},
    };
    // clang-format on
    for (const auto& [in, settings, bad] : cases) {
        const Seen seen = See(RecomputeCopperResistance(in, settings));
        ExpectConversionError(seen, bad);
        EXPECT_TRUE(seen.set().empty()) << bad;
    }
}

} // namespace
} // namespace torvex
