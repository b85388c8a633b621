#pragma once

#include "calc/winding.h"

namespace torvex {

struct StraightConductorInputs {
    std::string diameterText; // ComboBox21's text (metric: typed mm)
    int gaugeIndex = -1;      // ComboBox21's position in AwgNames (US units)
    std::string length;       // Edit23, mm or in
    bool skinEffect = false;  // RadioButton2 selected
};

// ComboBox21Change: Label170.
Outcome RecomputeStraightConductor(const StraightConductorInputs& in, const Environment& env);

} // namespace torvex
