// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/outcome.h"
#include "calc/winding.h"

namespace torvex {

// A straight round wire.
struct StraightConductorInputs {
    std::string diameterText; // the diameter list's text: mm as typed (read in metric units)
    int gaugeIndex = -1;      // its position in AwgNames (used in US units)
    std::string length;       // mm, or inches in US units
    bool skinEffect = false;  // current only at the surface
};

struct StraightConductorShown {
    std::optional<std::string> inductance; // nH, 5:1; "xxx" for a zero diameter or length
};
using StraightConductorOutcome = Outcome<StraightConductorShown>;

StraightConductorOutcome RecomputeStraightConductor(const StraightConductorInputs& in, const Settings& settings);

} // namespace torvex
