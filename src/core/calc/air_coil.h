// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/outcome.h"
#include "calc/winding.h"

namespace torvex {

// Nagaoka's coefficient by Lundin's approximation, x = D / length.
long double NagaokaCoefficient(long double x);

// A single-layer cylinder coil: its turns, diameter and length as typed
// (diameter and length in mm, or inches in US units).
struct CoilInductanceInputs {
    std::string turns;
    std::string diameter;
    std::string length;
};

struct CoilInductanceShown {
    std::optional<std::string> inductanceUnit; // SI prefix and "H"; not set with "xxx"
    std::optional<std::string> inductance;     // scaled to three decimals; "xxx" for a zero diameter or length
};
using CoilInductanceOutcome = Outcome<CoilInductanceShown>;

CoilInductanceOutcome RecomputeCoilInductance(const CoilInductanceInputs& in, const Settings& settings);

// The turns for a wanted inductance on a coil of typed diameter and length
// (mm, or inches in US units).
struct CoilTurnsInputs {
    std::string inductance;
    int inductanceUnit = 1; // position in InductanceUnitNames
    std::string diameter;
    std::string length;
};

// The unit texts come first and the three results together after them; for
// a zero diameter or length only the results are set ("xxx", "", "").
struct CoilTurnsShown {
    std::optional<std::string> wireLengthUnit;   // length prefix and "m"; " in", " ft" or " yd" in US units
    std::optional<std::string> wireDiameterUnit; // length prefix and "m"; " AWG" in US units; not set for 0 turns
    std::optional<std::string> turns;            // 5:1
    std::optional<std::string> wireLength;       // wire for the turns, without leads
    std::optional<std::string> wireDiameter;     // largest wire that fits; the AWG gauge in US units;
                                                 // "xxx" for 0 turns
};
using CoilTurnsOutcome = Outcome<CoilTurnsShown>;

CoilTurnsOutcome RecomputeCoilTurns(const CoilTurnsInputs& in, const Settings& settings);

} // namespace torvex
