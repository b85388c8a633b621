// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared by the fuzz targets: how a failed property is reported, and the
// shape that every number text of the program must have. The shape checks are
// written from what the texts promise, not from how the engine builds them,
// so that a fault in the engine cannot hide behind the same fault here.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzzcheck {

// Prints what broke and aborts, so that libFuzzer keeps the input as a crash
// file. `detail` should name the function, its arguments and the text seen.
[[noreturn]] inline void Fail(std::string_view property, std::string_view detail) {
    std::fprintf(stderr, "\n*** property violated: %.*s\n    %.*s\n", static_cast<int>(property.size()),
                 property.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline void Require(bool ok, std::string_view property, const std::string& detail) {
    if (!ok)
        Fail(property, detail);
}

// A text shown in quotes, with bytes that would garble the terminal escaped,
// and cut in the middle when it is long (digit runs of thousands of digits).
inline std::string Quote(std::string_view text, std::size_t keep = 160) {
    std::string out = "\"";
    auto put = [&out](unsigned char c) {
        if (c >= 0x20 && c != 0x7f && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", c);
            out += buffer;
        }
    };
    if (text.size() <= keep) {
        for (unsigned char c : text)
            put(c);
    } else {
        for (unsigned char c : text.substr(0, keep / 2))
            put(c);
        out += "...(" + std::to_string(text.size()) + " bytes)...";
        for (unsigned char c : text.substr(text.size() - keep / 2))
            put(c);
    }
    out += '"';
    return out;
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline bool AllDigits(std::string_view s) {
    for (char c : s)
        if (!IsDigit(c))
            return false;
    return true;
}

// What is wrong with `text` as a fixed-point number text with exactly
// `decimals` decimals: an optional "-", an integer part without leading
// zeros ("0" or a digit 1-9 first), "." and the decimals (no "." when there
// are none). Nothing else: no blanks, no exponent, no letters. Returns an
// empty text when the form is right.
inline std::string FixedFormProblem(std::string_view text, int decimals) {
    if (text.empty())
        return "empty text";
    std::string_view rest = text;
    if (rest.front() == '-')
        rest.remove_prefix(1);
    const std::size_t point = rest.find('.');
    const std::string_view integer = rest.substr(0, point);
    if (integer.empty())
        return "no integer digits";
    if (!AllDigits(integer))
        return "the integer part is not all digits";
    if (integer.size() > 1 && integer.front() == '0')
        return "a leading zero";
    if (decimals == 0) {
        if (point != std::string_view::npos)
            return "a decimal mark where no decimals are wanted";
        return {};
    }
    if (point == std::string_view::npos)
        return "no decimal mark";
    const std::string_view fraction = rest.substr(point + 1);
    if (!AllDigits(fraction))
        return "the decimals are not all digits";
    if (fraction.size() != static_cast<std::size_t>(decimals))
        return "has " + std::to_string(fraction.size()) + " decimals, not " + std::to_string(decimals);
    return {};
}

// Number of decimals of a fixed-point text (digits after "."), 0 without ".".
inline int DecimalsOf(std::string_view text) {
    const std::size_t point = text.find('.');
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// Does the text hold "nan" or "inf" in any case? No number text of the
// program may; only a catalogue or message text can, as part of a word.
inline bool HasNanOrInf(std::string_view text) {
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        char a = static_cast<char>(text[i] | 0x20), b = static_cast<char>(text[i + 1] | 0x20),
             c = static_cast<char>(text[i + 2] | 0x20);
        if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f'))
            return true;
    }
    return false;
}

} // namespace fuzzcheck
