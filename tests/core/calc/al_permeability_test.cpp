// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/al_permeability.h"

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

struct Case {
    const char* name;
    AlPermeabilityInputs in;
    Settings settings;
    Texts expected;
};

// Reference values by hand: AL = L/N², le and Ae of a rectangular ring from
// ln(Da/Di), µi = AL·le/(µ0·Ae).
TEST(AlPermeability, Results) {
    // clang-format off
    const Case cases[] = {
        {"10 turns, 2.5 µH", {"10", "2.5", "12.7", "7.15", "4.9", "0"}, kMetric,
         {{"al", "25.00"}, {"crossSection", "13.2"}, {"pathLength", "29.5"}, {"coreFactor", "2.2"},
          {"permeability", "44.4"}}},
        {"with 0.05 mm coating", {"10", "2.5", "12.7", "7.15", "4.9", "0.05"}, kMetric,
         {{"al", "25.00"}, {"crossSection", "12.5"}, {"pathLength", "29.6"}, {"coreFactor", "2.4"},
          {"permeability", "47.1"}}},
        {"with comma", {"10", "2,5", "12,7", "7,15", "4,9", "0,05"}, kMetricComma,
         {{"al", "25.00"}, {"permeability", "47.1"}}},
        // The T50 of the winding worked example, measured back: AL 4.9.
        {"20 turns, 1.96 µH", {"20", "1.96", "12.7", "7.7", "4.83", ""}, kMetric,
         {{"al", " 4.90"}, {"crossSection", "11.8"}, {"pathLength", "30.7"}, {"coreFactor", "2.6"},
          {"permeability", "10.1"}}},
        {"no turns", {"", "1.96", "12.7", "7.7", "4.83", ""}, kMetric, {{"al", "xxx"}, {"permeability", "0.0"}}},
        {"coating of half the height", {"20", "1.96", "12.7", "7.7", "4.8", "2.4"}, kMetric,
         {{"al", " 4.90"}, {"crossSection", "xxx"}, {"pathLength", "xxx"}, {"coreFactor", ""},
          {"permeability", "xxx"}}},
        {"Da equal to Di", {"20", "1.96", "7.7", "7.7", "4.83", ""}, kMetric,
         {{"crossSection", "xxx"}, {"pathLength", "xxx"}, {"coreFactor", ""}, {"permeability", "xxx"}}},
        {"no dimensions", {"20", "1.96", "", "", "", ""}, kMetric, {{"al", " 4.90"}, {"crossSection", "xxx"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Seen seen = See(RecomputeAlPermeability(c.in, c.settings));
        ASSERT_FALSE(seen.error);
        ExpectTexts(seen, c.expected);
    }
}

TEST(AlPermeability, FailureKeepsAl) {
    const Seen badDimension = See(RecomputeAlPermeability({"10", "2.5", "12.7", "7,15", "4.9", "0"}, kMetric));
    ExpectConversionError(badDimension, "7,15");
    EXPECT_EQ(badDimension.set(), std::vector<std::string_view>{"al"});
    // A bad turns text shows nothing.
    const Seen badTurns = See(RecomputeAlPermeability({"1 0", "2.5", "12.7", "7.15", "4.9", "0"}, kMetric));
    ExpectConversionError(badTurns, "1 0");
    EXPECT_TRUE(badTurns.set().empty());
}

} // namespace
} // namespace torvex
