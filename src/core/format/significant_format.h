// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace torvex {

// What a result field shows when there is no value to show.
inline constexpr std::string_view kNoValue = "—";

// x with four significant digits, an SI prefix from f to P and the unit after
// a blank: "2.017 kΩ", "113.8 µH", "10.64 MHz", "-2.460 kΩ". "." is the
// decimal mark, "-" the sign; zero is "0.000 Ω". Beyond the prefixes the
// mantissa is written with an exponent ("1.234e-20 H"). A value that is not
// finite gives kNoValue, so a label never shows "nan" or "inf".
std::string FormatEngineering(long double x, std::string_view unit);

// A dimensionless x with four significant digits and no prefix: "470.0",
// "32.25", "0.4500", "2518", "12350"; from 10^7 up and below 10^-4 with an
// exponent ("1.234e+07"). Not finite: kNoValue.
std::string FormatSignificant(long double x);

} // namespace torvex
