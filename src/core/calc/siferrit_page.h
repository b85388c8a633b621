// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "calc/catalogue_page.h"
#include "calc/outcome.h"

namespace torvex {

// The EPCOS ordering code of the chosen ring, or that there is none because
// the size is not made in the material (or the selection is incomplete).
struct SiferritOrdering {
    bool made = false;
    std::string code; // "B64290-K38-X830"; empty when not made

    bool operator==(const SiferritOrdering&) const = default;
};

// What the page of EPCOS SIFERRIT cores shows for its selection.
struct SiferritShown {
    // Da, Di, h in mm (4:2), or in US units EPCOS's own inch texts ("0.000"
    // each without a size).
    std::optional<std::string> outerDiameter, innerDiameter, height;
    std::optional<std::string> permeability; // µi; "" without a material
    std::optional<std::string> al;           // nH/N² (4:0); "   0" when not made
    std::optional<SiferritOrdering> ordering;
    // In the settings' language; "" when not made.
    std::optional<std::string> application;
    std::optional<std::string> frequencyRange; // as EPCOS prints it; "" when not made
    // The same fact as ordering.made, reached later: a run that fails before
    // the turns leaves it unset.
    std::optional<bool> made;
    WindingShown winding;
};
using SiferritOutcome = Outcome<SiferritShown>;

SiferritOutcome RecomputeSiferrit(const CataloguePageInputs& in, const Settings& settings);

} // namespace torvex
