// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for reading typed numbers (ParseNumber, ReadNumberField).
//
// The input is the field text itself. Each text is read with the separators
// ",", "." and "" (a missing locale separator, which reads like "."), and:
// - an accepted text is finite, has the form of a number by a grammar check
//   written here independently (split the text at its parts instead of
//   scanning it), and has the sign and the order of magnitude its digits say;
// - a refused text either lacks that form or is too large for long double,
//   and every text of that form within range is accepted;
// - ReadNumberField reads "" as 0, agrees with ParseNumber on every other
//   text, and refuses with the conversion error and its exact message;
// - swapping "," and "." in the text and in the separator changes nothing;
// - the reading has the same bits as the former reader's (glibc's strtold_l
//   in a "C" locale), which the portable reader replaced.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "format/calc_error.h"
#include "format/number_reader.h"
#include "former_number_reader.h"
#include "fuzz_support.h"

namespace {

using fuzzcheck::AllDigits;
using fuzzcheck::Quote;
using fuzzcheck::Require;

// Largest and smallest decimal exponents of long double: LDBL_MAX is about
// 1.19e4932, the smallest subnormal about 3.65e-4951.
constexpr long kLargestExponent = 4932;
constexpr long kSmallestNormalExponent = -4931;
constexpr long kBelowEverySubnormal = -4952;

struct Grammar {
    bool matches = false;
    bool negative = false;
    bool allZero = true;
    long exponent10 = 0; // the value lies in [10^e, 10^(e+1)) when not all zero
};

// The accepted form, checked by taking the text apart: trim the blanks (only
// the space), cut at the first "e"/"E", then look at the mantissa and the
// exponent separately.
Grammar CheckGrammar(std::string_view text, char separator) {
    Grammar g;
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);

    const std::size_t e = text.find_first_of("eE");
    std::string_view mantissa = text.substr(0, e);
    std::string_view exponent = e == std::string_view::npos ? std::string_view{} : text.substr(e + 1);

    if (!mantissa.empty() && (mantissa.front() == '+' || mantissa.front() == '-')) {
        g.negative = mantissa.front() == '-';
        mantissa.remove_prefix(1);
    }
    const std::size_t sep = mantissa.find(separator);
    const bool hasSeparator = sep != std::string_view::npos;
    const std::string_view integer = mantissa.substr(0, sep);
    const std::string_view fraction = hasSeparator ? mantissa.substr(sep + 1) : std::string_view{};
    if (!AllDigits(integer) || !AllDigits(fraction))
        return g; // also a second separator
    if (integer.empty() && !hasSeparator)
        return g;

    bool exponentNegative = false;
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        exponentNegative = exponent.front() == '-';
        exponent.remove_prefix(1);
    }
    if (!AllDigits(exponent))
        return g;
    g.matches = true;

    // Saturating: an exponent with thousands of digits is still just huge.
    long exponentValue = 0;
    for (char c : exponent)
        exponentValue = std::min(exponentValue * 10 + (c - '0'), 100000000L);
    if (exponentNegative)
        exponentValue = -exponentValue;

    const std::string digits = std::string(integer) + std::string(fraction);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return g;
    g.allZero = false;
    g.exponent10 = static_cast<long>(integer.size()) - 1 - static_cast<long>(first) + exponentValue;
    return g;
}

std::string Describe(std::string_view text, std::string_view separator) {
    return "text " + Quote(text) + ", separator " + Quote(separator);
}

void CheckOneSeparator(std::string_view text, std::string_view separator) {
    const char effective = separator.empty() ? '.' : separator.front();
    const Grammar g = CheckGrammar(text, effective);
    const std::optional<long double> read = torvex::ParseNumber(text, separator);
    const std::string where = Describe(text, separator);

    if (read) {
        const long double v = *read;
        Require(g.matches, "only texts of the number form are accepted", where);
        Require(std::isfinite(v), "an accepted text reads to a finite number", where);
        if (v != 0)
            Require(std::signbit(v) == g.negative, "the value has the sign of the text", where);
        if (g.allZero) {
            Require(v == 0, "a text of zeros reads 0", where);
        } else if (g.exponent10 <= kBelowEverySubnormal) {
            Require(v == 0, "a number below every subnormal reads 0", where);
        } else if (g.exponent10 >= kSmallestNormalExponent) {
            Require(v != 0, "a number within range does not read 0", where);
            const long magnitude = static_cast<long>(std::floor(std::log10(std::fabs(v))));
            Require(std::labs(magnitude - g.exponent10) <= 1, "the value has the order of magnitude of its digits",
                    where + ", exponent of the digits " + std::to_string(g.exponent10) + ", read " +
                        std::to_string(magnitude));
        }
        Require(g.allZero || g.exponent10 <= kLargestExponent, "a value too large is refused", where);
    } else {
        const bool tooLarge = g.matches && !g.allZero && g.exponent10 >= kLargestExponent;
        Require(!g.matches || tooLarge, "every text of the number form within range is accepted", where);
    }

    // The field reader: "" is 0, else ParseNumber or the conversion error.
    try {
        const long double v = torvex::ReadNumberField(text, separator);
        if (text.empty()) {
            Require(v == 0, "an empty field reads 0", where);
        } else {
            Require(read.has_value(), "ReadNumberField refuses what ParseNumber refuses", where);
            Require(v == *read && std::signbit(v) == std::signbit(*read),
                    "ReadNumberField reads what ParseNumber reads", where);
        }
    } catch (const torvex::CalcError& error) {
        Require(!text.empty() && !read.has_value(), "ReadNumberField accepts what ParseNumber accepts", where);
        Require(error.kind() == torvex::CalcError::Kind::Conversion, "a refused text is a conversion error", where);
        const std::string expected = "'" + std::string(text) + "' ist kein gültiger Fließkommawert";
        Require(error.message() == expected, "the conversion error quotes the text",
                where + ", message " + Quote(error.message()));
    }
}

std::string SwapSeparators(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = c == ',' ? '.' : c == '.' ? ',' : c;
    return out;
}

bool SameReading(const std::optional<long double>& a, const std::optional<long double>& b) {
    if (a.has_value() != b.has_value())
        return false;
    return !a || (*a == *b && std::signbit(*a) == std::signbit(*b));
}

std::string Reading(const std::optional<long double>& value) {
    if (!value)
        return "refused";
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", *value);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::string_view separator : {",", ".", ""}) {
        CheckOneSeparator(text, separator);
        const std::optional<long double> now = torvex::ParseNumber(text, separator);
        const std::optional<long double> before = torvex::former::ParseNumber(text, separator);
        Require(SameReading(now, before), "the reading is the former reader's",
                Describe(text, separator) + ", read " + Reading(now) + ", formerly " + Reading(before));
    }

    const std::string swapped = SwapSeparators(text);
    Require(SameReading(torvex::ParseNumber(text, ","), torvex::ParseNumber(swapped, ".")),
            "swapping \",\" and \".\" in text and separator reads the same",
            "text " + Quote(text) + ", swapped " + Quote(swapped));
    Require(SameReading(torvex::ParseNumber(text, "."), torvex::ParseNumber(text, "")),
            "a missing separator reads like \".\"", "text " + Quote(text));
    return 0;
}
