// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/winding.h"

#include <cmath>

#include "calc/winding_run.h"
#include "format/number_format.h"
#include "format/number_reader.h"
#include "format/wire_gauge.h"

namespace torvex {

long double SingleLayerWireDiameter(long double di, long double n) {
    // The wires lie against the inside of the hole, so their centres sit on a
    // circle of diameter Di − D; neighbouring centres are a chord of that
    // circle apart, (Di − D)·sin(π/N), and that chord must be at least D.
    // Sharing the inner circumference π·Di among the turns would ignore the
    // wire's own thickness and overstate the wire, more so for few turns.
    if (n >= 2) {
        const long double s = std::sin(kPi / n);
        return di * s / (1.0L + s);
    }
    // Between one and two turns the wire still passes the hole twice, two
    // wires side by side across it; a single pass may fill the hole.
    if (n > 1)
        return di / 2;
    return n > 0 ? di : 0.0L;
}

void WindingRun::turns(long double alNanohenry) {
    WindingResult& r = m_result;

    m_steps.begin();
    r.A = alNanohenry * 1e-9L;
    m_steps.end(r.A);

    const long double typed = ReadNumberField(m_fields.inductance, m_settings.decimalSeparator);
    m_steps.begin();
    r.L = typed * UnitFactor(InductanceUnitFactors, m_fields.inductanceUnit);
    m_steps.end(r.L);

    // L = A * N^2 is the winding law of a toroid with AL per turn squared.
    r.available = r.A != 0;
    if (r.available) {
        m_steps.begin();
        r.N = std::sqrt(r.L / r.A);
        m_steps.end(r.N);
    } else {
        r.N = 0;
        if (!m_style.unknownCore)
            r.L = 0;
    }
    if (!m_shown)
        return;

    if (m_style.unknownCore) {
        show(&WindingShown::turns, r.available ? FormatFixed(r.N, 3, 0) : std::string("xxx"));
        return;
    }
    if (m_made)
        *m_made = r.available;
    // N stays unrounded for every later step; only the text is rounded.
    show(&WindingShown::turns, FormatFixed(r.N, 3, 1));
}

void WindingRun::results(long double da, long double di, long double h) {
    WindingResult& r = m_result;
    const bool us = m_settings.usUnits();

    // One turn runs once around the rectangular cross-section (twice the
    // height plus twice the wall width), nothing added for leads, in cm.
    m_steps.begin();
    r.D = SingleLayerWireDiameter(di, r.N);
    r.len = (2.0L * h + (da - di)) * r.N * 0.1L;
    m_steps.end(r.D, r.len);

    show(&WindingShown::wireDiameter, us ? DiameterToAwg(r.D) : FormatFixed(r.D, 3, 2));

    if (us) {
        m_steps.begin();
        const long double mm = r.len * 10.0L;
        m_steps.end(mm);
        show(&WindingShown::wireLength, FormatImperialLength(mm));
        show(&WindingShown::wireLengthUnit, ImperialLengthUnit(mm));
    } else {
        show(&WindingShown::wireLength, FormatFixed(r.len, 3, 0));
        if (m_style.metricLengthUnit)
            show(&WindingShown::wireLengthUnit, " cm");
    }

    const long double typedF = ReadNumberField(m_fields.frequency, m_settings.decimalSeparator);
    m_steps.begin();
    r.f = typedF * UnitFactor(FrequencyUnitFactors, m_fields.frequencyUnit);
    m_steps.end(r.f);

    m_steps.begin();
    r.XL = kTwoPi * r.f * r.L;
    m_steps.end(r.XL, ScaledForDisplay(r.XL));
    show(&WindingShown::reactance, FormatScaled(r.XL));
    show(&WindingShown::reactancePrefix, ScalePrefix("", r.XL));

    r.n = ReadNumberField(m_fields.turns, m_settings.decimalSeparator);
    m_steps.begin();
    r.L2 = r.A * r.n * r.n;
    m_steps.end(r.L2, ScaledForDisplay(r.L2));
    show(&WindingShown::inductanceOfTurns, FormatScaled(r.L2));
    show(&WindingShown::inductanceOfTurnsUnit, ScalePrefix("H", r.L2));

    m_steps.begin();
    r.XL2 = kTwoPi * r.f * r.L2;
    m_steps.end(r.XL2, ScaledForDisplay(r.XL2));
    show(&WindingShown::reactanceOfTurns, FormatScaled(r.XL2));
    show(&WindingShown::reactanceOfTurnsPrefix, ScalePrefix("", r.XL2));
}

WindingResult CalculateWinding(long double da, long double di, long double h, long double alNanohenry,
                               const WindingFields& fields, const Settings& settings) {
    WindingRun run(fields, settings, {}, nullptr, nullptr);
    run.turns(alNanohenry);
    run.results(da, di, h);
    return run.result();
}

} // namespace torvex
