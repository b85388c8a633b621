#pragma once

#include "calc/winding.h"

namespace torvex {

// Nagaoka's coefficient by Lundin's approximation, x = D / length.
long double NagaokaCoefficient(long double x);

struct CoilInductanceInputs {
    std::string turns;     // Edit8
    std::string diameter;  // Edit9, mm or in
    std::string length;    // Edit10, mm or in
};
// Edit8Change: Label57 (number or "xxx"), Label62 (prefix and "H").
Outcome RecomputeCoilInductance(const CoilInductanceInputs& in, const Environment& env);

struct CoilTurnsInputs {
    std::string inductance; // Edit14
    int inductanceUnit = 1; // ComboBox11
    std::string diameter;   // Edit15
    std::string length;     // Edit16
};
// Edit14Change: Label104, Label52, Label55, Label178, Label179.
Outcome RecomputeCoilTurns(const CoilTurnsInputs& in, const Environment& env);

} // namespace torvex
