#pragma once

#include "calc/winding.h"

namespace torvex {

struct AlPermeabilityInputs {
    std::string turns;      // Edit1
    std::string inductance; // Edit2, µH
    std::string da, di, h;  // Edit3, Edit4, Edit5, mm
    std::string coating;    // Edit6, mm
};

// Edit1Change of the AL-and-µi window: Label4 (AL), then Label1 (Ae),
// Label2 (le), Label3 (S), Label5 (µi).
Outcome RecomputeAlPermeability(const AlPermeabilityInputs& in, const Environment& env);

} // namespace torvex
