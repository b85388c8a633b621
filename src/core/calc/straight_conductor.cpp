// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/straight_conductor.h"

#include <cmath>

#include "calc/fp_step.h"
#include "format/number_format.h"
#include "format/number_reader.h"
#include "format/wire_gauge.h"

namespace torvex {

StraightConductorOutcome RecomputeStraightConductor(const StraightConductorInputs& in, const Settings& settings) {
    return Calculate<StraightConductorShown>([&](StraightConductorShown& shown) {
        const std::string_view sep = settings.decimalSeparator;
        // The diameter text is read in both systems; in US units it is then
        // replaced by the selected gauge's diameter.
        const long double typedD = ReadNumberField(in.diameterText, sep);
        const long double typedLen = ReadNumberField(in.length, sep);
        FpSteps steps;
        steps.begin();
        long double d = typedD * 0.1L;
        if (settings.usUnits()) {
            const bool chosen = in.gaugeIndex >= 0 && static_cast<std::size_t>(in.gaugeIndex) < AwgNames.size();
            // No gauge chosen reads like an empty diameter.
            d = chosen ? AwgDiameterInches(GaugeNumber(AwgNames[static_cast<std::size_t>(in.gaugeIndex)])) * 2.54L
                       : 0.0L;
        }
        const long double len = typedLen * (settings.usUnits() ? 2.54L : 0.1L);
        steps.end(d, len);
        // Current only at the surface (skin effect) or spread evenly.
        const long double c = in.skinEffect ? 1.0L : 0.75L;
        if (d == 0 || len == 0) {
            shown.inductance = "xxx";
            return;
        }
        // 2·l·(ln(2l/r) − 3/4) nH for a round wire of radius r, l and r in cm.
        steps.begin();
        const long double l = 2 * len * (std::log(4 * len / d) - c);
        steps.end(l);
        shown.inductance = FormatFixed(l, 5, 1);
    });
}

} // namespace torvex
