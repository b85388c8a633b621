// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four catalogue pages. Reference values are the worked examples of the
// pages and the makers' catalogues (dimensions, AL, µi, ordering codes).
#include "calc_test_support.h"
#include "catalogue/catalogue_lookup.h"
#include "catalogue/ferrite_ft.h"
#include "catalogue/ferroxcube.h"
#include "catalogue/iron_powder.h"
#include "catalogue/siferrit.h"

namespace torvex {
namespace {

using namespace calctest;

using PageFn = Seen (*)(const CataloguePageInputs&, const Settings&);
template <auto Page> Seen Run(const CataloguePageInputs& in, const Settings& settings) {
    return See(Page(in, settings));
}
constexpr PageFn kIron = Run<RecomputeIronPowder>, kFt = Run<RecomputeFerriteFt>, kSif = Run<RecomputeSiferrit>,
                 kFx = Run<RecomputeFerroxcube>;

// A selection by the lists' texts, so that a shifted catalogue row shows.
template <const auto& Sizes, const auto& Materials>
CatalogueSelection Pick(std::string_view size, std::string_view material) {
    const CatalogueSelection sel{IndexOfName(Sizes, size), IndexOfName(Materials, material)};
    EXPECT_TRUE(sel.size >= 0 && sel.material >= 0) << size << " " << material;
    return sel;
}
constexpr auto Iron = Pick<IronSizeTable, IronMixTable>;
constexpr auto Ft = Pick<FtSizeTable, FtMaterialTable>;
constexpr auto Sif = Pick<SiferritSizeTable, SiferritMaterialTable>;
constexpr auto Fx = Pick<FerroxcubeSizeTable, FerroxcubeMaterialTable>;

const WindingFields kEmpty{"", 1, "", 1, ""};
const WindingFields kTyped{"10", 1, "7", 2, "20"}; // 10 µH at 7 MHz, 20 turns

struct PageCase {
    const char* name;
    PageFn page;
    CataloguePageInputs in;
    Settings settings;
    Texts expected;
};

TEST(CataloguePages, Show) {
    // clang-format off
    const PageCase cases[] = {
        {"iron start selection, empty fields", kIron, {Iron("T50", "2"), kEmpty}, kMetric,
         {{"outerDiameter", "12.70"}, {"innerDiameter", "7.70"}, {"height", "4.83"}, {"al", " 4.90"},
          {"frequencyRange", "1...30"}, {"permeability", "10"}, {"made", "yes"}, {"turns", "0.0"},
          {"wireDiameter", "0.00"}, {"wireLength", "  0"}, {"wireLengthUnit", " cm"}, {"reactance", "0.000"},
          {"reactancePrefix", ""}, {"colourCode", "ff0000 over ff0000"}}},
        // The winding worked example: AL 4.9 nH/N², 45.175 turns shown rounded.
        {"iron T50/2 10 µH 7 MHz 20 turns", kIron, {Iron("T50", "2"), kTyped}, kMetric,
         {{"made", "yes"}, {"turns", "45.2"}, {"wireDiameter", "0.50"}, {"wireLength", " 66"},
          {"wireLengthUnit", " cm"}, {"reactance", "439.823"}, {"reactancePrefix", ""}, {"inductanceOfTurns", "1.960"},
          {"inductanceOfTurnsUnit", "µH"}, {"reactanceOfTurns", "86.205"}, {"reactanceOfTurnsPrefix", ""}}},
        {"iron T50/2 in US units", kIron, {Iron("T50", "2"), kTyped}, kUs,
         {{"outerDiameter", "0.500"}, {"innerDiameter", "0.303"}, {"height", "0.190"}, {"wireDiameter", "25"},
          {"wireLength", "2.173"}, {"wireLengthUnit", " ft"}, {"turns", "45.2"}}},
        {"iron empty fields in US units", kIron, {Iron("T50", "2"), kEmpty}, kUs,
         {{"wireDiameter", "xxx"}, {"wireLength", "0.000"}, {"wireLengthUnit", " in"}}},
        // µH to mH: 45.175 · √1000 turns.
        {"iron mH", kIron, {Iron("T50", "2"), {"10", 2, "", 1, ""}}, kMetric, {{"turns", "1428.6"}}},
        {"iron 0 turns", kIron, {Iron("T50", "2"), {"", 1, "7", 2, "0"}}, kMetric,
         {{"inductanceOfTurns", "0.000"}, {"inductanceOfTurnsUnit", "H"}, {"reactanceOfTurns", "0.000"},
          {"reactanceOfTurnsPrefix", ""}}},
        {"iron 2,5 turns", kIron, {Iron("T50", "2"), {"", 1, "", 1, "2,5"}}, kMetricComma,
         {{"inductanceOfTurns", "30.625"}, {"inductanceOfTurnsUnit", "nH"}}}, // 6.25 · 4.9 nH
        {"iron T80 inch Da", kIron, {Iron("T80", "2"), kEmpty}, kUs, {{"outerDiameter", "0.975"}}},
        {"iron T106 inch Di", kIron, {Iron("T106", "2"), kEmpty}, kUs, {{"innerDiameter", "0.780"}}},
        {"iron T520 mix 26", kIron, {Iron("T520", "26"), kEmpty}, kMetric, {{"al", "146.00"}}},
        {"iron T520 mix 2", kIron, {Iron("T520", "2"), kEmpty}, kMetric, {{"al", "20.70"}}},
        {"iron mix 3 keeps its commas", kIron, {Iron("T50", "3"), kEmpty}, kEnglish,
         {{"frequencyRange", "0,05...0,5"}, {"permeability", "35"}}},
        {"iron mix 18", kIron, {Iron("T50", "18"), kEmpty}, kMetric, {{"colourCode", "ff0000 over 00ff00"}}},
        {"iron mix 17", kIron, {Iron("T50", "17"), kEmpty}, kMetric, {{"colourCode", "0000ff over ffff00"}}},

        {"ft start selection", kFt, {Ft("FT50", "43"), kEmpty}, kMetric,
         {{"resonantRange", "0,01...1"}, {"wideBandRange", "1...50"}, {"chokeRange", "30...600"},
          {"permeability", "850"}, {"outerDiameter", "12.70"}, {"innerDiameter", "7.14"}, {"height", "4.80"},
          {"al", "523.00"}, {"turns", "0.0"}, {"wireDiameter", "0.00"}, {"wireLength", "  0"},
          {"wireLengthUnit", "<not set>"}}},
        {"ft 100 µH at 3.5 MHz", kFt, {Ft("FT50", "43"), {"100", 1, "3.5", 2, ""}}, kMetric,
         {{"turns", "13.8"}, {"wireDiameter", "1.31"}, {"wireLength", " 21"}, {"reactance", "2.199"},
          {"reactancePrefix", "k"}}},
        {"ft 100 µH at 3.5 MHz in US units", kFt, {Ft("FT50", "43"), {"100", 1, "3.5", 2, ""}}, kUs,
         {{"outerDiameter", "0.500"}, {"innerDiameter", "0.281"}, {"height", "0.188"}, {"wireDiameter", "16"},
          {"wireLength", "8.253"}, {"wireLengthUnit", " in"}}},
        {"ft FT150A in W", kFt, {Ft("FT150A", "W"), kEmpty}, kMetric, {{"al", "16700.00"}}},
        {"ft FT150 inch h", kFt, {Ft("FT150", "43"), kEmpty}, kUs, {{"height", "0.590"}}},
        {"ft FT114-A inch h", kFt, {Ft("FT114-A", "61"), kEmpty}, kUs, {{"height", "0.545"}}},
        {"ft material H", kFt, {Ft("FT23", "H"), kEmpty}, kMetric, {{"chokeRange", "0,001...0,5"}}},
        {"ft no material", kFt, {{2, -1}, kEmpty}, kMetric,
         {{"resonantRange", ""}, {"wideBandRange", ""}, {"chokeRange", ""}, {"permeability", ""}, {"al", " 0.00"}}},

        {"siferrit start selection", kSif, {Sif("R10", "N30"), kEmpty}, kMetric,
         {{"outerDiameter", "10.80"}, {"innerDiameter", "5.25"}, {"height", "4.00"}, {"al", "1760"},
          {"permeability", "4300"}, {"ordering", "B64290-K38-X830"}, {"application", "Breitbandübertrager"},
          {"frequencyRange", "-"}}},
        {"siferrit English application", kSif, {Sif("R10", "N30"), kEmpty}, kEnglish,
         {{"application", "Broadband Transformer"}}},
        {"siferrit 100 µH at 100 kHz", kSif, {Sif("R10", "N30"), {"100", 1, "100", 1, "10"}}, kMetric,
         {{"turns", "7.5"}, {"wireDiameter", "1.51"}, {"wireLength", " 10"}, {"reactance", "62.832"},
          {"reactancePrefix", ""}, {"inductanceOfTurns", "176.000"}, {"inductanceOfTurnsUnit", "µH"},
          {"reactanceOfTurns", "110.584"}, {"reactanceOfTurnsPrefix", ""}}},
        {"siferrit R4 K1", kSif, {Sif("R4", "K1"), kEmpty}, kMetric,
         {{"al", "  13"}, {"ordering", "B64290-K36-X1"}, {"frequencyRange", "1,5...12 MHz"}}},
        {"siferrit R2,5 N30", kSif, {Sif("R2,5", "N30"), kEmpty}, kMetric, {{"ordering", "B64290-P35-X830"}}},
        {"siferrit R100 N30", kSif, {Sif("R100", "N30"), kEmpty}, kMetric,
         {{"outerDiameter", "104.80"}, {"ordering", "B64290-A84-X830"}}},
        {"siferrit English power transformer", kSif, {Sif("R16", "N27"), kEmpty}, kEnglish,
         {{"application", "Power Transformer"}}},
        {"siferrit R10 inch texts", kSif, {Sif("R10", "N30"), kEmpty}, kUs,
         {{"outerDiameter", "0.433"}, {"innerDiameter", "0.199"}, {"height", "0.195"}}},
        {"siferrit R2,5 inch Da", kSif, {Sif("R2,5", "N30"), kEmpty}, kUs, {{"outerDiameter", "0.098"}}},

        {"ferroxcube start selection", kFx, {Fx("TN 10/6/4", "3C11"), kEmpty}, kMetric,
         {{"outerDiameter", "10.60"}, {"innerDiameter", "5.20"}, {"height", "4.40"}, {"al", "1750"},
          {"permeability", "4300"}}},
        {"ferroxcube in US units converts", kFx, {Fx("TN 10/6/4", "3C11"), kEmpty}, kUs,
         {{"outerDiameter", "0.417"}, {"innerDiameter", "0.205"}, {"height", "0.173"}}},
        {"ferroxcube smallest AL", kFx, {Fx("TC 4/2.2/1.1", "4C65"), kEmpty}, kMetric, {{"al", "  16"}}},
        {"ferroxcube largest AL", kFx, {Fx("TX 63/38/25", "3E6"), kEmpty}, kMetric, {{"al", "25280"}}},
        {"ferroxcube TC 3.4/1.8/2", kFx, {Fx("TC 3.4/1.8/2", "3E25"), kEmpty}, kMetric,
         {{"outerDiameter", "3.35"}, {"innerDiameter", "1.78"}, {"height", "2.03"}}},
        {"ferroxcube TC 3.4/1.8/2.1", kFx, {Fx("TC 3.4/1.8/2.1", "3E25"), kEmpty}, kMetric,
         {{"outerDiameter", "3.38"}, {"innerDiameter", "1.78"}, {"height", "2.06"}}},
        {"ferroxcube no size in US units", kFx, {{-1, 1}, kEmpty}, kUs,
         {{"outerDiameter", "0.000"}, {"innerDiameter", "0.000"}, {"height", "0.000"}, {"al", "   0"}}},
        // Some halves of a colour code are unpainted.
        {"ferroxcube 3E5", kFx, {Fx("TN 10/6/4", "3E5"), kEmpty}, kMetric, {{"colourCode", "ffff00 over ffffff"}}},
        {"ferroxcube 3R1", kFx, {Fx("TN 10/6/4", "3R1"), kEmpty}, kMetric, {{"colourCode", "000000 over 000000"}}},
        {"ferroxcube 3B7", kFx, {Fx("TN 10/6/4", "3B7"), kEmpty}, kMetric,
         {{"colourCode", "unpainted over unpainted"}}},
        // Without a material the colour code and µi keep what they showed.
        {"ferroxcube no material", kFx, {{39, -1}, kEmpty}, kMetric,
         {{"colourCode", "<not set>"}, {"permeability", "<not set>"}}},
        // A combination that is not made: the page says so and disables the
        // inductance field; the results are 0 although the typed inductance
        // is kept; the core and material data are still shown.
        {"iron T12 mix 7", kIron, {Iron("T12", "7"), kTyped}, kMetric,
         {{"made", "no"}, {"al", " 0.00"}, {"frequencyRange", "3...35"}, {"permeability", "9"},
          {"colourCode", "ffffff over ffffff"}, {"turns", "0.0"}, {"wireDiameter", "0.00"}, {"wireLength", "  0"},
          {"reactance", "0.000"}, {"inductanceOfTurns", "0.000"}, {"reactanceOfTurns", "0.000"}}},
        {"ft FT50 in F", kFt, {Ft("FT50", "F"), kTyped}, kMetric,
         {{"made", "no"}, {"al", " 0.00"}, {"permeability", "3000"}, {"resonantRange", "0,001...1"}, {"turns", "0.0"}}},
        {"siferrit R2,5 N27", kSif, {Sif("R2,5", "N27"), kTyped}, kMetric,
         {{"made", "no"}, {"ordering", "not made"}, {"al", "   0"}, {"permeability", "2000"}, {"application", ""},
          {"frequencyRange", ""}, {"turns", "0.0"}, {"reactance", "0.000"}}},
        {"siferrit R16 K1 in English", kSif, {Sif("R16", "K1"), kEmpty}, kEnglish,
         {{"made", "no"}, {"ordering", "not made"}, {"application", ""}}},
        {"ferroxcube TN 10/6/4 in 3E5", kFx, {Fx("TN 10/6/4", "3E5"), kTyped}, kMetric,
         {{"made", "no"}, {"al", "   0"}, {"permeability", "10000"}, {"turns", "0.0"}, {"reactance", "0.000"}}},
        {"iron without selection", kIron, {{-1, -1}, kTyped}, kMetric,
         {{"made", "no"}, {"outerDiameter", "0.00"}, {"al", " 0.00"}, {"turns", "0.0"}, {"colourCode", "<not set>"}}},
    };
    // clang-format on
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Seen seen = c.page(c.in, c.settings);
        EXPECT_FALSE(seen.error) << seen.error->message();
        ExpectTexts(seen, c.expected);
    }
}

// A failed run keeps what it showed before the failing step and leaves the
// rest unset, so the page keeps its old texts there.
TEST(CataloguePages, FailureKeepsWhatWasShownBefore) {
    using V = std::vector<std::string_view>;
    const V throughWireLength{"outerDiameter", "innerDiameter", "height",        "al", "made", "turns",
                              "wireDiameter",  "wireLength",    "wireLengthUnit"};

    // A bad frequency: turns and wire shown, no XL and no mix data.
    const Seen cut = kIron({Iron("T50", "2"), {"10", 1, "abc", 2, "20"}}, kMetric);
    ExpectConversionError(cut, "abc");
    EXPECT_EQ(cut.set(), throughWireLength);

    // A negative inductance ends in the availability step: neither the made
    // state nor anything after it is set.
    const Seen negative = kFx({Fx("TN 10/6/4", "3C11"), {"-10", 1, "", 1, ""}}, kMetric);
    ExpectFloatingPointError(negative);
    EXPECT_EQ(negative.set(), (V{"outerDiameter", "innerDiameter", "height", "al"}));

    // The ferrite page shows its material data before the first field is read.
    const Seen ft = kFt({Ft("FT50", "43"), {"x", 1, "", 1, ""}}, kMetric);
    ExpectConversionError(ft, "x");
    EXPECT_EQ(ft.set(), (V{"resonantRange", "wideBandRange", "chokeRange", "outerDiameter", "innerDiameter", "height",
                           "permeability", "al"}));

    // The SIFERRIT ordering code comes before the winding; a bad turns text
    // keeps everything up to the reactance.
    const Seen sif = kSif({Sif("R10", "N30"), {"100", 1, "100", 1, "1;"}}, kMetric);
    ExpectConversionError(sif, "1;");
    EXPECT_EQ(sif.set().back(), "reactancePrefix");
    EXPECT_EQ(sif["ordering"], "B64290-K38-X830");
}

} // namespace
} // namespace torvex
