// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Steps that the four catalogue pages share. Each page's Shown struct has the
// fields outerDiameter, innerDiameter, height, made and winding.

#include <array>
#include <string>

#include "calc/catalogue_page.h"
#include "calc/winding_run.h"
#include "format/number_format.h"

namespace torvex {

// The row at a list position, or nothing when no row is chosen.
template <class Row, std::size_t N> const Row* RowAt(const std::array<Row, N>& table, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < N ? &table[static_cast<std::size_t>(position)]
                                                                   : nullptr;
}

// Dimensions in mm (4:2). In US units the AMIDON and EPCOS pages show the
// makers' own inch texts, which are not all conversions of the millimetres.
template <class Shown, class Row>
void ShowDimensionsWithInchTexts(Shown& shown, const Row* row, const Settings& settings) {
    if (settings.usUnits()) {
        shown.outerDiameter = std::string(row ? row->daInch : "0.000");
        shown.innerDiameter = std::string(row ? row->diInch : "0.000");
        shown.height = std::string(row ? row->hInch : "0.000");
        return;
    }
    shown.outerDiameter = FormatFixed(row ? row->da : 0.0L, 4, 2);
    shown.innerDiameter = FormatFixed(row ? row->di : 0.0L, 4, 2);
    shown.height = FormatFixed(row ? row->h : 0.0L, 4, 2);
}

// Runs the winding calculation on a row's dimensions (all 0 without a row).
template <class Shown, class Row>
void ShowWinding(Shown& shown, const Row* size, long double alNanohenry, const WindingFields& fields,
                 const Settings& settings, WindingStyle style = {}) {
    WindingRun run(fields, settings, style, &shown.winding, &shown.made);
    run.turns(alNanohenry);
    if (size)
        run.results(size->da, size->di, size->h);
    else
        run.results(0, 0, 0);
}

} // namespace torvex
