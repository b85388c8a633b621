#pragma once

#include "calc/winding.h"

namespace torvex {

struct CopperResistanceInputs {
    std::string length;       // Edit1
    int lengthUnit = 0;       // ComboBox1 position ("m"; or "ft", "yd" in US units)
    std::string diameterText; // ComboBox2's text (metric: typed mm)
    int gaugeIndex = -1;      // ComboBox2's position in AwgNames (US units)
    std::string temperature;  // Edit3, °C; "-" and "" read as 0
};

// Edit1Change of the copper-resistance window: Label12 (warning), Label3
// (number or "xxx"), Label9 (prefix text, then its visibility, which also
// decides where the ohm sign stands).
Outcome RecomputeCopperResistance(const CopperResistanceInputs& in, const Environment& env);

} // namespace torvex
