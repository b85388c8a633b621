// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/number_format.h"

#include <cfloat>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace torvex {
namespace {

struct FixedCase {
    long double x;
    int width;
    int decimals;
    const char* expected;
};

TEST(FormatFixedTest, RoundsHalvesAwayFromZeroOnEighteenDigits) {
    // clang-format off
    const FixedCase cases[] = {
        // Worked examples of the winding calculation.
        {4.9L, 5, 2, " 4.90"},
        {45.175L, 3, 1, "45.2"},
        {66.23L, 3, 0, " 66"},
        {0.0L, 3, 1, "0.0"},
        {12.7L, 4, 2, "12.70"},
        // Halves go away from zero, decided on the 18-digit text, not on the
        // binary value (1.0005L lies a little below 1.0005).
        {0.0625L, 0, 3, "0.063"},
        {0.125L, 3, 2, "0.13"},
        {2.5L, 3, 0, "  3"},
        {-2.5L, 0, 0, "-3"},
        {-0.0625L, 0, 3, "-0.063"},
        {1.0005L, 0, 3, "1.001"},
        {0.0005L, 0, 3, "0.001"},
        {0.00045L, 0, 3, "0.000"},
        {0.4L, 0, 0, "0"},
        {0.5L, 0, 0, "1"},
        // Carries that add an integer digit.
        {999.9996L, 0, 3, "1000.000"},
        {9.9995L, 0, 3, "10.000"},
        {0.96L, 0, 1, "1.0"},
        // Zero of either sign has no "-"; a negative value rounding to zero keeps it.
        {-0.0L, 0, 3, "0.000"},
        {-0.0001L, 0, 3, "-0.000"},
        {-0.4L, 0, 0, "-0"},
        {-1e-30L, 5, 1, " -0.0"},
        {1e-4950L, 0, 3, "0.000"},
        // Never cut; a width below the length changes nothing.
        {123456.789L, 3, 2, "123456.79"},
        {5e15L, 0, 3, "5000000000000000.000"},
        {1e30L, 0, 0, "1000000000000000000000000000000"},
        // Beyond 18 digits come zeros, not the binary tail.
        {0.1L, 0, 25, "0.1000000000000000000000000"},
        {1.0L / 3.0L, 0, 20, "0.33333333333333333300"},
        {123456789012345678901.0L, 0, 1, "123456789012345679000.0"},
        // A negative decimal count is taken as none.
        {2.5L, 0, -2, "3"},
    };
    // clang-format on
    for (const FixedCase& c : cases) {
        EXPECT_EQ(FormatFixed(c.x, c.width, c.decimals), c.expected)
            << "x=" << static_cast<double>(c.x) << " " << c.width << ":" << c.decimals;
    }
}

TEST(FormatFixedTest, WritesTheLargestValueInFull) {
    const std::string text = FormatFixed(LDBL_MAX, 0, 3);
    ASSERT_EQ(text.size(), 4933u + 4u); // 1.18973e4932 has 4933 integer digits
    EXPECT_EQ(text.substr(0, 18), "118973149535723177");
    EXPECT_EQ(text.substr(18, 4915), std::string(4915, '0'));
    EXPECT_EQ(text.substr(4933), ".000");
    EXPECT_EQ(FormatFixed(-LDBL_MAX, 0, 0).size(), 4934u);
}

TEST(FormatFixedTest, NonFiniteValuesGiveAFixedText) {
    EXPECT_EQ(FormatFixed(LDBL_MAX * 2.0L, 0, 3), "INF");
    EXPECT_EQ(FormatFixed(-LDBL_MAX * 2.0L, 5, 3), " -INF");
    EXPECT_EQ(FormatFixed(__builtin_nanl(""), 0, 3), "NAN");
}

struct ScaledCase {
    long double x;
    const char* number;
    const char* unitH; // ScalePrefix("H", x)
    long double factor;
};

TEST(FormatScaledTest, PicksTheRowOnTheUnroundedValue) {
    // clang-format off
    const ScaledCase cases[] = {
        {5e15L, "5000.000", "TH", 1e-12L},
        {1e12L, "1.000", "TH", 1e-12L},
        {999.999e9L, "999.999", "GH", 1e-9L},
        {1e9L, "1.000", "GH", 1e-9L},
        {1e6L, "1.000", "MH", 1e-6L},
        {1000.0L, "1.000", "kH", 1e-3L},
        {999.9996L, "1000.000", "H", 1.0L},
        {1.0L, "1.000", "H", 1.0L},
        {439.8229715025710533L, "439.823", "H", 1.0L},
        {0.001L, "1.000", "mH", 1e3L},
        {2.2e-6L, "2.200", "µH", 1e6L},
        {1.96e-6L, "1.960", "µH", 1e6L},
        {1e-9L, "1.000", "nH", 1e9L},
        {3.3e-12L, "3.300", "pH", 1e12L},
        {0.0L, "0.000", "H", 1e12L},
        {-0.0L, "0.000", "H", 1e12L},
        {-2.5L, "-2500000000000.000", "pH", 1e12L},
    };
    // clang-format on
    for (const ScaledCase& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(FormatScaled(c.x), c.number);
        EXPECT_EQ(ScalePrefix("H", c.x), c.unitH);
        EXPECT_EQ(ScaleFactor(c.x), c.factor);
    }
}

TEST(FormatScaledTest, PrefixDropsOnlyTheExactUnitOhm) {
    EXPECT_EQ(ScalePrefix("Ohm", 4700.0L), "k");
    EXPECT_EQ(ScalePrefix("ohm", 4700.0L), "kohm");
    EXPECT_EQ(ScalePrefix("", 4700.0L), "k");
    EXPECT_EQ(ScalePrefix("Ohm", 50.0L), "");
    EXPECT_EQ(ScalePrefix("Ohm", 0.0L), "");
    EXPECT_EQ(ScalePrefix("F", 0.0L), "F");
}

struct LengthCase {
    long double metres;
    const char* number;
    const char* unit;
};

TEST(FormatLengthScaledTest, ScalesWithoutMicrometres) {
    // clang-format off
    const LengthCase cases[] = {
        {2e12L, "2.000", "Tm"},   {1e9L, "1.000", "Gm"},    {1e6L, "1.000", "Mm"},
        {1500.0L, "1.500", "km"}, {1.0L, "1.000", "m"},     {0.999L, "99.90", "cm"},
        {0.25L, "25.00", "cm"},   {0.01L, "1.00", "cm"},    {0.005L, "5.000", "mm"},
        {0.0005L, "0.500", "mm"}, {5e-6L, "0.005", "mm"},   {1e-6L, "0.001", "mm"},
        {3e-9L, "3.000", "nm"},   {1e-10L, "100.000", "pm"}, {0.0L, "0.000", "m"},
        {-1.0L, "-1000000000000.000", "pm"},
    };
    // clang-format on
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(FormatLengthScaled(c.metres), c.number);
        EXPECT_EQ(LengthPrefix(c.metres), c.unit);
    }
    EXPECT_EQ(LengthScaleFactor(0.25L), 100.0L);
}

TEST(FormatImperialLengthTest, InchesFeetYards) {
    // clang-format off
    const LengthCase cases[] = {
        {100.0L, "3.937", " in"},  {25.4L, "1.000", " in"},  {304.7L, "11.996", " in"},
        {304.8L, "1.000", " ft"},  {500.0L, "1.640", " ft"}, {914.4L, "1.000", " yd"},
        {1000.0L, "1.094", " yd"}, {0.0L, "0.000", " in"},   {-25.4L, "-1.000", " in"},
    };
    // clang-format on
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(FormatImperialLength(c.metres), c.number);
        EXPECT_EQ(ImperialLengthUnit(c.metres), c.unit);
    }
}

} // namespace
} // namespace torvex
