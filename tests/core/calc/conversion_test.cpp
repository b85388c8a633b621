#include "calc/conversion.h"

#include <algorithm>

#include "calc_test_support.h"
#include "format/wire_gauge.h"

namespace torvex {
namespace {

using namespace calctest;

TEST(MetricConversion, Lengths) {
    struct Case {
        Outcome outcome;
        std::string_view numberLabel, unitLabel;
        const char* number;
        const char* unit;
    };
    const Case cases[] = {
        {RecomputeImperialToMetric("1", 2, kMetric), "Label1", "Label6", "91.44", "cm"},
        {RecomputeImperialToMetric("1", 0, kMetric), "Label1", "Label6", "2.54", "cm"},
        {RecomputeImperialToMetric("1", 1, kMetric), "Label1", "Label6", "30.48", "cm"},
        {RecomputeImperialToMetric("1000", 2, kMetric), "Label1", "Label6", "914.400", "m"},
        {RecomputeImperialToMetric("0,5", 0, kMetricComma), "Label1", "Label6", "1.27", "cm"},
        {RecomputeImperialToMetric("", 0, kMetric), "Label1", "Label6", "0.000", "m"},
        {RecomputeMetricToImperial("100", 0, kMetric), "Label2", "Label5", "3.937", " in"},
        {RecomputeMetricToImperial("1", 2, kMetric), "Label2", "Label5", "1.094", " yd"},
        {RecomputeMetricToImperial("5", 1, kMetric), "Label2", "Label5", "1.969", " in"},
        {RecomputeMetricToImperial("30,48", 1, kMetricComma), "Label2", "Label5", "1.000", " ft"},
        {RecomputeMetricToImperial("-5", 1, kMetric), "Label2", "Label5", "-1.969", " in"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        ASSERT_TRUE(c.outcome.ok());
        EXPECT_EQ(c.outcome.text(c.numberLabel), c.number);
        EXPECT_EQ(c.outcome.text(c.unitLabel), c.unit);
    }
    const Outcome bad = RecomputeMetricToImperial("1.5", 0, kMetricComma);
    ExpectConversionError(bad, "1.5");
    EXPECT_TRUE(bad.writes.empty());
}

TEST(MetricConversion, GaugeDiameters) {
    struct Case {
        std::string_view gauge;
        const char* mm;
        const char* inches;
    };
    const Case cases[] = {
        {"20", "0.812", "0.031959 in"},
        {"0", "8.253", "0.324907 in"},
        {"0000", "11.686", "0.460079 in"},
        {"40", "0.080", "0.003144 in"},
    };
    for (const Case& c : cases) {
        const int index = static_cast<int>(std::find(AwgNames.begin(), AwgNames.end(), c.gauge) - AwgNames.begin());
        const Outcome o = RecomputeGaugeDiameter(index);
        EXPECT_EQ(TextTargets(o), (std::vector<std::string_view>{"Label3", "Label13"})) << c.gauge;
        EXPECT_EQ(o.text("Label3"), c.mm) << c.gauge;
        EXPECT_EQ(o.text("Label13"), c.inches) << c.gauge;
    }
    EXPECT_TRUE(RecomputeGaugeDiameter(-1).writes.empty());
}

TEST(MetricConversion, Fahrenheit) {
    const std::pair<const char*, const char*> cases[] = {
        {"212", "100.0"}, {"32", "0.0"}, {"-40", "-40.0"}, {"-", "-17.8"}, {"", "-17.8"}, {"98.6", "37.0"},
    };
    for (const auto& [fahrenheit, celsius] : cases)
        EXPECT_EQ(RecomputeFahrenheit(fahrenheit, kMetric).text("Label4"), celsius) << fahrenheit;
    EXPECT_EQ(RecomputeFahrenheit("98,6", kMetricComma).text("Label4"), "37.0");
    ExpectConversionError(RecomputeFahrenheit("-4-", kMetric), "-4-");
}

} // namespace
} // namespace torvex
