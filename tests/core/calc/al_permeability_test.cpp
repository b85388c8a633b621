#include "calc/al_permeability.h"

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

TEST(AlPermeability, Results) {
    struct Case {
        const char* name;
        AlPermeabilityInputs in;
        Environment env;
        Texts expected;
    };
    const Case cases[] = {
        {"10 turns, 2.5 µH", {"10", "2.5", "12.7", "7.15", "4.9", "0"}, kMetric,
         {{"Label4", "25.00"}, {"Label1", "13.2"}, {"Label2", "29.5"}, {"Label3", "2.2"}, {"Label5", "44.4"}}},
        {"with 0.05 mm coating", {"10", "2.5", "12.7", "7.15", "4.9", "0.05"}, kMetric,
         {{"Label4", "25.00"}, {"Label1", "12.5"}, {"Label2", "29.6"}, {"Label3", "2.4"}, {"Label5", "47.1"}}},
        {"with comma", {"10", "2,5", "12,7", "7,15", "4,9", "0,05"}, kMetricComma,
         {{"Label4", "25.00"}, {"Label5", "47.1"}}},
        {"20 turns, 1.96 µH", {"20", "1.96", "12.7", "7.7", "4.83", ""}, kMetric,
         {{"Label4", " 4.90"}, {"Label1", "11.8"}, {"Label2", "30.7"}, {"Label3", "2.6"}, {"Label5", "10.1"}}},
        {"no turns", {"", "1.96", "12.7", "7.7", "4.83", ""}, kMetric, {{"Label4", "xxx"}, {"Label5", "0.0"}}},
        {"coating of half the height", {"20", "1.96", "12.7", "7.7", "4.8", "2.4"}, kMetric,
         {{"Label4", " 4.90"}, {"Label1", "xxx"}, {"Label2", "xxx"}, {"Label3", ""}, {"Label5", "xxx"}}},
        {"Da equal to Di", {"20", "1.96", "7.7", "7.7", "4.83", ""}, kMetric,
         {{"Label1", "xxx"}, {"Label2", "xxx"}, {"Label3", ""}, {"Label5", "xxx"}}},
        {"no dimensions", {"20", "1.96", "", "", "", ""}, kMetric, {{"Label4", " 4.90"}, {"Label1", "xxx"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = RecomputeAlPermeability(c.in, c.env);
        ASSERT_TRUE(o.ok());
        ExpectTexts(o, c.expected);
    }
}

TEST(AlPermeability, CutAtAnError) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(TextTargets(RecomputeAlPermeability({"10", "2.5", "12.7", "7.15", "4.9", "0"}, kMetric)),
              (V{"Label4", "Label1", "Label2", "Label3", "Label5"}));
    // A bad dimension leaves AL updated and nothing else.
    const Outcome badDimension = RecomputeAlPermeability({"10", "2.5", "12.7", "7,15", "4.9", "0"}, kMetric);
    ExpectConversionError(badDimension, "7,15");
    EXPECT_EQ(TextTargets(badDimension), V{"Label4"});
    // A bad turns text leaves every label unchanged.
    const Outcome badTurns = RecomputeAlPermeability({"1 0", "2.5", "12.7", "7.15", "4.9", "0"}, kMetric);
    ExpectConversionError(badTurns, "1 0");
    EXPECT_TRUE(badTurns.writes.empty());
}

} // namespace
} // namespace torvex
