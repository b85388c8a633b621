// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/outcome.h"
#include "calc/winding.h"

namespace torvex {

// One row of the resonant-circuit window: two typed numbers and the
// positions of their unit lists.
struct ResonanceRowInputs {
    std::string first;
    int firstUnit = 0;
    std::string second;
    int secondUnit = 0;
};

// The row's result: "xxx" (unit left as it was) when either typed number is
// 0, else the value scaled to three decimals and its SI prefix with the unit.
struct ResonanceShown {
    std::optional<std::string> value;
    std::optional<std::string> unit; // e.g. "MHz", "pF", "µH"
};
using ResonanceOutcome = Outcome<ResonanceShown>;

// f from L (position in InductanceUnitNames) and C (CapacitanceUnitNames).
ResonanceOutcome RecomputeResonantFrequency(const ResonanceRowInputs& in, const Settings& settings);
// C from L (InductanceUnitNames) and f (FrequencyUnitNames).
ResonanceOutcome RecomputeResonantCapacitance(const ResonanceRowInputs& in, const Settings& settings);
// L from C (CapacitanceUnitNames) and f (FrequencyUnitNames).
ResonanceOutcome RecomputeResonantInductance(const ResonanceRowInputs& in, const Settings& settings);

} // namespace torvex
