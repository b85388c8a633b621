// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/catalogue_page.h"
#include "calc/outcome.h"

namespace torvex {

// What the page of AMIDON ferrite FT cores shows for its selection.
struct FerriteFtShown {
    // The material's frequency ranges in MHz as AMIDON prints them (decimal
    // comma); "" without a material.
    std::optional<std::string> resonantRange, wideBandRange, chokeRange;
    // Da, Di, h in mm (4:2), or in US units AMIDON's own inch texts ("0.000"
    // each without a size).
    std::optional<std::string> outerDiameter, innerDiameter, height;
    std::optional<std::string> permeability; // µi; "" without a material
    std::optional<std::string> al;           // nH/N² (5:2); " 0.00" when not made
    // False when the size is not made in the material or the selection is
    // incomplete; the results are then all 0 and the page says so.
    std::optional<bool> made;
    WindingShown winding;
};
using FerriteFtOutcome = Outcome<FerriteFtShown>;

FerriteFtOutcome RecomputeFerriteFt(const CataloguePageInputs& in, const Settings& settings);

} // namespace torvex
