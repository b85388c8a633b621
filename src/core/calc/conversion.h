#pragma once

#include "calc/winding.h"

namespace torvex {

// Edit1Change: imperial length (unit 0 in, 1 ft, 2 yd) to metres: Label1, Label6.
Outcome RecomputeImperialToMetric(std::string_view text, int unit, const Environment& env);
// Edit2Change: metric length (unit 0 mm, 1 cm, 2 m) to imperial: Label2, Label5.
Outcome RecomputeMetricToImperial(std::string_view text, int unit, const Environment& env);
// ComboBox3Change: gauge at list position `index`: Label3 (mm), Label13 (in).
Outcome RecomputeGaugeDiameter(int index);
// Edit3Change: °F to °C in Label4; "-" and "" read as 0.
Outcome RecomputeFahrenheit(std::string_view text, const Environment& env);

} // namespace torvex
