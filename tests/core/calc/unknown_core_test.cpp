// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/unknown_core.h"

#include <algorithm>
#include <tuple>

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

// 10 µH at 7 MHz on a core of 12.7 x 7.7 x 4.83 mm (the T50 of the winding
// worked example, AL 4.9 nH/N²).
UnknownCoreInputs Core(std::string al, int alUnit, std::string turns = "") {
    return {std::move(al), alUnit, "10", 1, "12.7", "7.7", "4.83", "7", 2, std::move(turns)};
}

// The same inputs typed in a locale with the decimal comma.
UnknownCoreInputs WithComma(UnknownCoreInputs in) {
    for (std::string* text : {&in.al, &in.da, &in.di, &in.h})
        std::replace(text->begin(), text->end(), '.', ',');
    return in;
}

struct Case {
    const char* name;
    UnknownCoreInputs in;
    Settings settings;
    Texts expected;
};

TEST(UnknownCore, Results) {
    // clang-format off
    const Case cases[] = {
        // The same AL in each of the four units: 20 turns for 10 µH.
        {"AL in nH/N²", Core("25", 0), kMetric, {{"turns", " 20"}}},
        {"AL in µH/(100 N)²", Core("250", 1), kMetric, {{"turns", " 20"}}},
        {"AL in µH/(1000 N)²", Core("25000", 2), kMetric, {{"turns", " 20"}}},
        {"AL in mH/(1000 N)²", Core("25", 3), kMetric, {{"turns", " 20"}}},
        // The winding worked example: the turns as a whole number, no made state.
        {"worked example", Core("4.9", 0, "20"), kMetric,
         {{"turns", " 45"}, {"wireDiameter", "0.50"}, {"wireLengthUnit", "<not set>"}, {"reactance", "439.823"}}},
        {"worked example in US units", Core("4.9", 0, "20"), kUs,
         {{"turns", " 45"}, {"wireDiameter", "25"}, {"wireLength", "2.173"}, {"wireLengthUnit", " ft"}}},
        // Without AL the wanted inductance is kept, so XL is still shown.
        {"no AL", Core("", 0), kMetric,
         {{"turns", "xxx"}, {"wireDiameter", "0.00"}, {"wireLength", "  0"}, {"reactance", "439.823"},
          {"inductanceOfTurns", "0.000"}, {"reactanceOfTurns", "0.000"}}},
        {"no AL in US units", Core("0", 0), kUs, {{"turns", "xxx"}, {"wireDiameter", "xxx"}}},
        {"decimal comma", WithComma(Core("4.9", 0, "20")), kMetricComma, {{"turns", " 45"}, {"wireDiameter", "0.50"}}},
        // The AL taken over from the AL-and-µi window reads back as the same AL,
        // its leading blank included.
        {"taken-over AL", WithComma(Core(ShownAlAsEntryText("25.00", ","), 0)), kMetricComma, {{"turns", " 20"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Seen seen = See(RecomputeUnknownCore(c.in, c.settings));
        ASSERT_FALSE(seen.error) << seen.error->message();
        ExpectTexts(seen, c.expected);
    }
}

TEST(UnknownCore, FailureKeepsTheTurns) {
    UnknownCoreInputs badDimension = Core("4.9", 0);
    badDimension.di = "7..7";
    const Seen cut = See(RecomputeUnknownCore(badDimension, kMetric));
    ExpectConversionError(cut, "7..7");
    EXPECT_EQ(cut.set(), std::vector<std::string_view>{"turns"});

    // A negative AL under a positive inductance fails before the turns.
    const Seen negative = See(RecomputeUnknownCore(Core("-4.9", 0), kMetric));
    ExpectFloatingPointError(negative);
    EXPECT_TRUE(negative.set().empty());
}

TEST(ShownAlAsEntryText, FollowsTheLocaleSeparator) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"25.00", ",", "25,00"}, {"25.00", ".", "25.00"}, {" 2.50", ",", " 2,50"}, {"xxx", ",", ""}, {"", ".", ""},
    };
    for (const auto& [shownAl, separator, entry] : cases)
        EXPECT_EQ(ShownAlAsEntryText(shownAl, separator), entry) << shownAl;
}

} // namespace
} // namespace torvex
