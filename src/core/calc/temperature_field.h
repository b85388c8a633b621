// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "format/number_reader.h"

namespace torvex {

// A temperature field has no key filter and may be empty or hold a lone "-"
// while a negative value is being typed: both read as zero, anything else as
// ReadNumberField reads it.
inline long double ReadTemperatureField(std::string_view text, std::string_view decimalSeparator) {
    if (text == "-")
        text = "-0";
    return ReadNumberField(text, decimalSeparator);
}

} // namespace torvex
