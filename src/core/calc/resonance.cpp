// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/resonance.h"

#include <cmath>

#include "calc/fp_step.h"
#include "format/number_format.h"
#include "format/number_reader.h"

namespace torvex {

namespace {

constexpr long double kFourPiSquared = 39.478417604357434L;

// One row: reads both numbers, shows "xxx" (the unit stays as it was) when
// either typed number is 0, else solves the row with the unit factors applied.
template <class Solve>
ResonanceOutcome RecomputeRow(const ResonanceRowInputs& in, const Settings& settings, std::string_view unit,
                              Solve solve) {
    return Calculate<ResonanceShown>([&](ResonanceShown& shown) {
        const long double first = ReadNumberField(in.first, settings.decimalSeparator);
        const long double second = ReadNumberField(in.second, settings.decimalSeparator);
        if (first == 0 || second == 0) {
            shown.value = "xxx";
            return;
        }
        FpSteps steps;
        steps.begin();
        const long double result = solve(first, second);
        steps.end(result, ScaledForDisplay(result));
        shown.value = FormatScaled(result);
        shown.unit = ScalePrefix(unit, result);
    });
}

} // namespace

ResonanceOutcome RecomputeResonantFrequency(const ResonanceRowInputs& in, const Settings& settings) {
    return RecomputeRow(in, settings, "Hz", [&](long double l, long double c) {
        l *= UnitFactor(InductanceUnitFactors, in.firstUnit);
        c *= UnitFactor(CapacitanceUnitFactors, in.secondUnit);
        return 1 / (std::sqrt(l * c) * kTwoPi);
    });
}

ResonanceOutcome RecomputeResonantCapacitance(const ResonanceRowInputs& in, const Settings& settings) {
    return RecomputeRow(in, settings, "F", [&](long double l, long double f) {
        l *= UnitFactor(InductanceUnitFactors, in.firstUnit);
        f *= UnitFactor(FrequencyUnitFactors, in.secondUnit);
        return 1 / (kFourPiSquared * (f * f) * l);
    });
}

ResonanceOutcome RecomputeResonantInductance(const ResonanceRowInputs& in, const Settings& settings) {
    return RecomputeRow(in, settings, "H", [&](long double c, long double f) {
        c *= UnitFactor(CapacitanceUnitFactors, in.firstUnit);
        f *= UnitFactor(FrequencyUnitFactors, in.secondUnit);
        return 1 / (kFourPiSquared * (f * f) * c);
    });
}

} // namespace torvex
