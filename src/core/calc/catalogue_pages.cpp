#include "calc/catalogue_pages.h"

#include <array>
#include <string>

#include "calc/winding_output.h"
#include "catalogue/catalogue_lookup.h"
#include "catalogue/ferrite_ft.h"
#include "catalogue/ferroxcube.h"
#include "catalogue/iron_powder.h"
#include "catalogue/siferrit.h"
#include "format/number_format.h"
#include "text/text_table.h"

namespace torvex {

namespace {

using DimensionLabels = std::array<std::string_view, 3>; // Da, Di, h

constexpr WindingTargets kIronTargets{
    .turns = "Label36", .wireDiameter = "Label29", .wireLength = "Label21", .wireLengthUnit = "Label22",
    .metricLengthUnit = true, .xl = "Label24", .xlPrefix = "Label26", .l2 = "Label38", .l2Unit = "Label39",
    .xl2 = "Label40", .xl2Prefix = "Label18", .notAvailable = "Label33", .inductanceField = "Edit1"};

constexpr WindingTargets kFtTargets{
    .turns = "Label123", .wireDiameter = "Label136", .wireLength = "Label135", .wireLengthUnit = "Label139",
    .xl = "Label141", .xlPrefix = "Label132", .l2 = "Label147", .l2Unit = "Label150", .xl2 = "Label148",
    .xl2Prefix = "Label143", .notAvailable = "Label122", .inductanceField = "Edit17"};

// The SIFERRIT page shows a missing combination in its ordering-code label,
// so the calculation has no message label of its own there.
constexpr WindingTargets kSiferritTargets{
    .turns = "Label66", .wireDiameter = "Label80", .wireLength = "Label81", .wireLengthUnit = "Label84",
    .xl = "Label92", .xlPrefix = "Label94", .l2 = "Label98", .l2Unit = "Label99", .xl2 = "Label100",
    .xl2Prefix = "Label71", .inductanceField = "Edit11"};

constexpr WindingTargets kFerroxcubeTargets{
    .turns = "Label199", .wireDiameter = "Label204", .wireLength = "Label201", .wireLengthUnit = "Label203",
    .xl = "Label211", .xlPrefix = "Label213", .l2 = "Label216", .l2Unit = "Label215", .xl2 = "Label217",
    .xl2Prefix = "Label220", .notAvailable = "Label207", .inductanceField = "Edit24"};

// The row at a list position, or nothing when no row is chosen.
template <class Row, std::size_t N>
const Row* RowAt(const std::array<Row, N>& table, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < N ? &table[static_cast<std::size_t>(position)]
                                                                     : nullptr;
}

// Dimensions in mm (4:2). In US units the AMIDON and EPCOS pages show the
// makers' own inch texts, which are not all conversions of the millimetres.
template <class Row>
void WriteDimensionsWithInchTexts(WriteList& out, const DimensionLabels& labels, const Row* row,
                                  const Environment& env) {
    if (env.usUnits) {
        const std::array<std::string_view, 3> texts =
            row ? std::array<std::string_view, 3>{row->daInch, row->diInch, row->hInch}
                : std::array<std::string_view, 3>{"0.000", "0.000", "0.000"};
        for (std::size_t i = 0; i < 3; ++i) out.text(labels[i], std::string(texts[i]));
        return;
    }
    const std::array<long double, 3> mm = row ? std::array<long double, 3>{row->da, row->di, row->h}
                                              : std::array<long double, 3>{0, 0, 0};
    for (std::size_t i = 0; i < 3; ++i) out.text(labels[i], FormatFixed(mm[i], 4, 2));
}

// Runs the winding calculation on a row's dimensions (all 0 without a row).
template <class Row>
void RunWinding(WriteList& out, const Row* size, long double al, const WindingFields& fields,
                const Environment& env, const WindingTargets& targets) {
    WindingRun run(fields, env, targets, &out);
    run.turns(al);
    if (size)
        run.results(size->da, size->di, size->h);
    else
        run.results(0, 0, 0);
}

std::string Decimal(int value) { return std::to_string(value); }

} // namespace

Outcome RecomputeIronPowder(CatalogueSelection sel, const WindingFields& fields, const Environment& env) {
    return RunCalculation([&](WriteList& out) {
        const CoreSizeWithInches* size = RowAt(IronSizeTable, sel.size);
        const IronMix* mix = RowAt(IronMixTable, sel.material);

        WriteDimensionsWithInchTexts(out, {"Label9", "Label12", "Label15"}, size, env);
        // The catalogue is in µH per 100 turns; 0.1 makes it nH/N².
        const long double al = AlAt(IronAlTable, sel.size, sel.material) * 0.1L;
        out.text("Label2", FormatFixed(al, 5, 2));
        RunWinding(out, size, al, fields, env, kIronTargets);

        // The mix data come last, so a failed recompute leaves the previous
        // ones in place.
        if (mix) {
            out.background("Label27", mix->upper);
            out.background("Label32", mix->lower);
            out.text("Label6", std::string(mix->frequencyRange));
            out.text("Label225", Decimal(mix->mu));
        }
    });
}

Outcome RecomputeFerriteFt(CatalogueSelection sel, const WindingFields& fields, const Environment& env) {
    return RunCalculation([&](WriteList& out) {
        const CoreSizeWithInches* size = RowAt(FtSizeTable, sel.size);
        const FtMaterial* material = RowAt(FtMaterialTable, sel.material);

        out.text("Label111", material ? std::string(material->resonant) : std::string());
        out.text("Label112", material ? std::string(material->wideBand) : std::string());
        out.text("Label113", material ? std::string(material->choke) : std::string());
        WriteDimensionsWithInchTexts(out, {"Label118", "Label119", "Label120"}, size, env);
        out.text("Label227", material ? Decimal(material->mu) : std::string());
        // mH per (1000 turns)² is the same number as nH/N².
        const long double al = AlAt(FtAlTable, sel.size, sel.material);
        out.text("Label121", FormatFixed(al, 5, 2));
        RunWinding(out, size, al, fields, env, kFtTargets);
    });
}

Outcome RecomputeSiferrit(CatalogueSelection sel, const WindingFields& fields, const Environment& env) {
    return RunCalculation([&](WriteList& out) {
        const SiferritSize* size = RowAt(SiferritSizeTable, sel.size);
        const SiferritMaterial* material = RowAt(SiferritMaterialTable, sel.material);

        WriteDimensionsWithInchTexts(out, {"Label77", "Label78", "Label79"}, size, env);
        const long double al = AlAt(SiferritAlTable, sel.size, sel.material);
        out.text("Label229", material ? Decimal(material->mu) : std::string());
        out.text("Label65", FormatFixed(al, 4, 0));

        // The ordering-code label carries the not-available message, in a
        // smaller font so that the sentence fits.
        std::string application;
        std::string frequencyRange;
        const long double alHenry = al * 1e-9L;
        if (alHenry == 0 || !size || !material) {
            out.fontSize("Label67", 10);
            out.text("Label67", std::string(LoadText(67, env.english ? kEnglishOffset : kGermanOffset)));
        } else {
            out.fontSize("Label67", 14);
            std::string code = "B64290-";
            code += size->sizeCode;
            code += "-X";
            code += material->materialCode;
            out.text("Label67", std::move(code));
            application = env.english ? material->applicationEnglish : material->applicationGerman;
            frequencyRange = material->frequencyRange;
        }
        out.text("Label154", std::move(application));
        out.text("Label155", std::move(frequencyRange));

        RunWinding(out, size, al, fields, env, kSiferritTargets);
    });
}

Outcome RecomputeFerroxcube(CatalogueSelection sel, const WindingFields& fields, const Environment& env) {
    return RunCalculation([&](WriteList& out) {
        const FerroxcubeSize* size = RowAt(FerroxcubeSizeTable, sel.size);
        const FerroxcubeMaterial* material = RowAt(FerroxcubeMaterialTable, sel.material);

        // No inch texts in this catalogue: US units convert the millimetres
        // (every size is below one foot, so these are inches).
        const std::array<std::string_view, 3> labels{"Label181", "Label182", "Label183"};
        const std::array<long double, 3> mm = size ? std::array<long double, 3>{size->da, size->di, size->h}
                                                   : std::array<long double, 3>{0, 0, 0};
        for (std::size_t i = 0; i < 3; ++i) {
            if (!env.usUnits)
                out.text(labels[i], FormatFixed(mm[i], 4, 2));
            else
                out.text(labels[i], size ? FormatImperialLength(mm[i]) : std::string("0.000"));
        }
        const long double al = AlAt(FerroxcubeAlTable, sel.size, sel.material);
        out.text("Label187", FormatFixed(al, 4, 0));
        RunWinding(out, size, al, fields, env, kFerroxcubeTargets);

        if (material) {
            out.background("Label185", material->upper);
            out.background("Label186", material->lower);
            out.text("Label184", Decimal(material->mu));
        }
    });
}

} // namespace torvex
