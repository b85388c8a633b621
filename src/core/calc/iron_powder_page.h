// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/catalogue_page.h"
#include "calc/outcome.h"
#include "catalogue/catalogue_types.h"

namespace torvex {

// What the page of AMIDON iron-powder cores shows for its selection.
struct IronPowderShown {
    // Da, Di, h in mm (4:2), or in US units AMIDON's own inch texts ("0.000"
    // each without a size).
    std::optional<std::string> outerDiameter, innerDiameter, height;
    std::optional<std::string> al; // nH/N² (5:2); " 0.00" when not made
    // False when the size is not made in the mix or the selection is
    // incomplete; the results are then all 0 and the page says so.
    std::optional<bool> made;
    WindingShown winding;
    // The mix's data, only when a mix is chosen; they come last, so a failed
    // run leaves the previous ones in place.
    std::optional<ColourCode> colourCode;      // painted on the core
    std::optional<std::string> frequencyRange; // MHz, as AMIDON prints it (decimal comma)
    std::optional<std::string> permeability;   // µi
};
using IronPowderOutcome = Outcome<IronPowderShown>;

IronPowderOutcome RecomputeIronPowder(const CataloguePageInputs& in, const Settings& settings);

} // namespace torvex
