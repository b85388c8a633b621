#include "calc/conversion.h"

#include "calc/fp_step.h"
#include "calc/temperature_field.h"
#include "format/number_format.h"
#include "format/number_reader.h"
#include "format/wire_gauge.h"

namespace torvex {

Outcome RecomputeImperialToMetric(std::string_view text, int unit, const Environment& env) {
    return RunCalculation([&](WriteList& out) {
        const long double value = ReadNumberField(text, env.decimalSeparator);
        FpSteps steps;
        steps.begin();
        // Applied in this order: inches, feet, yards, then millimetres to metres.
        long double metres = value * 25.4L;
        if (unit >= 1) metres = metres * 12;
        if (unit >= 2) metres = metres * 3;
        metres = metres * 0.001L;
        steps.end(metres, LengthScaledForDisplay(metres));
        out.text("Label1", FormatLengthScaled(metres));
        out.text("Label6", LengthPrefix(metres));
    });
}

Outcome RecomputeMetricToImperial(std::string_view text, int unit, const Environment& env) {
    return RunCalculation([&](WriteList& out) {
        const long double value = ReadNumberField(text, env.decimalSeparator);
        FpSteps steps;
        steps.begin();
        const long double mm = unit == 1 ? value * 10 : unit == 2 ? value * 1000 : value;
        steps.end(mm);
        out.text("Label2", FormatImperialLength(mm));
        out.text("Label5", ImperialLengthUnit(mm));
    });
}

Outcome RecomputeGaugeDiameter(int index) {
    return RunCalculation([&](WriteList& out) {
        if (index < 0 || static_cast<std::size_t>(index) >= AwgNames.size()) return;
        const long double inches = AwgDiameterInches(GaugeNumber(AwgNames[static_cast<std::size_t>(index)]));
        out.text("Label3", FormatFixed(inches * 25.4L, 3, 3));
        out.text("Label13", FormatFixed(inches, 3, 6) + " in");
    });
}

Outcome RecomputeFahrenheit(std::string_view text, const Environment& env) {
    return RunCalculation([&](WriteList& out) {
        const long double fahrenheit = ReadTemperatureField(text, env.decimalSeparator);
        FpSteps steps;
        steps.begin();
        constexpr long double kNinth = 1.0L / 9.0L;
        const long double celsius = (fahrenheit - 32) * 5 * kNinth;
        steps.end(celsius);
        out.text("Label4", FormatFixed(celsius, 3, 1));
    });
}

} // namespace torvex
