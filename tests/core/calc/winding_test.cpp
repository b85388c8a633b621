#include "calc/winding.h"

#include <cmath>
#include <tuple>

#include "calc_test_support.h"

namespace torvex {
namespace {

using namespace calctest;

// The winding worked example's core, T50 in mix 2: AL 4.9 nH/N², Da 12.7,
// Di 7.7, h 4.83 mm.
WindingResult OnT50(const WindingFields& fields, const Settings& settings = kMetric) {
    return CalculateWinding(12.7L, 7.7L, 4.83L, 4.9L, fields, settings);
}

double D(long double x) { return static_cast<double>(x); }

TEST(CalculateWinding, WorkedExampleKeepsTurnsUnrounded) {
    // 10 µH at 7 MHz, 20 turns.
    const WindingResult r = OnT50({"10", 1, "7", 2, "20"});
    EXPECT_TRUE(r.available);
    EXPECT_NEAR(D(r.N), 45.175, 5e-4); // shown "45.2"
    // The wire length uses 45.175 turns, not 45.2: (2·4.83 + 5.0) · N · 0.1.
    EXPECT_NEAR(D(r.len), 14.66 * D(r.N) * 0.1, 1e-9);
    EXPECT_NEAR(D(r.XL), 439.823, 5e-4);
    EXPECT_NEAR(D(r.L2), 1.96e-6, 1e-15);
    // µH to mH: the same number is 1000 times the inductance, √1000 the turns.
    EXPECT_NEAR(D(OnT50({"10", 2, "", 1, ""}).N / r.N), std::sqrt(1000.0), 1e-12);
}

TEST(CalculateWinding, ReadsFieldsWithTheLocaleSeparator) {
    const std::tuple<const char*, Settings, long double> cases[] = {
        // turns, settings, L2 = A · n²
        {"2.5", kMetric, 6.25L * 4.9e-9L},
        {"2,5", kMetricComma, 6.25L * 4.9e-9L},
        {",", kMetricComma, 0},           // a lone separator reads 0
        {" 12 ", kMetric, 144 * 4.9e-9L}, // blanks around the number
        {"-3", kMetric, 9 * 4.9e-9L},     // neither rounded nor clamped
    };
    for (const auto& [turns, settings, l2] : cases)
        EXPECT_NEAR(D(OnT50({"", 1, "", 1, turns}, settings).L2), D(l2), 1e-18) << turns;
    EXPECT_NEAR(D(OnT50({"0,5", 1, "", 1, ""}, kMetricComma).L), 0.5e-6, 1e-18);
}

TEST(CalculateWinding, CoreNotMadeGivesZeroResults) {
    const WindingResult r = CalculateWinding(3.18L, 1.57L, 1.27L, 0, {"10", 1, "7", 2, "20"}, kMetric);
    EXPECT_FALSE(r.available);
    // L is set to 0, so XL is 0 too.
    for (long double x : {r.L, r.N, r.D, r.len, r.XL, r.L2, r.XL2})
        EXPECT_EQ(x, 0);
}

TEST(CalculateWinding, NegativeInputs) {
    // A negative frequency or turn count raises nothing.
    const WindingResult r = OnT50({"10", 1, "-7", 2, "-20"});
    EXPECT_LT(r.XL, 0);
    EXPECT_GT(r.L2, 0);
    EXPECT_LT(r.XL2, 0);
}

TEST(CalculateWinding, Errors) {
    // The root of a negative inductance is a floating-point fault; the other
    // texts are not numbers with the decimal comma.
    // clang-format off
    const std::pair<const char*, CalcError::Kind> cases[] = {
        {"-10", CalcError::Kind::FloatingPoint}, {"1,,5", CalcError::Kind::Conversion},
        {"-", CalcError::Kind::Conversion},      {"abc", CalcError::Kind::Conversion},
        {"1.5", CalcError::Kind::Conversion},
    };
    // clang-format on
    for (const auto& [text, kind] : cases) {
        try {
            OnT50({text, 1, "", 1, ""}, kMetricComma);
            ADD_FAILURE() << text << ": no error";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), kind) << text;
            if (kind == CalcError::Kind::Conversion) {
                EXPECT_EQ(e.message(), std::string("'") + text + "' ist kein gültiger Fließkommawert");
            }
        }
    }
}

} // namespace
} // namespace torvex
