#include "calc/resonance.h"

#include <cmath>

#include "calc/fp_step.h"
#include "format/number_format.h"
#include "format/number_reader.h"

namespace torvex {

namespace {

constexpr long double kFourPiSquared = 39.478417604357434L;

struct RowLabels {
    std::string_view number;
    std::string_view unitLabel;
    std::string_view unit; // base unit joined to the prefix
};

// One row: reads both numbers, shows "xxx" (keeping the unit label) when
// either typed number is 0, else solves the row with the unit factors applied.
template <class Solve>
Outcome RecomputeRow(const ResonanceRowInputs& in, const Environment& env, RowLabels labels, Solve solve) {
    return RunCalculation([&](WriteList& out) {
        const long double first = ReadNumberField(in.first, env.decimalSeparator);
        const long double second = ReadNumberField(in.second, env.decimalSeparator);
        if (first == 0 || second == 0) {
            out.text(labels.number, "xxx");
            return;
        }
        FpSteps steps;
        steps.begin();
        const long double result = solve(first, second);
        steps.end(result, ScaledForDisplay(result));
        out.text(labels.number, FormatScaled(result));
        out.text(labels.unitLabel, ScalePrefix(labels.unit, result));
    });
}

} // namespace

Outcome RecomputeResonantFrequency(const ResonanceRowInputs& in, const Environment& env) {
    return RecomputeRow(in, env, {"Label1", "Label2", "Hz"}, [&](long double l, long double c) {
        l *= UnitFactor(InductanceUnitFactors, in.firstUnit);
        c *= UnitFactor(CapacitanceUnitFactors, in.secondUnit);
        return 1 / (std::sqrt(l * c) * kTwoPi);
    });
}

Outcome RecomputeResonantCapacitance(const ResonanceRowInputs& in, const Environment& env) {
    return RecomputeRow(in, env, {"Label3", "Label4", "F"}, [&](long double l, long double f) {
        l *= UnitFactor(InductanceUnitFactors, in.firstUnit);
        f *= UnitFactor(FrequencyUnitFactors, in.secondUnit);
        return 1 / (kFourPiSquared * (f * f) * l);
    });
}

Outcome RecomputeResonantInductance(const ResonanceRowInputs& in, const Environment& env) {
    return RecomputeRow(in, env, {"Label5", "Label6", "H"}, [&](long double c, long double f) {
        c *= UnitFactor(CapacitanceUnitFactors, in.firstUnit);
        f *= UnitFactor(FrequencyUnitFactors, in.secondUnit);
        return 1 / (kFourPiSquared * (f * f) * c);
    });
}

} // namespace torvex
