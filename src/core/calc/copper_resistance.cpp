// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/copper_resistance.h"

#include "calc/fp_step.h"
#include "calc/temperature_field.h"
#include "format/number_format.h"
#include "format/number_reader.h"
#include "format/wire_gauge.h"

namespace torvex {

namespace {

constexpr long double kResistivity = 0.0175L;      // Ω·mm²/m, copper at 20 °C
constexpr long double kTemperatureCoeff = 0.0038L; // per kelvin, linear around 20 °C
constexpr long double kReferenceCelsius = 20.0L;
constexpr long double kLowestCelsius = -200.0L;
constexpr long double kHighestCelsius = 250.0L;

} // namespace

CopperResistanceOutcome RecomputeCopperResistance(const CopperResistanceInputs& in, const Settings& settings) {
    return Calculate<CopperResistanceShown>([&](CopperResistanceShown& shown) {
        const std::string_view sep = settings.decimalSeparator;
        // Every input is read before anything is shown.
        long double metres = ReadNumberField(in.length, sep);
        long double diameterMm = 0;
        if (settings.usUnits()) {
            if (in.lengthUnit == 0)
                metres *= 0.3048L; // ft
            if (in.lengthUnit == 1)
                metres *= 0.9144L; // yd
            // No gauge chosen reads like an empty diameter.
            if (in.gaugeIndex >= 0 && static_cast<std::size_t>(in.gaugeIndex) < AwgNames.size())
                diameterMm = AwgDiameterInches(GaugeNumber(AwgNames[static_cast<std::size_t>(in.gaugeIndex)])) * 25.4L;
        } else {
            diameterMm = ReadNumberField(in.diameterText, sep);
        }
        const long double celsius = ReadTemperatureField(in.temperature, sep);

        const bool tooCold = celsius < kLowestCelsius;
        const bool tooHot = celsius > kHighestCelsius;
        shown.warning = tooCold ? "t < -200 °C" : tooHot ? "t > 250 °C" : "";
        if (diameterMm <= 0 || tooCold || tooHot) {
            shown.resistance = "xxx";
            return;
        }

        FpSteps steps;
        steps.begin();
        const long double r20 = kResistivity * 4 * metres / (kPi * diameterMm * diameterMm);
        const long double ohms = ((celsius - kReferenceCelsius) * kTemperatureCoeff + 1) * r20;
        steps.end(r20, ohms, ScaledForDisplay(ohms));
        std::string prefix = ScalePrefix("", ohms);
        shown.resistance = FormatScaled(ohms);
        shown.hasPrefix = !prefix.empty();
        shown.prefix = std::move(prefix);
    });
}

} // namespace torvex
