// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/iron_powder_page.h"

#include "calc/catalogue_page_steps.h"
#include "catalogue/iron_powder.h"

namespace torvex {

IronPowderOutcome RecomputeIronPowder(const CataloguePageInputs& in, const Settings& settings) {
    return Calculate<IronPowderShown>([&](IronPowderShown& shown) {
        const CatalogueSelection sel = in.selection;
        const CoreSizeWithInches* size = RowAt(IronSizeTable, sel.size);
        const IronMix* mix = RowAt(IronMixTable, sel.material);

        ShowDimensionsWithInchTexts(shown, size, settings);
        // The catalogue is in µH per 100 turns; 0.1 makes it nH/N².
        const long double al = AlAt(IronAlTable, sel.size, sel.material) * 0.1L;
        shown.al = FormatFixed(al, 5, 2);
        ShowWinding(shown, size, al, in.fields, settings, {.metricLengthUnit = true});

        if (mix) {
            shown.colourCode = ColourCode{mix->upper, mix->lower};
            shown.frequencyRange = std::string(mix->frequencyRange);
            shown.permeability = std::to_string(mix->mu);
        }
    });
}

} // namespace torvex
