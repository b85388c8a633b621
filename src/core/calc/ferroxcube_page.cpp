// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/ferroxcube_page.h"

#include "calc/catalogue_page_steps.h"
#include "catalogue/ferroxcube.h"

namespace torvex {

namespace {

// No inch texts in this catalogue: US units convert the millimetres.
std::string DimensionText(const FerroxcubeSize* size, long double mm, const Settings& settings) {
    if (!settings.usUnits())
        return FormatFixed(mm, 4, 2);
    return size ? FormatImperialLength(mm) : std::string("0.000");
}

} // namespace

FerroxcubeOutcome RecomputeFerroxcube(const CataloguePageInputs& in, const Settings& settings) {
    return Calculate<FerroxcubeShown>([&](FerroxcubeShown& shown) {
        const CatalogueSelection sel = in.selection;
        const FerroxcubeSize* size = RowAt(FerroxcubeSizeTable, sel.size);
        const FerroxcubeMaterial* material = RowAt(FerroxcubeMaterialTable, sel.material);

        shown.outerDiameter = DimensionText(size, size ? size->da : 0.0L, settings);
        shown.innerDiameter = DimensionText(size, size ? size->di : 0.0L, settings);
        shown.height = DimensionText(size, size ? size->h : 0.0L, settings);
        const long double al = AlAt(FerroxcubeAlTable, sel.size, sel.material);
        shown.al = FormatFixed(al, 4, 0);
        ShowWinding(shown, size, al, in.fields, settings);

        if (material) {
            shown.colourCode = ColourCode{material->upper, material->lower};
            shown.permeability = std::to_string(material->mu);
        }
    });
}

} // namespace torvex
