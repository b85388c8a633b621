// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ferrite_ft_page.h"

#include "calc/catalogue_page_steps.h"
#include "catalogue/ferrite_ft.h"

namespace torvex {

FerriteFtOutcome RecomputeFerriteFt(const CataloguePageInputs& in, const Settings& settings) {
    return Calculate<FerriteFtShown>([&](FerriteFtShown& shown) {
        const CatalogueSelection sel = in.selection;
        const CoreSizeWithInches* size = RowAt(FtSizeTable, sel.size);
        const FtMaterial* material = RowAt(FtMaterialTable, sel.material);

        shown.resonantRange = material ? std::string(material->resonant) : std::string();
        shown.wideBandRange = material ? std::string(material->wideBand) : std::string();
        shown.chokeRange = material ? std::string(material->choke) : std::string();
        ShowDimensionsWithInchTexts(shown, size, settings);
        shown.permeability = material ? std::to_string(material->mu) : std::string();
        // mH per (1000 turns)² is the same number as nH/N².
        const long double al = AlAt(FtAlTable, sel.size, sel.material);
        shown.al = FormatFixed(al, 5, 2);
        ShowWinding(shown, size, al, in.fields, settings);
    });
}

} // namespace torvex
