// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/significant_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace torvex {

namespace {

constexpr int kDigits = 4;

// The four digits of |x| rounded once, and the decimal exponent of the first:
// rounding first means 999.96 becomes "1000" and moves up a prefix.
struct Rounded {
    std::array<char, kDigits> digits{};
    int exponent = 0;
};

Rounded RoundToDigits(long double magnitude) {
    std::array<char, 64> buffer{};
    // to_chars never looks at the C locale, unlike the printf family.
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kDigits - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    // Form: d.ddde[+-]xx
    Rounded r;
    std::size_t n = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] >= '0' && text[i] <= '9' && n < r.digits.size()) {
            r.digits[n++] = text[i];
        }
    }
    if (i + 1 < text.size()) {
        std::string_view exponent = text.substr(i + 1);
        if (exponent.front() == '+') {
            exponent.remove_prefix(1);
        }
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), r.exponent);
    }
    return r;
}

// The four digits with the decimal mark after the first `whole` of them
// (whole >= kDigits: no mark, zeros appended; whole <= 0: leading zeros).
std::string PlaceMark(const Rounded& r, int whole) {
    std::string out;
    if (whole <= 0) {
        out = "0.";
        out.append(static_cast<std::size_t>(-whole), '0');
        out.append(r.digits.data(), r.digits.size());
        return out;
    }
    for (int i = 0; i < kDigits; ++i) {
        if (i == whole) {
            out += '.';
        }
        out += r.digits[static_cast<std::size_t>(i)];
    }
    if (whole > kDigits) {
        out.append(static_cast<std::size_t>(whole - kDigits), '0');
    }
    return out;
}

std::string WithExponent(const Rounded& r) {
    std::string out = PlaceMark(r, 1);
    out += r.exponent < 0 ? "e-" : "e+";
    const int e = std::abs(r.exponent);
    if (e < 10) {
        out += '0';
    }
    out += std::to_string(e);
    return out;
}

constexpr int kLowestPrefixExponent = -15;
constexpr std::array<std::string_view, 11> kPrefixes{"f", "p", "n", "µ", "m", "", "k", "M", "G", "T", "P"};
constexpr int kHighestPrefixExponent = kLowestPrefixExponent + 3 * (static_cast<int>(kPrefixes.size()) - 1);

} // namespace

std::string FormatEngineering(long double x, std::string_view unit) {
    if (!std::isfinite(x)) {
        return std::string(kNoValue);
    }
    std::string out = std::signbit(x) && x != 0 ? "-" : "";
    if (x == 0) {
        out += "0.000";
    } else {
        const Rounded r = RoundToDigits(std::fabs(x));
        // The prefix's exponent: the multiple of 3 at or below the first digit's.
        const int group = r.exponent >= 0 ? r.exponent / 3 * 3 : -((-r.exponent + 2) / 3 * 3);
        if (group < kLowestPrefixExponent || group > kHighestPrefixExponent) {
            out += WithExponent(r);
        } else {
            out += PlaceMark(r, r.exponent - group + 1);
            out += ' ';
            out += kPrefixes[static_cast<std::size_t>((group - kLowestPrefixExponent) / 3)];
            out += unit;
            return out;
        }
    }
    out += ' ';
    out += unit;
    return out;
}

std::string FormatSignificant(long double x) {
    if (!std::isfinite(x)) {
        return std::string(kNoValue);
    }
    if (x == 0) {
        return "0.000";
    }
    const Rounded r = RoundToDigits(std::fabs(x));
    std::string out = x < 0 ? "-" : "";
    out += r.exponent < -4 || r.exponent > 6 ? WithExponent(r) : PlaceMark(r, r.exponent + 1);
    return out;
}

} // namespace torvex
