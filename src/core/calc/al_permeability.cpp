// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/al_permeability.h"

#include <cmath>

#include "calc/fp_step.h"
#include "format/number_format.h"
#include "format/number_reader.h"

namespace torvex {

namespace {
constexpr long double kOneOverPi = 0.3183098861837907L;
} // namespace

AlPermeabilityOutcome RecomputeAlPermeability(const AlPermeabilityInputs& in, const Settings& settings) {
    return Calculate<AlPermeabilityShown>([&](AlPermeabilityShown& shown) {
        const std::string_view sep = settings.decimalSeparator;
        FpSteps steps;
        const long double turns = ReadNumberField(in.turns, sep);
        const long double microhenry = ReadNumberField(in.inductance, sep);

        // AL in nH/N² from the test winding, shown before the dimensions are
        // read.
        long double al = 0;
        if (turns == 0) {
            shown.al = "xxx";
        } else {
            steps.begin();
            al = microhenry / (turns * turns) * 1000;
            steps.end(al);
            shown.al = FormatFixed(al, 5, 2);
        }

        const long double da = ReadNumberField(in.da, sep);
        const long double di = ReadNumberField(in.di, sep);
        const long double h = ReadNumberField(in.h, sep);
        const long double coating = ReadNumberField(in.coating, sep);

        // The magnetic core lies inside its coating.
        steps.begin();
        const long double da2 = da - 2 * coating;
        const long double di2 = di + 2 * coating;
        const long double h2 = h - 2 * coating;
        steps.end(da2, di2, h2);
        if (da2 <= 0 || di2 <= 0 || di2 >= da2 || h2 <= 0) {
            shown.crossSection = "xxx";
            shown.pathLength = "xxx";
            shown.permeability = "xxx";
            shown.coreFactor = "";
            return;
        }

        // Effective path length and cross-section of a rectangular ring
        // (le = π·ln(r)·Da·Di/(Da − Di), Ae = h·ln²(r)·Da·Di/(2·(Da − Di))),
        // and µi = AL·le/(µ0·Ae) with AL in H and S in 1/m.
        steps.begin();
        const long double r = da2 / di2;
        const long double lnR = std::log(r);
        const long double le = lnR * kPi * da2 / (r - 1);
        const long double ae = lnR * lnR * h2 * da2 / ((r - 1) * 2);
        const long double s = le / ae;
        const long double mu = al * 2.5L * s * kOneOverPi;
        steps.end(le, ae, s, mu);
        shown.crossSection = FormatFixed(ae, 3, 1);
        shown.pathLength = FormatFixed(le, 3, 1);
        shown.coreFactor = FormatFixed(s, 3, 1);
        shown.permeability = FormatFixed(mu, 3, 1);
    });
}

} // namespace torvex
