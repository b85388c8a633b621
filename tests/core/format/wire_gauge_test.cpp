// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/wire_gauge.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace torvex {
namespace {

struct GaugeCase {
    long double millimetres;
    const char* gauge;
};

TEST(DiameterToAwgTest, LargestWireNotThickerThanTheDiameter) {
    // clang-format off
    const GaugeCase cases[] = {
        {0.08L, "40"}, {0.1L, "39"}, {0.5L, "25"}, {1.0L, "19"}, {2.0L, "13"},
        {7.0L, "2"},
        // Gauge value between 0 and 1: gauge 0 (8.2526 mm) would not fit.
        {8.0L, "1"}, {8.2L, "1"}, {8.3L, "0"},
        {10.0L, "00"}, {11.0L, "000"}, {12.0L, "0000"}, {1e4000L, "0000"},
        {std::numeric_limits<long double>::infinity(), "0000"},
        {0.07L, "xxx"}, {0.0L, "xxx"}, {-1.0L, "xxx"}, {1e-4000L, "xxx"},
        {std::numeric_limits<long double>::quiet_NaN(), "xxx"},
    };
    // clang-format on
    for (const GaugeCase& c : cases) {
        EXPECT_EQ(DiameterToAwg(c.millimetres), c.gauge) << static_cast<double>(c.millimetres) << " mm";
    }
}

TEST(DiameterToAwgTest, NamedWireAlwaysFits) {
    for (long double d = 0.08L; d < 15.0L; d *= 1.01L) {
        const std::string name = DiameterToAwg(d);
        ASSERT_NE(name, "xxx") << static_cast<double>(d);
        EXPECT_LE(AwgDiameterInches(GaugeNumber(name)) * 25.4L, d) << static_cast<double>(d);
    }
}

TEST(WireGaugeTest, NamesNumbersAndDiameters) {
    ASSERT_EQ(AwgNames[kDefaultGaugeIndex], "20");
    for (std::size_t i = 0; i < AwgNames.size(); ++i) {
        EXPECT_EQ(GaugeNumber(AwgNames[i]), static_cast<int>(i) - 3) << AwgNames[i];
    }

    // Reference diameters of the gauge formula, five significant digits.
    const struct {
        const char* name;
        double millimetres;
    } diameters[] = {{"20", 0.81177}, {"0", 8.2526}, {"0000", 11.686}, {"40", 0.079849}};
    for (const auto& c : diameters) {
        const double mm = static_cast<double>(AwgDiameterInches(GaugeNumber(c.name)) * 25.4L);
        EXPECT_NEAR(mm, c.millimetres, c.millimetres * 5e-5) << c.name;
    }
}

} // namespace
} // namespace torvex
