#pragma once

#include "calc/winding.h"

namespace torvex {

struct UnknownCoreInputs {
    std::string al;          // Edit20
    int alUnit = 0;          // ComboBox7 position
    std::string inductance;  // Edit4
    int inductanceUnit = 1;  // ComboBox8
    std::string da, di, h;   // Edit6, Edit7, Edit21, always mm
    std::string frequency;   // Edit27
    int frequencyUnit = 1;   // ComboBox20
    std::string turns;       // Edit5
};

// Edit4Change: writes Label49, Label31, Label43, Label167, Label233, Label235,
// Label50, Label53, Label236, Label239.
Outcome RecomputeUnknownCore(const UnknownCoreInputs& in, const Environment& env);

// The text that the AL field receives when the user takes the AL value over
// from the AL-and-µi window, whose AL label shows `toolAlText`: empty for an
// empty text or "xxx", else the text with its first "." turned into "," when
// the locale's separator is ",".
std::string TakeOverAlText(std::string_view toolAlText, std::string_view decimalSeparator);

} // namespace torvex
