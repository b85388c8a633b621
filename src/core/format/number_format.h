// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace torvex {

// Fixed-point text of x with `decimals` decimals, padded with blanks on the
// left to at least `width` characters (never cut). The value is first written
// to 18 significant digits; the rounding to `decimals` is then decided on that
// text, halves away from zero. "." is always the decimal mark; no decimal mark
// when decimals is 0. A zero of either sign is written without "-"; a negative
// value that rounds to zero keeps it ("-0.000").
// x must be finite: callers check for floating-point faults first.
std::string FormatFixed(long double x, int width, int decimals);

// SI scaling of a value in a base unit: T, G, M, k, none, m, µ, n, p.
// Three decimals. Zero is "0.000" with no prefix; negative values fall into
// the "p" row.
std::string FormatScaled(long double x);
// The prefix of FormatScaled's row joined to `unit` ("µH"). The unit text
// "Ohm" is dropped (the prefix alone); a zero value gives the unit alone.
std::string ScalePrefix(std::string_view unit, long double x);

// A length in metres, scaled to Tm, Gm, Mm, km, m, cm (two decimals), mm
// (also for 1 µm up to 1 mm), nm or pm. Zero is "0.000" "m".
std::string FormatLengthScaled(long double metres);
std::string LengthPrefix(long double metres);

// A length in millimetres shown in inches (below 304.8 mm, also zero and
// negative), feet (below 914.4 mm) or yards, three decimals. The unit texts
// are " in", " ft", " yd".
std::string FormatImperialLength(long double millimetres);
std::string ImperialLengthUnit(long double millimetres);

// The scale factors of the rows above, exposed so a calculator can check the
// multiplication for overflow before it formats.
long double ScaleFactor(long double x);
long double LengthScaleFactor(long double metres);

} // namespace torvex
