#include "calc/copper_resistance.h"

#include "calc_test_support.h"
#include "format/wire_gauge.h"

namespace torvex {
namespace {

using namespace calctest;

CopperResistanceInputs Metric(std::string length, std::string diameter, std::string celsius) {
    return {std::move(length), 0, std::move(diameter), -1, std::move(celsius)};
}

TEST(CopperResistance, Results) {
    struct Case {
        const char* name;
        CopperResistanceInputs in;
        Environment env;
        const char* number;
        const char* prefix;  // nullptr: not written
        const char* warning;
    };
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = RecomputeCopperResistance(c.in, c.env);
        ASSERT_TRUE(o.ok());
        EXPECT_EQ(o.text("Label12"), c.warning);
        EXPECT_EQ(o.text("Label3"), c.number);
        if (c.prefix) {
            EXPECT_EQ(o.text("Label9"), c.prefix);
            // The prefix label shows only when there is a prefix; that also
            // places the ohm sign.
            EXPECT_EQ(o.value("Label9", Property::Visible), std::string_view(c.prefix).empty() ? 0 : 1);
        } else {
            EXPECT_FALSE(o.text("Label9"));
            EXPECT_FALSE(o.value("Label9", Property::Visible));
        }
    }
}

// Every input is read before the first label is written.
TEST(CopperResistance, BadTextWritesNothing) {
    struct Case {
        CopperResistanceInputs in;
        Environment env;
        const char* bad;
    };
    const Case cases[] = {
        {Metric("1", "1", "20.5"), kMetricComma, "20.5"}, // the temperature field has no key filter
        {Metric("1m", "1", "20"), kMetric, "1m"},
        {Metric("1", "1,0", "20"), kMetric, "1,0"},
        {Metric("1", "1", "--"), kMetric, "--"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bad);
        const Outcome o = RecomputeCopperResistance(c.in, c.env);
        ExpectConversionError(o, c.bad);
        EXPECT_TRUE(o.writes.empty());
    }
}

} // namespace
} // namespace torvex
