#include "calc/air_coil.h"

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

TEST(Nagaoka, BranchesMeetAtOne) {
    EXPECT_NEAR(static_cast<double>(NagaokaCoefficient(1.0L)), 0.688424, 5e-7);
    EXPECT_NEAR(static_cast<double>(NagaokaCoefficient(1.0L + 1e-15L)), 0.68842, 5e-6);
    // A long coil tends to 1, a short one to 0.
    EXPECT_GT(NagaokaCoefficient(0.01L), 0.99L);
    EXPECT_LT(NagaokaCoefficient(100.0L), 0.1L);
}

TEST(CylinderCoil, InductanceFromTurns) {
    struct Case {
        CoilInductanceInputs in;
        Environment env;
        const char* number;
        const char* unit; // nullopt-like "" means not written
    };
    const Case cases[] = {
        {{"10", "10", "10"}, kMetric, "679.448", "nH"},
        {{"10", "10", "20"}, kMetric, "403.734", "nH"},
        {{"10", "20", "10"}, kMetric, "2.075", "µH"}, // short-coil branch
        {{"10", "0.5", "1"}, kUs, "512.742", "nH"},
        {{"10", "10,0", "20,0"}, kMetricComma, "403.734", "nH"},
        {{"", "10", "10"}, kMetric, "0.000", "H"},
        {{"10", "-10", "10"}, kMetric, "1.517", "µH"}, // a negative diameter gives a number
        {{"10", "", "10"}, kMetric, "xxx", ""},
        {{"10", "10", "0"}, kMetric, "xxx", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.in.turns) + "/" + c.in.diameter + "/" + c.in.length);
        const Outcome o = RecomputeCoilInductance(c.in, c.env);
        ASSERT_TRUE(o.ok());
        EXPECT_EQ(o.text("Label57"), c.number);
        EXPECT_EQ(o.text("Label62").value_or(""), c.unit);
    }
    ExpectConversionError(RecomputeCoilInductance({"10", "1x", "10"}, kMetric), "1x");
    EXPECT_TRUE(RecomputeCoilInductance({"10", "1x", "10"}, kMetric).writes.empty());
}

TEST(CylinderCoil, TurnsFromInductance) {
    struct Case {
        const char* name;
        CoilTurnsInputs in;
        Environment env;
        Texts expected;
    };
    const Case cases[] = {
        {"1 µH on 10 x 20 mm", {"1", 1, "10", "20"}, kMetric,
         {{"Label104", " 15.7"}, {"Label52", "49.44"}, {"Label55", "cm"}, {"Label178", "1.271"}, {"Label179", "mm"}}},
        {"1 µH on 0.5 x 1 in", {"1", 1, "0.5", "1"}, kUs,
         {{"Label104", " 14.0"}, {"Label52", "1.828"}, {"Label55", " ft"}, {"Label178", "14"}, {"Label179", " AWG"}}},
        {"1000 nH with comma", {"1000", 0, "10,0", "20"}, kMetricComma, {{"Label104", " 15.7"}}},
        {"no inductance", {"", 1, "10", "20"}, kMetric,
         {{"Label104", "  0.0"}, {"Label52", "0.000"}, {"Label55", "m"}, {"Label178", "xxx"}}},
        {"no inductance in US units", {"0", 1, "0.5", "1"}, kUs,
         {{"Label104", "  0.0"}, {"Label52", "0.000"}, {"Label55", " in"}, {"Label178", "xxx"}}},
        {"no diameter", {"1", 1, "", "20"}, kMetric, {{"Label104", "xxx"}, {"Label52", ""}, {"Label178", ""}}},
        {"no length", {"1", 1, "10", "0"}, kMetric, {{"Label104", "xxx"}, {"Label52", ""}, {"Label178", ""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = RecomputeCoilTurns(c.in, c.env);
        ASSERT_TRUE(o.ok());
        ExpectTexts(o, c.expected);
    }
    // Unit labels first, the three results together at the end; with no
    // turns the diameter's unit keeps its text.
    using V = std::vector<std::string_view>;
    EXPECT_EQ(TextTargets(RecomputeCoilTurns({"1", 1, "10", "20"}, kMetric)),
              (V{"Label55", "Label179", "Label104", "Label52", "Label178"}));
    EXPECT_EQ(TextTargets(RecomputeCoilTurns({"0", 1, "10", "20"}, kMetric)),
              (V{"Label55", "Label104", "Label52", "Label178"}));
    EXPECT_EQ(TextTargets(RecomputeCoilTurns({"1", 1, "0", "20"}, kMetric)), (V{"Label104", "Label52", "Label178"}));

    const Outcome negative = RecomputeCoilTurns({"-1", 1, "10", "20"}, kMetric);
    ExpectFloatingPointError(negative);
    EXPECT_TRUE(negative.writes.empty());
    ExpectConversionError(RecomputeCoilTurns({"1", 1, "10", "2.0.0"}, kMetric), "2.0.0");
}

} // namespace
} // namespace torvex
