#include "calc/winding.h"

#include <cmath>

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

// The T50 core in mix 2: AL 4.9 nH/N², Da 12.7, Di 7.7, h 4.83 mm.
WindingResult OnT50(const WindingFields& fields, const Environment& env = kMetric) {
    return CalculateWinding(12.7L, 7.7L, 4.83L, 4.9L, fields, env);
}

TEST(CalculateWinding, WorkedExampleKeepsTurnsUnrounded) {
    // 10 µH at 7 MHz, 20 turns.
    const WindingResult r = OnT50({"10", 1, "7", 2, "20"});
    EXPECT_TRUE(r.available);
    EXPECT_NEAR(static_cast<double>(r.N), 45.175, 5e-4); // shown "45.2"
    // The wire length uses 45.175 turns, not 45.2: (2·4.83 + 5.0) · N · 0.1.
    EXPECT_NEAR(static_cast<double>(r.len), 14.66 * static_cast<double>(r.N) * 0.1, 1e-9);
    EXPECT_NEAR(static_cast<double>(r.XL), 439.823, 5e-4);
    EXPECT_NEAR(static_cast<double>(r.L2), 1.96e-6, 1e-15);
}

TEST(CalculateWinding, ReadsFieldsWithTheLocaleSeparator) {
    struct Case {
        const char* turns;
        Environment env;
        long double expectedL2; // A · n²
    };
    const Case cases[] = {
        {"2.5", kMetric, 6.25L * 4.9e-9L},
        {"2,5", kMetricComma, 6.25L * 4.9e-9L},
        {",", kMetricComma, 0},         // a lone separator reads 0
        {" 12 ", kMetric, 144 * 4.9e-9L}, // blanks around the number
        {"-3", kMetric, 9 * 4.9e-9L},   // neither rounded nor clamped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.turns);
        const WindingResult r = OnT50({"", 1, "", 1, c.turns}, c.env);
        EXPECT_NEAR(static_cast<double>(r.L2), static_cast<double>(c.expectedL2), 1e-18);
    }
    EXPECT_NEAR(static_cast<double>(OnT50({"0,5", 1, "", 1, ""}, kMetricComma).L), 0.5e-6, 1e-18);
}

TEST(CalculateWinding, UnitListScalesTheTypedNumber) {
    const long double micro = OnT50({"10", 1, "", 1, ""}).N;
    const long double milli = OnT50({"10", 2, "", 1, ""}).N;
    EXPECT_NEAR(static_cast<double>(milli / micro), std::sqrt(1000.0), 1e-12);
}

TEST(CalculateWinding, CoreNotMadeGivesZeroResults) {
    const WindingResult r = CalculateWinding(3.18L, 1.57L, 1.27L, 0, {"10", 1, "7", 2, "20"}, kMetric);
    EXPECT_FALSE(r.available);
    EXPECT_EQ(r.L, 0); // so XL is 0 too
    EXPECT_EQ(r.N, 0);
    EXPECT_EQ(r.D, 0);
    EXPECT_EQ(r.len, 0);
    EXPECT_EQ(r.XL, 0);
    EXPECT_EQ(r.L2, 0);
    EXPECT_EQ(r.XL2, 0);
}

TEST(CalculateWinding, NegativeInputs) {
    // A negative frequency or turn count raises nothing.
    const WindingResult r = OnT50({"10", 1, "-7", 2, "-20"});
    EXPECT_LT(r.XL, 0);
    EXPECT_GT(r.L2, 0);
    EXPECT_LT(r.XL2, 0);
    // The root of a negative inductance is a floating-point fault.
    try {
        OnT50({"-10", 1, "", 1, ""});
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.kind(), CalcError::Kind::FloatingPoint);
    }
}

TEST(CalculateWinding, TextThatIsNotANumberFails) {
    for (const char* bad : {"1,,5", "-", "abc", "1.5"}) {
        SCOPED_TRACE(bad);
        try {
            OnT50({bad, 1, "", 1, ""}, kMetricComma);
            FAIL() << "no error";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), CalcError::Kind::Conversion);
            EXPECT_EQ(e.message(), std::string("'") + bad + "' ist kein gültiger Fließkommawert");
        }
    }
}

} // namespace
} // namespace torvex
