// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/outcome.h"
#include "calc/winding.h"

namespace torvex {

struct CopperResistanceInputs {
    std::string length;       // as typed
    int lengthUnit = 0;       // position in the length list: "m"; in US units "ft", "yd"
    std::string diameterText; // the diameter list's text: mm as typed (read in metric units)
    int gaugeIndex = -1;      // its position in AwgNames (used in US units)
    std::string temperature;  // °C; "-" and "" read as 0
};

// Every input is read before anything is shown.
struct CopperResistanceShown {
    std::optional<std::string> warning;    // "t < -200 °C", "t > 250 °C" or ""
    std::optional<std::string> resistance; // Ω scaled to three decimals; "xxx" out of range or without a diameter
    std::optional<std::string> prefix;     // SI prefix of the resistance ("" for none); not set with "xxx"
    // Whether there is a prefix to show; without one the ohm sign stands
    // right after the number. Set together with `prefix`.
    std::optional<bool> hasPrefix;
};
using CopperResistanceOutcome = Outcome<CopperResistanceShown>;

CopperResistanceOutcome RecomputeCopperResistance(const CopperResistanceInputs& in, const Settings& settings);

} // namespace torvex
