#include "format/number_format.h"

#include <array>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/number_reader.h"

namespace torvex {
namespace {

struct FixedCase {
    long double x;
    int width;
    int decimals;
    const char* expected;
};

TEST(FormatFixedTest, RoundsHalvesAwayFromZeroOnEighteenDigits)
{
    const FixedCase cases[] = {
        // Worked examples of the winding calculation.
        {4.9L, 5, 2, " 4.90"},
        {45.175L, 3, 1, "45.2"},
        {66.23L, 3, 0, " 66"},
        {0.0L, 3, 1, "0.0"},
        {12.7L, 4, 2, "12.70"},
        // Halves go away from zero, decided on the 18-digit text, not on the
        // binary value (1.0005L lies a little below 1.0005).
        {0.0625L, 0, 3, "0.063"},
        {0.125L, 3, 2, "0.13"},
        {2.5L, 3, 0, "  3"},
        {-2.5L, 0, 0, "-3"},
        {-0.0625L, 0, 3, "-0.063"},
        {1.0005L, 0, 3, "1.001"},
        {0.0005L, 0, 3, "0.001"},
        {0.00045L, 0, 3, "0.000"},
        {0.4L, 0, 0, "0"},
        {0.5L, 0, 0, "1"},
        // Carries that add an integer digit.
        {999.9996L, 0, 3, "1000.000"},
        {9.9995L, 0, 3, "10.000"},
        {0.96L, 0, 1, "1.0"},
        // Zero of either sign has no "-"; a negative value rounding to zero keeps it.
        {-0.0L, 0, 3, "0.000"},
        {-0.0001L, 0, 3, "-0.000"},
        {-0.4L, 0, 0, "-0"},
        {-1e-30L, 5, 1, " -0.0"},
        {1e-4950L, 0, 3, "0.000"},
        // Never cut; a width below the length changes nothing.
        {123456.789L, 3, 2, "123456.79"},
        {5e15L, 0, 3, "5000000000000000.000"},
        {1e30L, 0, 0, "1000000000000000000000000000000"},
        // Beyond 18 digits come zeros, not the binary tail.
        {0.1L, 0, 25, "0.1000000000000000000000000"},
        {1.0L / 3.0L, 0, 20, "0.33333333333333333300"},
        {123456789012345678901.0L, 0, 1, "123456789012345679000.0"},
        // A negative decimal count is taken as none.
        {2.5L, 0, -2, "3"},
    };
    for (const FixedCase& c : cases) {
        EXPECT_EQ(FormatFixed(c.x, c.width, c.decimals), c.expected)
            << "x=" << static_cast<double>(c.x) << " " << c.width << ":" << c.decimals;
    }
}

TEST(FormatFixedTest, WritesTheLargestValueInFull)
{
    const std::string text = FormatFixed(LDBL_MAX, 0, 3);
    ASSERT_EQ(text.size(), 4933u + 4u); // 1.18973e4932 has 4933 integer digits
    EXPECT_EQ(text.substr(0, 18), "118973149535723177");
    EXPECT_EQ(text.substr(18, 4915), std::string(4915, '0'));
    EXPECT_EQ(text.substr(4933), ".000");
    EXPECT_EQ(FormatFixed(-LDBL_MAX, 0, 0).size(), 4934u);
}

TEST(FormatFixedTest, NonFiniteValuesGiveAFixedText)
{
    EXPECT_EQ(FormatFixed(LDBL_MAX * 2.0L, 0, 3), "INF");
    EXPECT_EQ(FormatFixed(-LDBL_MAX * 2.0L, 5, 3), " -INF");
    EXPECT_EQ(FormatFixed(__builtin_nanl(""), 0, 3), "NAN");
}

struct ScaledCase {
    long double x;
    const char* number;
    const char* unitH; // ScalePrefix("H", x)
    long double factor;
};

TEST(FormatScaledTest, PicksTheRowOnTheUnroundedValue)
{
    const ScaledCase cases[] = {
        {5e15L, "5000.000", "TH", 1e-12L},
        {1e12L, "1.000", "TH", 1e-12L},
        {999.999e9L, "999.999", "GH", 1e-9L},
        {1e9L, "1.000", "GH", 1e-9L},
        {1e6L, "1.000", "MH", 1e-6L},
        {1000.0L, "1.000", "kH", 1e-3L},
        {999.9996L, "1000.000", "H", 1.0L},
        {1.0L, "1.000", "H", 1.0L},
        {439.8229715025710533L, "439.823", "H", 1.0L},
        {0.001L, "1.000", "mH", 1e3L},
        {2.2e-6L, "2.200", "µH", 1e6L},
        {1.96e-6L, "1.960", "µH", 1e6L},
        {1e-9L, "1.000", "nH", 1e9L},
        {3.3e-12L, "3.300", "pH", 1e12L},
        {0.0L, "0.000", "H", 1e12L},
        {-0.0L, "0.000", "H", 1e12L},
        {-2.5L, "-2500000000000.000", "pH", 1e12L},
    };
    for (const ScaledCase& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(FormatScaled(c.x), c.number);
        EXPECT_EQ(ScalePrefix("H", c.x), c.unitH);
        EXPECT_EQ(ScaleFactor(c.x), c.factor);
    }
}

TEST(FormatScaledTest, PrefixDropsOnlyTheExactUnitOhm)
{
    EXPECT_EQ(ScalePrefix("Ohm", 4700.0L), "k");
    EXPECT_EQ(ScalePrefix("ohm", 4700.0L), "kohm");
    EXPECT_EQ(ScalePrefix("", 4700.0L), "k");
    EXPECT_EQ(ScalePrefix("Ohm", 50.0L), "");
    EXPECT_EQ(ScalePrefix("Ohm", 0.0L), "");
    EXPECT_EQ(ScalePrefix("F", 0.0L), "F");
}

struct LengthCase {
    long double metres;
    const char* number;
    const char* unit;
};

TEST(FormatLengthScaledTest, ScalesWithoutMicrometres)
{
    const LengthCase cases[] = {
        {2e12L, "2.000", "Tm"},   {1e9L, "1.000", "Gm"},    {1e6L, "1.000", "Mm"},
        {1500.0L, "1.500", "km"}, {1.0L, "1.000", "m"},     {0.999L, "99.90", "cm"},
        {0.25L, "25.00", "cm"},   {0.01L, "1.00", "cm"},    {0.005L, "5.000", "mm"},
        {0.0005L, "0.500", "mm"}, {5e-6L, "0.005", "mm"},   {1e-6L, "0.001", "mm"},
        {3e-9L, "3.000", "nm"},   {1e-10L, "100.000", "pm"}, {0.0L, "0.000", "m"},
        {-1.0L, "-1000000000000.000", "pm"},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(FormatLengthScaled(c.metres), c.number);
        EXPECT_EQ(LengthPrefix(c.metres), c.unit);
    }
    EXPECT_EQ(LengthScaleFactor(0.25L), 100.0L);
}

TEST(FormatImperialLengthTest, InchesFeetYards)
{
    const LengthCase cases[] = {
        {100.0L, "3.937", " in"},  {25.4L, "1.000", " in"},  {304.7L, "11.996", " in"},
        {304.8L, "1.000", " ft"},  {500.0L, "1.640", " ft"}, {914.4L, "1.000", " yd"},
        {1000.0L, "1.094", " yd"}, {0.0L, "0.000", " in"},   {-25.4L, "-1.000", " in"},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(FormatImperialLength(c.metres), c.number);
        EXPECT_EQ(ImperialLengthUnit(c.metres), c.unit);
    }
}

// The GUI sets LC_ALL from the environment; neither writing nor reading may
// follow a locale whose decimal mark is ",".
TEST(LocaleIndependenceTest, GermanLocaleChangesNothing)
{
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            german = name;
            break;
        }
    }
    if (german == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    const std::string fixed = FormatFixed(1234.5L, 0, 2);
    const std::string scaled = FormatScaled(2.2e-6L);
    const auto comma = ParseNumber("1,5", ",");
    const auto point = ParseNumber("1.5", ".");
    const auto wrong = ParseNumber("1.5", ",");
    std::setlocale(LC_ALL, "C");

    EXPECT_EQ(fixed, "1234.50");
    EXPECT_EQ(scaled, "2.200");
    EXPECT_EQ(comma, 1.5L);
    EXPECT_EQ(point, 1.5L);
    EXPECT_FALSE(wrong.has_value());
}

} // namespace
} // namespace torvex

// The digits of FormatFixed come from an exact integer path for the values
// labels usually show and from the library's conversion for the rest. At 18
// significant digits both must agree with printf's exact rounding, ties and
// decade boundaries included.
TEST(FormatFixedTest, EighteenDigitsAgreeWithPrintf)
{
    const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    const locale_t previous = uselocale(c);
    auto reference = [](long double x, int decimals) {
        std::array<char, 128> buffer{};
        std::snprintf(buffer.data(), buffer.size(), "%.*Lf", decimals, x);
        return std::string(buffer.data());
    };
    auto decimalsFor18Digits = [](long double x) {
        int exponent = static_cast<int>(std::floor(std::log10(x)));
        // log10 may be off by one next to a power of ten.
        if (std::pow(10.0L, exponent) > x)
            --exponent;
        else if (std::pow(10.0L, exponent + 1) <= x)
            ++exponent;
        return 17 - exponent;
    };

    std::vector<long double> values{1.0L, 2.5L, 0.125L, 1.0005L, 9.99999999999999999999L, 99999999999999999.5L,
                                    1e-10L, 1e17L, 123456789012345678.0L, 0.1L, 1.0L / 3.0L};
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> exponent(-12.0, 19.0);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int i = 0; i < 200000; ++i)
        values.push_back(static_cast<long double>(mantissa(random)) * std::pow(10.0L, std::floor(exponent(random))) *
                         (1.0L + static_cast<long double>(random() % 1000) * 1e-19L));
    // Exact ties at the 18th digit: n + 0.5 for 17-digit n.
    for (int i = 0; i < 2000; ++i)
        values.push_back(static_cast<long double>(10000000000000000ULL + random() % 80000000000000000ULL) + 0.5L);

    int mismatches = 0;
    for (long double x : values) {
        const int decimals = decimalsFor18Digits(x);
        if (decimals < 0)
            continue;
        const std::string expected = reference(x, decimals);
        const std::string actual = torvex::FormatFixed(x, 0, decimals);
        if (actual != expected && ++mismatches <= 5)
            ADD_FAILURE() << "x = " << reference(x, 25) << ": " << actual << " instead of " << expected;
    }
    EXPECT_EQ(mismatches, 0);
    uselocale(previous);
    freelocale(c);
}
