// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/catalogue_page.h"
#include "calc/outcome.h"
#include "catalogue/catalogue_types.h"

namespace torvex {

// What the page of Ferroxcube ring cores shows for its selection.
struct FerroxcubeShown {
    // Da, Di, h in mm (4:2), or converted to inches in US units (every size
    // is below a foot); "0.000" each without a size.
    std::optional<std::string> outerDiameter, innerDiameter, height;
    std::optional<std::string> al; // nH/N² (4:0); "   0" when not made
    // False when the size is not made in the material or the selection is
    // incomplete; the results are then all 0 and the page says so.
    std::optional<bool> made;
    WindingShown winding;
    // The material's data, only when a material is chosen; they come last,
    // so a failed run leaves the previous ones in place.
    std::optional<ColourCode> colourCode;    // painted on the core; halves may be unpainted
    std::optional<std::string> permeability; // µi
};
using FerroxcubeOutcome = Outcome<FerroxcubeShown>;

FerroxcubeOutcome RecomputeFerroxcube(const CataloguePageInputs& in, const Settings& settings);

} // namespace torvex
