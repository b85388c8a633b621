// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/air_coil.h"

#include <cmath>
#include <string>

#include "calc/fp_step.h"
#include "format/number_format.h"
#include "format/number_reader.h"
#include "format/wire_gauge.h"

namespace torvex {

namespace {

constexpr long double kPiSquared = 9.8696044010893586L;

// Entered lengths to centimetres: millimetres, or inches in US units.
long double ToCentimetres(long double value, const Settings& settings) {
    return value * (settings.usUnits() ? 2.54L : 0.1L);
}

} // namespace

long double NagaokaCoefficient(long double x) {
    if (x <= 1) {
        // Coil at least as long as its diameter.
        const long double x2 = x * x;
        return (1 + 0.383901L * x2 + 0.017108L * x2 * x2) / (1 + 0.258952L * x2) - 4 * x / (3 * kPi);
    }
    // Short coil, in y = (length / D)². 0.6366198 is Lundin's rounded 2/π and
    // is kept as he wrote it.
    const long double y = 1 / (x * x);
    const long double f1 = (1 + 0.383901L * y + 0.017108L * y * y) / (1 + 0.258952L * y);
    const long double f2 = 0.093842L * y + 0.002029L * y * y - 0.000801L * y * y * y;
    return ((std::log(4 * x) - 0.5L) * f1 + f2) * 0.6366198L / x;
}

CoilInductanceOutcome RecomputeCoilInductance(const CoilInductanceInputs& in, const Settings& settings) {
    return Calculate<CoilInductanceShown>([&](CoilInductanceShown& shown) {
        const std::string_view sep = settings.decimalSeparator;
        const long double n = ReadNumberField(in.turns, sep);
        const long double typedD = ReadNumberField(in.diameter, sep);
        const long double typedLen = ReadNumberField(in.length, sep);
        FpSteps steps;
        steps.begin();
        const long double d = ToCentimetres(typedD, settings);
        const long double len = ToCentimetres(typedLen, settings);
        steps.end(d, len);
        if (d == 0 || len == 0) {
            shown.inductance = "xxx";
            return;
        }
        steps.begin();
        const long double x = d / len;
        const long double k = NagaokaCoefficient(x);
        // π²·N²·D²/length·k nH, D and length in cm, to henries.
        const long double l = n * n * kPi * kPi * d * x * k * 1e-9L;
        steps.end(l, ScaledForDisplay(l));
        shown.inductanceUnit = ScalePrefix("H", l);
        shown.inductance = FormatScaled(l);
    });
}

CoilTurnsOutcome RecomputeCoilTurns(const CoilTurnsInputs& in, const Settings& settings) {
    return Calculate<CoilTurnsShown>([&](CoilTurnsShown& shown) {
        const std::string_view sep = settings.decimalSeparator;
        FpSteps steps;
        const long double typed = ReadNumberField(in.inductance, sep);
        steps.begin();
        const long double wantedNh = typed * UnitFactor(InductanceUnitFactors, in.inductanceUnit) * 1e9L;
        steps.end(wantedNh);
        const long double typedD = ReadNumberField(in.diameter, sep);
        const long double typedLen = ReadNumberField(in.length, sep);
        steps.begin();
        const long double d = ToCentimetres(typedD, settings);
        const long double len = ToCentimetres(typedLen, settings);
        steps.end(d, len);
        if (d == 0 || len == 0) {
            shown.turns = "xxx";
            shown.wireLength = "";
            shown.wireDiameter = "";
            return;
        }

        steps.begin();
        const long double x = d / len;
        const long double n = std::sqrt(wantedNh / (kPiSquared * d * x * NagaokaCoefficient(x)));
        steps.end(n);
        std::string turnsText = FormatFixed(n, 5, 1);

        // One circumference per turn, without leads, in metres. Only the
        // product that the shown text needs is checked.
        steps.begin();
        const long double wire = n * kPi * d * 0.01L;
        std::string wireText;
        if (settings.usUnits()) {
            const long double wireMm = wire * 1000;
            steps.end(wireMm);
            shown.wireLengthUnit = ImperialLengthUnit(wireMm);
            wireText = FormatImperialLength(wireMm);
        } else {
            steps.end(wire, LengthScaledForDisplay(wire));
            shown.wireLengthUnit = LengthPrefix(wire);
            wireText = FormatLengthScaled(wire);
        }

        // The coil length shared out over the turns, in metres.
        std::string diameterText = "xxx";
        if (n > 0) {
            steps.begin();
            const long double dmax = len / (n * 100);
            if (settings.usUnits()) {
                const long double dmaxMm = dmax * 1000;
                steps.end(dmaxMm);
                shown.wireDiameterUnit = " AWG";
                diameterText = DiameterToAwg(dmaxMm);
            } else {
                steps.end(dmax, LengthScaledForDisplay(dmax));
                shown.wireDiameterUnit = LengthPrefix(dmax);
                diameterText = FormatLengthScaled(dmax);
            }
        }

        // The three results appear together, after their units.
        shown.turns = std::move(turnsText);
        shown.wireLength = std::move(wireText);
        shown.wireDiameter = std::move(diameterText);
    });
}

} // namespace torvex
