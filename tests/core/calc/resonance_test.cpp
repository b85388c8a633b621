#include "calc/resonance.h"

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

using RowFn = Outcome (*)(const ResonanceRowInputs&, const Environment&);

struct RowCase {
    const char* name;
    RowFn row;
    ResonanceRowInputs in;
    Environment env;
    std::string_view numberLabel, unitLabel;
    const char* number;
    const char* unit; // "" when the unit label keeps its text
};

TEST(ResonantCircuit, Rows) {
    const RowCase cases[] = {
        {"1 µH, 100 pF", RecomputeResonantFrequency, {"1", 1, "100", 0}, kMetric, "Label1", "Label2", "15.915", "MHz"},
        {"1 nH, 1 pF", RecomputeResonantFrequency, {"1", 0, "1", 0}, kMetric, "Label1", "Label2", "5.033", "GHz"},
        {"1 µH, 0,1 nF", RecomputeResonantFrequency, {"1", 1, "0,1", 1}, kMetricComma, "Label1", "Label2", "15.915",
         "MHz"},
        {"10 µH at 7 MHz", RecomputeResonantCapacitance, {"10", 1, "7", 2}, kMetric, "Label3", "Label4", "51.694",
         "pF"},
        {"100 pF at 3.5 MHz", RecomputeResonantInductance, {"100", 0, "3.5", 2}, kMetric, "Label5", "Label6", "20.678",
         "µH"},
        {"100 nF at 3.5 MHz", RecomputeResonantInductance, {"100", 1, "3.5", 2}, kMetric, "Label5", "Label6", "20.678",
         "nH"},
        {"negative capacitance", RecomputeResonantInductance, {"-100", 0, "3.5", 2}, kMetric, "Label5", "Label6",
         "-20677792.580", "pH"},
        {"empty frequency", RecomputeResonantCapacitance, {"10", 1, "", 2}, kMetric, "Label3", "Label4", "xxx", ""},
        {"zero inductance", RecomputeResonantFrequency, {"0", 1, "100", 0}, kMetric, "Label1", "Label2", "xxx", ""},
        {"negative zero", RecomputeResonantFrequency, {"-0", 1, "100", 0}, kMetric, "Label1", "Label2", "xxx", ""},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = c.row(c.in, c.env);
        ASSERT_TRUE(o.ok());
        EXPECT_EQ(o.text(c.numberLabel), c.number);
        EXPECT_EQ(o.text(c.unitLabel).value_or(""), c.unit);
    }
}

TEST(ResonantCircuit, Failures) {
    // A negative L·C has no root.
    const Outcome negative = RecomputeResonantFrequency({"-1", 1, "100", 0}, kMetric);
    ExpectFloatingPointError(negative);
    EXPECT_TRUE(negative.writes.empty());
    const Outcome bad = RecomputeResonantCapacitance({"10", 1, "7.0", 2}, kMetricComma);
    ExpectConversionError(bad, "7.0");
    EXPECT_TRUE(bad.writes.empty());
}

} // namespace
} // namespace torvex
