#include "calc/unknown_core.h"

#include <algorithm>

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

// 10 µH at 7 MHz on a core of 12.7 x 7.7 x 4.83 mm.
UnknownCoreInputs Core(std::string al, int alUnit) {
    return {std::move(al), alUnit, "10", 1, "12.7", "7.7", "4.83", "7", 2, ""};
}

// The same inputs typed in a locale with the decimal comma.
UnknownCoreInputs WithComma(UnknownCoreInputs in) {
    for (std::string* text : {&in.al, &in.da, &in.di, &in.h})
        std::replace(text->begin(), text->end(), '.', ',');
    return in;
}

TEST(UnknownCore, AlUnits) {
    // The same AL in each of the four units: 20 turns for 10 µH.
    const std::pair<const char*, int> cases[] = {{"25", 0}, {"250", 1}, {"25000", 2}, {"25", 3}};
    for (const auto& [al, unit] : cases) {
        SCOPED_TRACE(unit);
        EXPECT_EQ(RecomputeUnknownCore(Core(al, unit), kMetric).text("Label49"), " 20");
    }
}

TEST(UnknownCore, Results) {
    struct Case {
        const char* name;
        UnknownCoreInputs in;
        Environment env;
        Texts expected;
    };
    UnknownCoreInputs withTurns = Core("4.9", 0);
    withTurns.turns = "20";
    const Case cases[] = {
        {"worked example", withTurns, kMetric,
         {{"Label49", " 45"}, {"Label31", "0.54"}, {"Label43", " 66"}, {"Label233", "439.823"}, {"Label235", ""},
          {"Label50", "1.960"}, {"Label53", "µH"}, {"Label236", "86.205"}, {"Label239", ""}}},
        {"worked example in US units", withTurns, kUs,
         {{"Label49", " 45"}, {"Label31", "24"}, {"Label43", "2.173"}, {"Label167", " ft"}}},
        // Without AL the wanted inductance is kept, so XL is still shown.
        {"no AL", Core("", 0), kMetric,
         {{"Label49", "xxx"}, {"Label31", "0.00"}, {"Label43", "  0"}, {"Label233", "439.823"},
          {"Label50", "0.000"}, {"Label236", "0.000"}}},
        {"no AL in US units", Core("0", 0), kUs, {{"Label49", "xxx"}, {"Label31", "xxx"}}},
        {"decimal comma", WithComma(withTurns), kMetricComma, {{"Label49", " 45"}, {"Label31", "0.54"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = RecomputeUnknownCore(c.in, c.env);
        ASSERT_TRUE(o.ok()) << o.error->message();
        ExpectTexts(o, c.expected);
        // Nothing is ever disabled or shown on this page.
        for (const Write& w : o.writes) EXPECT_EQ(w.property, Property::Text) << w.target;
    }
    // The length unit is written in US units only.
    EXPECT_FALSE(RecomputeUnknownCore(withTurns, kMetric).text("Label167"));
}

TEST(UnknownCore, CutAtAnError) {
    UnknownCoreInputs badDimension = Core("4.9", 0);
    badDimension.di = "7..7";
    const Outcome cut = RecomputeUnknownCore(badDimension, kMetric);
    ExpectConversionError(cut, "7..7");
    EXPECT_EQ(TextTargets(cut), std::vector<std::string_view>{"Label49"});

    // A negative AL under a positive inductance fails before the turns.
    const Outcome negative = RecomputeUnknownCore(Core("-4.9", 0), kMetric);
    ExpectFloatingPointError(negative);
    EXPECT_TRUE(negative.writes.empty());
}

TEST(UnknownCore, TakeOverAlText) {
    struct Case {
        const char* tool;
        const char* separator;
        const char* field;
    };
    const Case cases[] = {
        {"25.00", ",", "25,00"}, {"25.00", ".", "25.00"}, {" 2.50", ",", " 2,50"},
        {"xxx", ",", ""},        {"", ".", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(TakeOverAlText(c.tool, c.separator), c.field) << c.tool;
    // The taken-over text reads back as the same AL, leading blank included.
    const UnknownCoreInputs in = WithComma(Core(TakeOverAlText("25.00", ","), 0));
    EXPECT_EQ(RecomputeUnknownCore(in, kMetricComma).text("Label49"), " 20");
}

} // namespace
} // namespace torvex
