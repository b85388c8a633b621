// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The number reader as it was before it became portable, kept to show that
// the portable one reads every text to the same bits: the same grammar, then
// glibc's strtold_l in a "C" locale of its own. Linux (glibc) only; a Windows
// build compares against readings recorded with it (recorded_reference.txt).

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <optional>
#include <string>
#include <string_view>

namespace torvex::former {

inline std::optional<long double> ParseNumber(std::string_view text, std::string_view separator) {
    static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
    if (separator.empty()) {
        separator = ".";
    }
    std::size_t pos = 0;
    const auto digits = [&] {
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            ++pos;
        }
        return text.substr(start, pos - start);
    };
    const auto blanks = [&] {
        while (pos < text.size() && text[pos] == ' ') {
            ++pos;
        }
    };

    blanks();
    char sign = '+';
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        sign = text[pos++];
    }
    const std::string_view integerDigits = digits();
    bool hasSeparator = false;
    std::string_view fractionDigits;
    if (text.substr(pos).starts_with(separator)) {
        hasSeparator = true;
        pos += separator.size();
        fractionDigits = digits();
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
        exponentDigits = digits();
    }
    blanks();
    if (pos != text.size()) {
        return std::nullopt;
    }
    if (integerDigits.empty() && fractionDigits.empty()) {
        return sign == '-' ? -0.0L : 0.0L;
    }

    std::string plain;
    plain += sign;
    plain += integerDigits.empty() ? std::string_view("0") : integerDigits;
    plain += '.';
    plain += fractionDigits;
    if (!exponentDigits.empty()) {
        plain += 'e';
        plain += exponentSign;
        plain += exponentDigits;
    }
    const int savedErrno = errno;
    errno = 0;
    char* end = nullptr;
    const long double value = strtold_l(plain.c_str(), &end, classic);
    const bool outOfRange = errno == ERANGE;
    errno = savedErrno;
    if (end != plain.c_str() + plain.size() || (outOfRange && std::isinf(value))) {
        return std::nullopt;
    }
    return value;
}

} // namespace torvex::former
