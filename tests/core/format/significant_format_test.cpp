// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/significant_format.h"

#include <limits>

#include <gtest/gtest.h>

namespace torvex {
namespace {

struct Case {
    long double x;
    const char* expected;
};

TEST(FormatEngineeringTest, FourDigitsWithPrefix) {
    constexpr long double inf = std::numeric_limits<long double>::infinity();
    // clang-format off
    const struct {
        long double x;
        const char* unit;
        const char* expected;
    } cases[] = {
        // The ferrite window's own examples.
        {2017.4L, "Ω", "2.017 kΩ"},
        {113.84e-6L, "H", "113.8 µH"},
        {10.6449e6L, "Hz", "10.64 MHz"},
        {-2462.3L, "Ω", "-2.462 kΩ"},
        // Rounding that carries into the next prefix.
        {999.96L, "Ω", "1.000 kΩ"},
        {999.94L, "Ω", "999.9 Ω"},
        {0.45L, "Ω", "450.0 mΩ"},
        {1.0L, "Hz", "1.000 Hz"},
        {0.0L, "Ω", "0.000 Ω"},
        {-0.0L, "Ω", "0.000 Ω"},
        // The ends of the prefixes, then an exponent.
        {1e-15L, "H", "1.000 fH"},
        {999.9e15L, "Hz", "999.9 PHz"},
        {1e-20L, "H", "1.000e-20 H"},
        {-1.5e18L, "Hz", "-1.500e+18 Hz"},
        {inf, "Ω", "—"},
        {-inf, "Ω", "—"},
        {std::numeric_limits<long double>::quiet_NaN(), "Ω", "—"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FormatEngineering(c.x, c.unit), c.expected) << static_cast<double>(c.x);
}

TEST(FormatSignificantTest, FourDigitsWithoutPrefix) {
    // clang-format off
    const Case cases[] = {
        {687.62L, "687.6"}, {152.48L, "152.5"}, {32.2527L, "32.25"}, {0.45L, "0.4500"},
        {2517.8L, "2518"},  {12345.6L, "12350"}, {-8.23L, "-8.230"}, {0.0L, "0.000"},
        {1.234e-4L, "0.0001234"}, {9999999.0L, "1.000e+07"}, {1.234e-5L, "1.234e-05"},
        {std::numeric_limits<long double>::infinity(), "—"},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(FormatSignificant(c.x), c.expected) << static_cast<double>(c.x);
}

} // namespace
} // namespace torvex
