// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/conversion.h"

#include "calc/fp_step.h"
#include "calc/temperature_field.h"
#include "format/number_format.h"
#include "format/number_reader.h"
#include "format/wire_gauge.h"

namespace torvex {

LengthConversionOutcome RecomputeImperialToMetric(const LengthConversionInputs& in, const Settings& settings) {
    return Calculate<LengthConversionShown>([&](LengthConversionShown& shown) {
        const long double value = ReadNumberField(in.text, settings.decimalSeparator);
        FpSteps steps;
        steps.begin();
        // Applied in this order: inches, feet, yards, then millimetres to metres.
        long double metres = value * 25.4L;
        if (in.unit >= 1)
            metres = metres * 12;
        if (in.unit >= 2)
            metres = metres * 3;
        metres = metres * 0.001L;
        steps.end(metres, LengthScaledForDisplay(metres));
        shown.length = FormatLengthScaled(metres);
        shown.unit = LengthPrefix(metres);
    });
}

LengthConversionOutcome RecomputeMetricToImperial(const LengthConversionInputs& in, const Settings& settings) {
    return Calculate<LengthConversionShown>([&](LengthConversionShown& shown) {
        const long double value = ReadNumberField(in.text, settings.decimalSeparator);
        FpSteps steps;
        steps.begin();
        const long double mm = in.unit == 1 ? value * 10 : in.unit == 2 ? value * 1000 : value;
        steps.end(mm);
        shown.length = FormatImperialLength(mm);
        shown.unit = ImperialLengthUnit(mm);
    });
}

GaugeDiameterOutcome RecomputeGaugeDiameter(const GaugeDiameterInputs& in, const Settings&) {
    return Calculate<GaugeDiameterShown>([&](GaugeDiameterShown& shown) {
        const int index = in.gaugeIndex;
        if (index < 0 || static_cast<std::size_t>(index) >= AwgNames.size())
            return;
        const long double inches = AwgDiameterInches(GaugeNumber(AwgNames[static_cast<std::size_t>(index)]));
        shown.millimetres = FormatFixed(inches * 25.4L, 3, 3);
        shown.inches = FormatFixed(inches, 3, 6) + " in";
    });
}

FahrenheitOutcome RecomputeFahrenheit(const FahrenheitInputs& in, const Settings& settings) {
    return Calculate<FahrenheitShown>([&](FahrenheitShown& shown) {
        const long double fahrenheit = ReadTemperatureField(in.text, settings.decimalSeparator);
        FpSteps steps;
        steps.begin();
        constexpr long double kNinth = 1.0L / 9.0L;
        const long double celsius = (fahrenheit - 32) * 5 * kNinth;
        steps.end(celsius);
        shown.celsius = FormatFixed(celsius, 3, 1);
    });
}

} // namespace torvex
