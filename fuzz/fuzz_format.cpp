// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the number texts: FormatFixed, FormatScaled/ScalePrefix,
// FormatLengthScaled/LengthPrefix, FormatImperialLength/ImperialLengthUnit
// and DiameterToAwg, on finite long doubles built from the input.
//
// A value comes from raw binary parts, from decimal digits and an exponent,
// or from a value where a text changes its form (a row bound of a scaling,
// a gauge bound, a rounding half) moved by a few units in the last place.
// The checks hold each text to its promised form and to the value it stands
// for, with the rows and the gauge formula written out again here:
// - FormatFixed: optional "-" exactly for negative values, no leading zeros,
//   exactly the decimals asked for, blanks only on the left and only up to
//   the width, and within half a unit of the last decimal of the value;
// - the scalings: the row (prefix, unit text, decimals) fits the value, the
//   number is the value times the row's factor written with its decimals;
// - DiameterToAwg: the largest standard wire not thicker than the diameter.
//
// FormatScaled and FormatLengthScaled are only called where the product of
// the value and its row's factor is finite: the calculators check that
// product for overflow before they format (the factors are exposed for it).

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include <fuzzer/FuzzedDataProvider.h>

#include "format/number_format.h"
#include "format/wire_gauge.h"
#include "fuzz_support.h"

namespace {

using fuzzcheck::FixedFormProblem;
using fuzzcheck::Quote;
using fuzzcheck::Require;

std::string Show(long double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.21Lg", x);
    return buffer;
}

// Values at which some text changes: row bounds of the three scalings, the
// rounding examples, and the diameters (mm) where the gauge changes.
constexpr long double kInteresting[] = {
    0.0L,          1.0L,      1e-12L,   1e-9L,   1e-6L,   1e-3L,   1e-2L,    1e3L,
    1e6L,          1e9L,      1e12L,    0.125L,  2.5L,    0.0625L, 0.0005L,  0.00049999999999999999L,
    999.9996L,     999.9995L, 45.175L,  0.5L,    1.5L,    25.4L,   304.8L,   914.4L,
    0.079L,        0.0799L,   0.08L,    0.1L,    0.5L,    7.0L,    7.348L,   8.0L,
    8.25L,         9.266L,    10.0L,    10.404L, 11.684L, 12.0L,   LDBL_MAX, LDBL_MIN,
    LDBL_TRUE_MIN, 1e4900L,   1e-4900L, 3.0e-9L, 0.25L,   5e15L,
};

long double MoveUlps(long double x, int ulps) {
    const long double toward = ulps < 0 ? -LDBL_MAX : LDBL_MAX;
    for (int i = 0; i < std::abs(ulps); ++i)
        x = std::nextafter(x, toward);
    return x;
}

long double BuildValue(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: { // binary: sign, 64-bit significand, exponent over the whole range
        const bool negative = in.ConsumeBool();
        const auto significand = in.ConsumeIntegral<std::uint64_t>();
        const int exponent = in.ConsumeIntegralInRange<int>(-16510, 16320);
        const long double x = std::ldexp(static_cast<long double>(significand), exponent);
        return negative ? -x : x;
    }
    case 1: { // decimal digits and a decimal exponent
        const bool negative = in.ConsumeBool();
        const auto digits = in.ConsumeIntegral<std::uint64_t>();
        const int exponent = in.ConsumeIntegralInRange<int>(-4970, 4940);
        const std::string text = (negative ? "-" : "") + std::to_string(digits) + "e" + std::to_string(exponent);
        return std::strtold(text.c_str(), nullptr);
    }
    default: { // near a value where the form changes, scaled by a power of ten
        long double x = in.PickValueInArray(kInteresting);
        const int power = in.ConsumeIntegralInRange<int>(-3, 3);
        x *= std::pow(10.0L, static_cast<long double>(power) * in.ConsumeIntegralInRange<int>(0, 1));
        if (in.ConsumeBool())
            x = -x;
        return MoveUlps(x, in.ConsumeIntegralInRange<int>(-4, 4));
    }
    }
}

// The value a fixed-point text stands for. A text rounded up past LDBL_MAX
// is read a tenth smaller, and compared a tenth smaller too.
struct TextValue {
    long double value;
    long double scale;
};

TextValue ReadBack(const std::string& text) {
    const long double v = std::strtold(text.c_str(), nullptr);
    if (std::isfinite(v))
        return {v, 1.0L};
    return {std::strtold((text + "e-1").c_str(), nullptr), 0.1L};
}

// A fixed-point text of `value` with `decimals` decimals: its form, its sign,
// and its distance from the value (half a unit of the last decimal, plus the
// writing to 18 significant digits that comes before the rounding).
void CheckFixedText(const std::string& text, long double value, int decimals, const std::string& where,
                    bool exactSign = true) {
    const std::string problem = FixedFormProblem(text, decimals);
    Require(problem.empty(), "a number text has the fixed-point form", where + ": " + problem);
    // In the subnormal range a scaling by division here and by a stored
    // reciprocal in the engine may round to zeros of different signs.
    if (exactSign || std::fabs(value) >= LDBL_MIN)
        Require((text.front() == '-') == (value < 0), "\"-\" stands exactly before a negative value", where);

    const TextValue back = ReadBack(text);
    const long double difference = std::fabs(back.value - value * back.scale);
    const long double allowed =
        (0.5L * std::pow(10.0L, static_cast<long double>(-decimals)) + std::fabs(value) * 1e-17L) * back.scale *
        (1 + 1e-15L);
    Require(difference <= allowed, "the text is the value rounded to its decimals",
            where + ", reads back " + Show(back.value / back.scale));
}

void CheckFormatFixed(long double x, int width, int decimals) {
    const std::string text = torvex::FormatFixed(x, width, decimals);
    const std::string where = "FormatFixed(" + Show(x) + ", " + std::to_string(width) + ", " +
                              std::to_string(decimals) + ") = " + Quote(text);
    const std::size_t blanks = text.find_first_not_of(' ');
    Require(blanks != std::string::npos, "a number text is not all blanks", where);
    const std::string number = text.substr(blanks);
    const std::size_t wanted = number.size() < static_cast<std::size_t>(width) ? width - number.size() : 0;
    Require(blanks == wanted, "blanks only pad on the left up to the width", where);
    CheckFixedText(number, x, decimals, where);
}

struct Row {
    long double factor;
    std::string_view prefix;
    int decimals;
};

// SI rows by their lower bounds; below 1e-9 (zero and negative values too)
// the "p" row.
Row SiRowOf(long double x) {
    if (x >= 1e12L)
        return {1e-12L, "T", 3};
    if (x >= 1e9L)
        return {1e-9L, "G", 3};
    if (x >= 1e6L)
        return {1e-6L, "M", 3};
    if (x >= 1e3L)
        return {1e-3L, "k", 3};
    if (x >= 1.0L)
        return {1.0L, "", 3};
    if (x >= 1e-3L)
        return {1e3L, "m", 3};
    if (x >= 1e-6L)
        return {1e6L, "µ", 3};
    if (x >= 1e-9L)
        return {1e9L, "n", 3};
    return {1e12L, "p", 3};
}

// Length rows in metres: no µm, millimetres from 1 µm up to 1 cm, and the
// centimetre row alone with two decimals.
Row LengthRowOf(long double m) {
    if (m >= 1e12L)
        return {1e-12L, "Tm", 3};
    if (m >= 1e9L)
        return {1e-9L, "Gm", 3};
    if (m >= 1e6L)
        return {1e-6L, "Mm", 3};
    if (m >= 1e3L)
        return {1e-3L, "km", 3};
    if (m >= 1.0L)
        return {1.0L, "m", 3};
    if (m >= 1e-2L)
        return {1e2L, "cm", 2};
    if (m >= 1e-6L)
        return {1e3L, "mm", 3};
    if (m >= 1e-9L)
        return {1e9L, "nm", 3};
    return {1e12L, "pm", 3};
}

void CheckScaled(long double x, std::string_view unit) {
    const Row row = SiRowOf(x);
    Require(torvex::ScaleFactor(x) == row.factor, "ScaleFactor is the factor of the value's row", "x = " + Show(x));
    const long double shown = x * row.factor;
    if (std::isfinite(shown)) {
        const std::string text = torvex::FormatScaled(x);
        CheckFixedText(text, shown, 3, "FormatScaled(" + Show(x) + ") = " + Quote(text));
    }
    const std::string prefix = torvex::ScalePrefix(unit, x);
    const std::string_view kept = unit == "Ohm" ? std::string_view{} : unit;
    const std::string expected = x == 0 ? std::string(kept) : std::string(row.prefix) + std::string(kept);
    Require(prefix == expected, "ScalePrefix is the row's prefix joined to the unit",
            "ScalePrefix(" + Quote(unit) + ", " + Show(x) + ") = " + Quote(prefix) + ", expected " + Quote(expected));
}

void CheckLength(long double metres) {
    const Row row = LengthRowOf(metres);
    Require(torvex::LengthScaleFactor(metres) == row.factor, "LengthScaleFactor is the factor of the length's row",
            "metres = " + Show(metres));
    const long double shown = metres * row.factor;
    if (std::isfinite(shown)) {
        const std::string text = torvex::FormatLengthScaled(metres);
        CheckFixedText(text, shown, row.decimals, "FormatLengthScaled(" + Show(metres) + ") = " + Quote(text));
    }
    const std::string unit = torvex::LengthPrefix(metres);
    const std::string expected = metres == 0 ? "m" : std::string(row.prefix);
    Require(unit == expected, "LengthPrefix is the unit text of the length's row",
            "LengthPrefix(" + Show(metres) + ") = " + Quote(unit) + ", expected " + Quote(expected));
}

void CheckImperial(long double mm) {
    // Inches below a foot (zero and negative lengths too), feet below a yard.
    const bool yards = mm >= 914.4L;
    const bool feet = !yards && mm >= 304.8L;
    const long double shown = yards ? mm / 914.4L : feet ? mm / 304.8L : mm / 25.4L;
    const std::string expectedUnit = yards ? " yd" : feet ? " ft" : " in";
    const std::string text = torvex::FormatImperialLength(mm);
    CheckFixedText(text, shown, 3, "FormatImperialLength(" + Show(mm) + ") = " + Quote(text), false);
    const std::string unit = torvex::ImperialLengthUnit(mm);
    Require(unit == expectedUnit, "ImperialLengthUnit fits the length",
            "ImperialLengthUnit(" + Show(mm) + ") = " + Quote(unit) + ", expected " + Quote(expectedUnit));
}

// The gauge name for a gauge value g: the largest standard wire not thicker
// than the diameter, "0000" for anything thicker than gauge -3, "xxx" past 40.
std::string GaugeNameFor(long double g) {
    if (g >= 40)
        return "xxx";
    if (g >= 1)
        return std::to_string(static_cast<int>(std::floor(g)) + 1);
    if (g > 0)
        return "1";
    if (g > -1)
        return "0";
    if (g > -2)
        return "00";
    if (g > -3)
        return "000";
    return "0000";
}

void CheckGauge(long double mm) {
    const std::string name = torvex::DiameterToAwg(mm);
    const std::string where = "DiameterToAwg(" + Show(mm) + ") = " + Quote(name);
    if (!(mm > 0)) {
        Require(name == "xxx", "a diameter of zero or less has no gauge", where);
        return;
    }
    const long double g = -9.6954L - 19.8578L * std::log10(mm / 25.4L);
    // Right at a gauge bound the two sides differ only in the last bits.
    const long double slack = 1e-12L * std::fmax(1.0L, std::fabs(g));
    const std::string below = GaugeNameFor(g - slack);
    const std::string above = GaugeNameFor(g + slack);
    Require(name == below || name == above, "the gauge is the largest wire not thicker than the diameter",
            where + ", gauge value " + Show(g) + ", expected " + Quote(below) +
                (below == above ? "" : " or " + Quote(above)));
}

constexpr std::string_view kUnits[] = {"", "H", "F", "Hz", "Ohm", "ohm"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    // Several values per input, so that a short input reaches every function.
    for (int round = 0; round < 4 && in.remaining_bytes() > 0; ++round) {
        const long double x = BuildValue(in);
        if (!std::isfinite(x))
            continue;
        const int width = in.ConsumeIntegralInRange<int>(0, 24);
        const int decimals = in.ConsumeIntegralInRange<int>(0, 24);
        const std::string_view unit = in.PickValueInArray(kUnits);

        CheckFormatFixed(x, width, decimals);
        CheckScaled(x, unit);
        CheckLength(x);
        CheckImperial(x);
        CheckGauge(x);
    }
    return 0;
}
