// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/outcome.h"
#include "calc/winding.h"

namespace torvex {

// A test winding on a core of unknown material.
struct AlPermeabilityInputs {
    std::string turns;
    std::string inductance; // µH
    std::string da, di, h;  // mm
    std::string coating;    // thickness of the core's coating, mm
};

// AL comes first, before the dimensions are read. When the coated-off core
// has no valid shape, Ae, le and µi read "xxx" and S "".
struct AlPermeabilityShown {
    std::optional<std::string> al;           // nH/N², 5:2; "xxx" for 0 turns
    std::optional<std::string> crossSection; // Ae, mm², 3:1
    std::optional<std::string> pathLength;   // le, mm, 3:1
    std::optional<std::string> coreFactor;   // S = le / Ae, 1/mm, 3:1
    std::optional<std::string> permeability; // µi, 3:1
};
using AlPermeabilityOutcome = Outcome<AlPermeabilityShown>;

AlPermeabilityOutcome RecomputeAlPermeability(const AlPermeabilityInputs& in, const Settings& settings);

} // namespace torvex
