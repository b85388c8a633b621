// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/siferrit_page.h"

#include "calc/catalogue_page_steps.h"
#include "catalogue/siferrit.h"

namespace torvex {

SiferritOutcome RecomputeSiferrit(const CataloguePageInputs& in, const Settings& settings) {
    return Calculate<SiferritShown>([&](SiferritShown& shown) {
        const CatalogueSelection sel = in.selection;
        const SiferritSize* size = RowAt(SiferritSizeTable, sel.size);
        const SiferritMaterial* material = RowAt(SiferritMaterialTable, sel.material);

        ShowDimensionsWithInchTexts(shown, size, settings);
        const long double al = AlAt(SiferritAlTable, sel.size, sel.material);
        shown.permeability = material ? std::to_string(material->mu) : std::string();
        shown.al = FormatFixed(al, 4, 0);

        SiferritOrdering ordering;
        std::string application;
        std::string frequencyRange;
        const long double alHenry = al * 1e-9L;
        if (alHenry != 0 && size && material) {
            ordering.made = true;
            ordering.code = "B64290-";
            ordering.code += size->sizeCode;
            ordering.code += "-X";
            ordering.code += material->materialCode;
            application = settings.english() ? material->applicationEnglish : material->applicationGerman;
            frequencyRange = material->frequencyRange;
        }
        shown.ordering = std::move(ordering);
        shown.application = std::move(application);
        shown.frequencyRange = std::move(frequencyRange);

        ShowWinding(shown, size, al, in.fields, settings);
    });
}

} // namespace torvex
