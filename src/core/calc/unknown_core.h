// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "calc/outcome.h"
#include "calc/winding.h"

namespace torvex {

// The typed texts and list positions of the page for a core of unknown make.
struct UnknownCoreInputs {
    std::string al;         // AL as typed
    int alUnit = 0;         // position in AlUnitNames
    std::string inductance; // wanted inductance
    int inductanceUnit = 1; // position in InductanceUnitNames
    std::string da, di, h;  // core dimensions, always mm
    std::string frequency;  // working frequency
    int frequencyUnit = 1;  // position in FrequencyUnitNames
    std::string turns;      // turns of the second calculation
};

// What the page shows: the winding results alone. Without an AL the turns
// read "xxx" and the rest is computed with 0 turns (XL keeps the wanted
// inductance); the turns are a whole number (3:0). The wire length's unit is
// set in US units only.
struct UnknownCoreShown {
    WindingShown winding;
};
using UnknownCoreOutcome = Outcome<UnknownCoreShown>;

UnknownCoreOutcome RecomputeUnknownCore(const UnknownCoreInputs& in, const Settings& settings);

// The text that the AL field receives when the user takes the AL over from
// the AL-and-µi window, which shows it as `shownAl`: empty for an empty text
// or "xxx", else the text with its first "." turned into "," when the
// locale's separator is ",".
std::string ShownAlAsEntryText(std::string_view shownAl, std::string_view decimalSeparator);

} // namespace torvex
