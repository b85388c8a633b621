#include "calc/unknown_core.h"

#include "calc/winding_output.h"
#include "format/number_reader.h"

namespace torvex {

namespace {

constexpr WindingTargets kUnknownCoreTargets{
    .turns = "Label49", .wireDiameter = "Label31", .wireLength = "Label43", .wireLengthUnit = "Label167",
    .xl = "Label233", .xlPrefix = "Label235", .l2 = "Label50", .l2Unit = "Label53", .xl2 = "Label236",
    .xl2Prefix = "Label239", .unknownCore = true};

} // namespace

Outcome RecomputeUnknownCore(const UnknownCoreInputs& in, const Environment& env) {
    return RunCalculation([&](WriteList& out) {
        const std::string_view sep = env.decimalSeparator;
        // The unit factors are at most 1, so this product cannot overflow.
        const long double al = ReadNumberField(in.al, sep) * UnitFactor(AlUnitFactors, in.alUnit);

        const WindingFields fields{in.inductance, in.inductanceUnit, in.frequency, in.frequencyUnit, in.turns};
        WindingRun run(fields, env, kUnknownCoreTargets, &out);
        run.turns(al);
        // The dimensions are read only after the turns are shown, so a bad
        // dimension text leaves the turns updated and the wire results as
        // they were.
        const long double da = ReadNumberField(in.da, sep);
        const long double di = ReadNumberField(in.di, sep);
        const long double h = ReadNumberField(in.h, sep);
        run.results(da, di, h);
    });
}

std::string TakeOverAlText(std::string_view toolAlText, std::string_view decimalSeparator) {
    if (toolAlText.empty() || toolAlText == "xxx") return {};
    std::string text(toolAlText);
    // The tool window always writes "."; a leading blank stays, the number
    // reader accepts it.
    if (decimalSeparator == ",") {
        if (const auto dot = text.find('.'); dot != std::string::npos) text[dot] = ',';
    }
    return text;
}

} // namespace torvex
