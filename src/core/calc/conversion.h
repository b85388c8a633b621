// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/outcome.h"
#include "settings.h"

namespace torvex {

// A length as typed and the position of its unit list.
struct LengthConversionInputs {
    std::string text;
    int unit = 0; // imperial: 0 in, 1 ft, 2 yd; metric: 0 mm, 1 cm, 2 m
};

struct LengthConversionShown {
    std::optional<std::string> length; // three decimals (two for centimetres)
    std::optional<std::string> unit;   // metric: "cm", "m", "km" ...; imperial: " in", " ft", " yd"
};
using LengthConversionOutcome = Outcome<LengthConversionShown>;

// Inches, feet or yards to the fitting metric unit.
LengthConversionOutcome RecomputeImperialToMetric(const LengthConversionInputs& in, const Settings& settings);
// Millimetres, centimetres or metres to the fitting imperial unit.
LengthConversionOutcome RecomputeMetricToImperial(const LengthConversionInputs& in, const Settings& settings);

struct GaugeDiameterInputs {
    int gaugeIndex = -1; // position in AwgNames
};

// Nothing is set without a gauge.
struct GaugeDiameterShown {
    std::optional<std::string> millimetres; // 3:3
    std::optional<std::string> inches;      // 3:6 and " in"
};
using GaugeDiameterOutcome = Outcome<GaugeDiameterShown>;

GaugeDiameterOutcome RecomputeGaugeDiameter(const GaugeDiameterInputs& in, const Settings& settings);

struct FahrenheitInputs {
    std::string text; // °F; "-" and "" read as 0
};

struct FahrenheitShown {
    std::optional<std::string> celsius; // 3:1
};
using FahrenheitOutcome = Outcome<FahrenheitShown>;

FahrenheitOutcome RecomputeFahrenheit(const FahrenheitInputs& in, const Settings& settings);

} // namespace torvex
