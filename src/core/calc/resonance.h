#pragma once

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

// Edit1Change: L (Edit1/ComboBox1) and C (Edit2/ComboBox2) -> f in Label1, Label2.
Outcome RecomputeResonantFrequency(const ResonanceRowInputs& in, const Environment& env);
// Edit3Change: L (Edit3/ComboBox3) and f (Edit4/ComboBox4) -> C in Label3, Label4.
Outcome RecomputeResonantCapacitance(const ResonanceRowInputs& in, const Environment& env);
// Edit5Change: C (Edit5/ComboBox5) and f (Edit6/ComboBox6) -> L in Label5, Label6.
Outcome RecomputeResonantInductance(const ResonanceRowInputs& in, const Environment& env);

} // namespace torvex
