// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "format/calc_error.h"

namespace torvex {

// Reads a typed number. Accepted form, as a whole:
//   blanks* [+|-] (digits with at most one separator; at least one digit or
//   the separator) [(E|e) [+|-] digits*] blanks*
// Only the space counts as a blank. The separator is the locale's decimal
// separator text; a lone separator reads 0, ".5" reads 0.5, "5E" and "5E+"
// read 5. A value too large for long double fails; one too small reads 0.
// An empty separator text stands for "." (the program always has a locale
// separator; this keeps a missing one from making every fraction unreadable).
// Returns nothing when the text does not have that form.
std::optional<long double> ParseNumber(std::string_view text, std::string_view decimalSeparator);

// As ParseNumber, but an empty text reads 0 and a failure throws
// CalcError::conversion(text).
long double ReadNumberField(std::string_view text, std::string_view decimalSeparator);

} // namespace torvex
