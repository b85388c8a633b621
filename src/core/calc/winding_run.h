// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/fp_step.h"
#include "calc/winding.h"

namespace torvex {

// The core pages' calculators share this; it is not part of their interface.

// Where the core pages differ in showing the winding results.
struct WindingStyle {
    // The unknown-cores page: a missing AL shows "xxx" as the turns and keeps
    // the wanted inductance (so XL is still that of the typed value), there
    // is no made state to show, and the turns are shown as a whole number.
    bool unknownCore = false;
    // Also show " cm" as the wire length's unit in metric units.
    bool metricLengthUnit = false;
};

// The winding calculation of one page run, setting each shown field as soon
// as its step completes. Without `shown` it only computes.
class WindingRun {
public:
    // `made` receives whether the core is made (catalogue pages only).
    WindingRun(const WindingFields& fields, const Settings& settings, WindingStyle style, WindingShown* shown,
               std::optional<bool>* made)
        : m_fields(fields), m_settings(settings), m_style(style), m_shown(shown), m_made(made) {}

    // AL in nH/N², the wanted inductance, availability and the turns.
    void turns(long double alNanohenry);
    // Wire diameter and length from the core's dimensions (mm), then XL, the
    // inductance of the typed turns and its XL.
    void results(long double da, long double di, long double h);

    const WindingResult& result() const { return m_result; }

private:
    void show(std::optional<std::string> WindingShown::*field, std::string text) {
        if (m_shown)
            m_shown->*field = std::move(text);
    }

    const WindingFields& m_fields;
    const Settings& m_settings;
    WindingStyle m_style;
    WindingShown* m_shown;
    std::optional<bool>* m_made;
    FpSteps m_steps;
    WindingResult m_result;
};

} // namespace torvex
