// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/number_reader.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "format/extended_precision.h"

namespace torvex {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TakeDigits(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

void SkipBlanks(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
}

// Beyond this an exponent changes nothing: with fewer digits than this, a
// number is then far beyond the range of long double either way. Clamping
// keeps the arithmetic below from overflowing on an exponent of any length.
constexpr std::int64_t kExponentLimit = 100000000000000000; // 1e17

std::int64_t ExponentValue(char sign, std::string_view digits) {
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
        if (value >= kExponentLimit) {
            value = kExponentLimit;
            break;
        }
    }
    return sign == '-' ? -value : value;
}

// A text is rounded to the nearest long double, so only its side of the
// halfway points between neighbouring values matters (the bounds to infinity
// and to 0 are such points too). Each of them, written out, has at most about
// 11,520 significant digits; digits beyond these can only say whether the
// text lies above or below one. Longer texts are cut to this length with a
// nonzero digit at the end: exact, and it spares the C library digit runs
// that some read wrongly or slowly (MinGW-w64's, past some 16,000 digits).
constexpr std::size_t kMaxSignificantDigits = 12000;

} // namespace

std::optional<long double> ParseNumber(std::string_view text, std::string_view decimalSeparator) {
    if (decimalSeparator.empty()) {
        decimalSeparator = ".";
    }

    std::size_t pos = 0;
    SkipBlanks(text, pos);

    char sign = '+';
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        sign = text[pos++];
    }

    const std::string_view integerDigits = TakeDigits(text, pos);
    bool hasSeparator = false;
    std::string_view fractionDigits;
    if (text.substr(pos).starts_with(decimalSeparator)) {
        hasSeparator = true;
        pos += decimalSeparator.size();
        fractionDigits = TakeDigits(text, pos);
    }
    if (integerDigits.empty() && !hasSeparator) {
        return std::nullopt;
    }

    char exponentSign = '+';
    std::string_view exponentDigits;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            exponentSign = text[pos++];
        }
        // May stay empty: "5E" and "5E+" read as 5.
        exponentDigits = TakeDigits(text, pos);
    }

    SkipBlanks(text, pos);
    if (pos != text.size()) {
        return std::nullopt;
    }

    // The same number as an integer of its significant digits and a power of
    // ten: a text without a decimal mark reads the same in every C locale,
    // whereas strtold takes its mark from the locale the program set (in a
    // German one "1.5" would read 1). Only digits and the exponent reach the
    // conversion, so nothing beyond the grammar above (hex, "inf", "nan")
    // gets in. Dropping zeros at either end keeps the value exact.
    std::string digits;
    digits.reserve(integerDigits.size() + fractionDigits.size());
    digits += integerDigits;
    digits += fractionDigits;
    std::int64_t exponent =
        ExponentValue(exponentSign, exponentDigits) - static_cast<std::int64_t>(fractionDigits.size());
    const std::size_t lastNonZero = digits.find_last_not_of('0');
    if (lastNonZero == std::string::npos) {
        // Only zeros, or a lone separator, with or without an exponent.
        return sign == '-' ? -0.0L : 0.0L;
    }
    exponent += static_cast<std::int64_t>(digits.size() - 1 - lastNonZero);
    digits.resize(lastNonZero + 1);
    std::string_view significant(digits);
    significant.remove_prefix(digits.find_first_not_of('0'));

    std::string plain;
    plain += sign;
    if (significant.size() > kMaxSignificantDigits) {
        // The digits cut off hold a nonzero one (the last); a single 1 in
        // their place keeps the text on the same side of every halfway point.
        plain += significant.substr(0, kMaxSignificantDigits);
        plain += '1';
        exponent += static_cast<std::int64_t>(significant.size() - kMaxSignificantDigits - 1);
    } else {
        plain += significant;
    }
    plain += 'e';
    plain += std::to_string(exponent);

    // strtold reports a range error in errno; the caller's errno stays as it was.
    const int savedErrno = errno;
    char* end = nullptr;
    const long double value = std::strtold(plain.c_str(), &end);
    errno = savedErrno;
    if (end != plain.c_str() + plain.size()) {
        return std::nullopt;
    }
    // Too large reads as infinity and fails; too small has already become 0
    // (or the nearest subnormal value), which is what it reads as.
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

long double ReadNumberField(std::string_view text, std::string_view decimalSeparator) {
    if (text.empty()) {
        return 0.0L;
    }
    const std::optional<long double> value = ParseNumber(text, decimalSeparator);
    if (!value) {
        throw CalcError::conversion(text);
    }
    return *value;
}

} // namespace torvex
