// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "format/extended_precision.h"

namespace torvex {

namespace {

// Significant digits the value is written with before it is rounded to the
// decimals shown; the rounding decision is taken on this text, so 0.0625 at
// three decimals sees "...625" and goes up to "0.063".
constexpr int kSignificantDigits = 18;

// The digits of |x| written to kSignificantDigits significant digits, with a
// leading "0" so that a carry out of the first digit needs no special case,
// and the number of those digits that stand before the decimal mark.
struct DecimalDigits {
    std::string digits;
    long pointPosition = 0;
};

// Any value: the C++ library's conversion.
DecimalDigits ToDecimalDigitsGeneral(long double magnitude) {
    // std::to_chars never looks at the C locale, unlike the printf family,
    // which writes "," in a German locale once the program has called
    // setlocale.
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    // Form: d.ddddddddddddddddde[+-]x...
    DecimalDigits out;
    out.digits.reserve(kSignificantDigits + 1);
    out.digits += '0';
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            out.digits += text[i];
        }
    }
    int exponent = 0;
    if (i < text.size()) {
        std::string_view expText = text.substr(i + 1);
        if (!expText.empty() && expText.front() == '+') {
            expText.remove_prefix(1);
        }
        std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    }
    // One digit before the mark in scientific form, plus the leading "0".
    out.pointPosition = static_cast<long>(exponent) + 2;
    return out;
}

// The same digits for the values labels show (1e-10 <= x < 1e17), computed
// exactly in integers: the library's conversion of a long double goes through
// printf's multi-precision code and cost most of a recompute. x = m * 2^e with
// the 64-bit significand m, and x * 10^k = m * 5^k * 2^(e + k); the product
// m * 5^k fits in 128 bits for k <= 27, and the shift is rounded half to even
// like printf. Checked against ToDecimalDigitsGeneral on some 15 million
// values, ties and decade boundaries included.
__extension__ typedef unsigned __int128 UInt128; // GCC and Clang on x86-64
constexpr std::uint64_t kTen17 = 100000000000000000ULL;
constexpr std::uint64_t kTen18 = 1000000000000000000ULL;
constexpr int kLargestPowerOfFive = 27;

constexpr std::array<std::uint64_t, kLargestPowerOfFive + 1> kPowersOfFive = [] {
    std::array<std::uint64_t, kLargestPowerOfFive + 1> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i) {
        p[i] = p[i - 1] * 5;
    }
    return p;
}();

// m * 2^e * 10^k rounded to an integer; false when it is 10^18 or more
// before rounding (the decimal exponent was guessed one too low).
bool ScaledSignificand(std::uint64_t m, int e, int k, std::uint64_t& q) {
    const UInt128 p = UInt128(m) * kPowersOfFive[static_cast<std::size_t>(k)];
    const int s = e + k;
    UInt128 whole = s >= 0 ? p << s : p >> -s;
    if (whole >= kTen18) {
        return false;
    }
    if (s < 0) {
        const UInt128 rest = p - (whole << -s);
        const UInt128 half = UInt128(1) << (-s - 1);
        if (rest > half || (rest == half && (whole & 1) != 0)) {
            ++whole;
        }
    }
    q = static_cast<std::uint64_t>(whole);
    return true;
}

bool ToDecimalDigitsFast(long double magnitude, DecimalDigits& out) {
    if (!(magnitude >= 1e-10L && magnitude < 1e17L)) {
        return false;
    }
    struct {
        std::uint64_t significand;
        std::uint16_t exponent;
    } bits{};
    std::memcpy(&bits, &magnitude, 10);
    const int e = static_cast<int>(bits.exponent & 0x7fff) - 16383 - 63;
    // magnitude lies in [2^(e+63), 2^(e+64)), so its decimal exponent is this
    // floor((e + 63) * log10(2)) or one more.
    int exponent10 = ((e + 63) * 78913) >> 18;
    std::uint64_t q = 0;
    if (17 - exponent10 > kLargestPowerOfFive) {
        return false;
    }
    if (!ScaledSignificand(bits.significand, e, 17 - exponent10, q)) {
        ++exponent10;
        if (!ScaledSignificand(bits.significand, e, 17 - exponent10, q)) {
            return false;
        }
    }
    if (q < kTen17) {
        return false;
    }
    if (q == kTen18) { // 9.99...95 rounded up to the next decade
        q = kTen17;
        ++exponent10;
    }
    std::array<char, kSignificantDigits + 1> text{};
    text[0] = '0';
    for (std::size_t i = kSignificantDigits; i >= 1; --i) {
        text[i] = static_cast<char>('0' + q % 10);
        q /= 10;
    }
    out.digits.assign(text.data(), text.size());
    out.pointPosition = static_cast<long>(exponent10) + 2;
    return true;
}

DecimalDigits ToDecimalDigits(long double magnitude) {
    DecimalDigits d;
    if (ToDecimalDigitsFast(magnitude, d)) {
        return d;
    }
    return ToDecimalDigitsGeneral(magnitude);
}

std::string PadLeft(std::string text, int width) {
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    return text;
}

struct ScaleRow {
    long double lowerBound; // the row holds lowerBound <= x < the previous row's bound
    long double factor;
    std::string_view prefix;
};

// Rows in falling order; a value below every bound (zero, negative values,
// NaN) belongs to kSiLastRow.
// clang-format off
constexpr std::array<ScaleRow, 8> kSiRows{{
    {1e12L, 1e-12L, "T"},
    {1e9L, 1e-9L, "G"},
    {1e6L, 1e-6L, "M"},
    {1e3L, 1e-3L, "k"},
    {1.0L, 1.0L, ""},
    {1e-3L, 1e3L, "m"},
    {1e-6L, 1e6L, "µ"},
    {1e-9L, 1e9L, "n"},
}};
constexpr ScaleRow kSiLastRow{0.0L, 1e12L, "p"};

const ScaleRow& SiRow(long double x)
{
    for (const ScaleRow& row : kSiRows) {
        if (x >= row.lowerBound) {
            return row;
        }
    }
    return kSiLastRow;
}
// clang-format on

struct LengthRow {
    long double lowerBound;
    long double factor;
    int decimals;
    std::string_view unit;
};

// There is no micrometre row: from 1 µm up to 1 cm lengths are shown in
// millimetres. Centimetres are the only row with two decimals.
// clang-format off
constexpr std::array<LengthRow, 8> kLengthRows{{
    {1e12L, 1e-12L, 3, "Tm"},
    {1e9L, 1e-9L, 3, "Gm"},
    {1e6L, 1e-6L, 3, "Mm"},
    {1e3L, 1e-3L, 3, "km"},
    {1.0L, 1.0L, 3, "m"},
    {1e-2L, 1e2L, 2, "cm"},
    {1e-6L, 1e3L, 3, "mm"},
    {1e-9L, 1e9L, 3, "nm"},
}};
constexpr LengthRow kLengthLastRow{0.0L, 1e12L, 3, "pm"};

const LengthRow& LengthRowOf(long double metres)
{
    for (const LengthRow& row : kLengthRows) {
        if (metres >= row.lowerBound) {
            return row;
        }
    }
    return kLengthLastRow;
}
// clang-format on

constexpr int kScaledDecimals = 3;

// Reciprocals stored once and multiplied, so that 304.8 mm is exactly the
// same 1.000 ft however the product is reached.
constexpr long double kInchesPerMillimetre = 1.0L / 25.4L;
constexpr long double kFeetPerMillimetre = 1.0L / 304.8L;
constexpr long double kYardsPerMillimetre = 1.0L / 914.4L;
constexpr long double kMillimetresPerFoot = 304.8L;
constexpr long double kMillimetresPerYard = 914.4L;

struct ImperialRow {
    long double factor;
    std::string_view unit;
};

ImperialRow ImperialRowOf(long double millimetres) {
    if (millimetres >= kMillimetresPerYard) {
        return {kYardsPerMillimetre, " yd"};
    }
    if (millimetres >= kMillimetresPerFoot) {
        return {kFeetPerMillimetre, " ft"};
    }
    // Zero, negative lengths and NaN land here too.
    return {kInchesPerMillimetre, " in"};
}

} // namespace

std::string FormatFixed(long double x, int width, int decimals) {
    if (decimals < 0) {
        decimals = 0;
    }
    // Callers keep non-finite values away from labels; this only keeps the
    // text defined should one slip through.
    if (std::isnan(x)) {
        return PadLeft("NAN", width);
    }
    if (std::isinf(x)) {
        return PadLeft(x < 0 ? "-INF" : "INF", width);
    }

    DecimalDigits d = ToDecimalDigits(std::fabs(x));
    const long point = d.pointPosition;
    // Number of leading digits that survive the rounding.
    const long kept = point + decimals;

    std::string text;
    // A negative zero has no "-"; a negative value that rounds to zero keeps it.
    if (x < 0) {
        text += '-';
    }

    if (kept <= 0) {
        // Even the first digit lies below half a unit of the last decimal shown.
        text += '0';
        if (decimals > 0) {
            text += '.';
            text.append(static_cast<std::size_t>(decimals), '0');
        }
        return PadLeft(std::move(text), width);
    }

    std::string& digits = d.digits;
    const auto keptSize = static_cast<std::size_t>(kept);
    if (keptSize < digits.size()) {
        const bool roundUp = digits[keptSize] >= '5';
        digits.resize(keptSize);
        if (roundUp) {
            // The leading "0" absorbs the last possible carry.
            std::size_t i = keptSize;
            while (i-- > 0) {
                if (digits[i] == '9') {
                    digits[i] = '0';
                } else {
                    ++digits[i];
                    break;
                }
            }
        }
    } else {
        // Large values and many decimals: the 18 digits are followed by zeros.
        digits.append(keptSize - digits.size(), '0');
    }

    std::string integerPart;
    std::string fraction;
    if (point > 0) {
        integerPart = digits.substr(0, static_cast<std::size_t>(point));
        fraction = digits.substr(static_cast<std::size_t>(point));
    } else {
        integerPart = "0";
        fraction.assign(static_cast<std::size_t>(-point), '0');
        fraction += digits;
    }
    const std::size_t firstSignificant = integerPart.find_first_not_of('0');
    integerPart.erase(0, firstSignificant == std::string::npos ? integerPart.size() - 1 : firstSignificant);

    text += integerPart;
    if (decimals > 0) {
        text += '.';
        text += fraction;
    }
    return PadLeft(std::move(text), width);
}

long double ScaleFactor(long double x) { return SiRow(x).factor; }

std::string FormatScaled(long double x) { return FormatFixed(x * ScaleFactor(x), 0, kScaledDecimals); }

std::string ScalePrefix(std::string_view unit, long double x) {
    // The ohm sign is drawn by a label of its own, so "Ohm" must not follow the prefix.
    if (unit == "Ohm") {
        unit = {};
    }
    if (x == 0) {
        return std::string(unit);
    }
    std::string text(SiRow(x).prefix);
    text += unit;
    return text;
}

long double LengthScaleFactor(long double metres) { return LengthRowOf(metres).factor; }

std::string FormatLengthScaled(long double metres) {
    const LengthRow& row = LengthRowOf(metres);
    return FormatFixed(metres * row.factor, 0, row.decimals);
}

std::string LengthPrefix(long double metres) {
    if (metres == 0) {
        return "m";
    }
    return std::string(LengthRowOf(metres).unit);
}

std::string FormatImperialLength(long double millimetres) {
    return FormatFixed(millimetres * ImperialRowOf(millimetres).factor, 0, kScaledDecimals);
}

std::string ImperialLengthUnit(long double millimetres) { return std::string(ImperialRowOf(millimetres).unit); }

} // namespace torvex
