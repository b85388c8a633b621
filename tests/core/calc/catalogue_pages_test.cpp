#include "calc/catalogue_pages.h"

#include <vector>

#include "calc_test_support.h"
#include "catalogue/catalogue_lookup.h"
#include "catalogue/ferrite_ft.h"
#include "catalogue/ferroxcube.h"
#include "catalogue/iron_powder.h"
#include "catalogue/siferrit.h"

namespace torvex {
namespace {

using namespace calctest;

using PageFn = Outcome (*)(CatalogueSelection, const WindingFields&, const Environment&);

template <class Sizes, class Materials>
CatalogueSelection Pick(const Sizes& sizes, std::string_view size, const Materials& materials,
                        std::string_view material) {
    const CatalogueSelection sel{IndexOfName(sizes, size), IndexOfName(materials, material)};
    EXPECT_GE(sel.size, 0) << size;
    EXPECT_GE(sel.material, 0) << material;
    return sel;
}
CatalogueSelection Iron(std::string_view s, std::string_view m) { return Pick(IronSizeTable, s, IronMixTable, m); }
CatalogueSelection Ft(std::string_view s, std::string_view m) { return Pick(FtSizeTable, s, FtMaterialTable, m); }
CatalogueSelection Sif(std::string_view s, std::string_view m) {
    return Pick(SiferritSizeTable, s, SiferritMaterialTable, m);
}
CatalogueSelection Fx(std::string_view s, std::string_view m) {
    return Pick(FerroxcubeSizeTable, s, FerroxcubeMaterialTable, m);
}

const WindingFields kEmpty{"", 1, "", 1, ""};

struct PageCase {
    const char* name;
    PageFn page;
    CatalogueSelection sel;
    WindingFields fields;
    Environment env;
    Texts expected;
};

// Worked examples of the four catalogue pages, in metric and US units.
TEST(CataloguePages, WorkedExamples) {
    const PageCase cases[] = {
        {"iron start selection, empty fields", RecomputeIronPowder, Iron("T50", "2"), kEmpty, kMetric,
         {{"Label9", "12.70"}, {"Label12", "7.70"}, {"Label15", "4.83"}, {"Label2", " 4.90"},
          {"Label6", "1...30"}, {"Label225", "10"}, {"Label36", "0.0"}, {"Label29", "0.00"},
          {"Label21", "  0"}, {"Label22", " cm"}, {"Label24", "0.000"}, {"Label26", ""}}},
        {"iron T50/2 10 µH 7 MHz 20 turns", RecomputeIronPowder, Iron("T50", "2"), {"10", 1, "7", 2, "20"}, kMetric,
         {{"Label36", "45.2"}, {"Label29", "0.54"}, {"Label21", " 66"}, {"Label22", " cm"},
          {"Label24", "439.823"}, {"Label26", ""}, {"Label38", "1.960"}, {"Label39", "µH"},
          {"Label40", "86.205"}, {"Label18", ""}}},
        {"iron T50/2 in US units", RecomputeIronPowder, Iron("T50", "2"), {"10", 1, "7", 2, "20"}, kUs,
         {{"Label9", "0.500"}, {"Label12", "0.303"}, {"Label15", "0.190"}, {"Label29", "24"},
          {"Label21", "2.173"}, {"Label22", " ft"}, {"Label36", "45.2"}}},
        {"iron empty fields in US units", RecomputeIronPowder, Iron("T50", "2"), kEmpty, kUs,
         {{"Label29", "xxx"}, {"Label21", "0.000"}, {"Label22", " in"}}},
        {"iron mH instead of µH", RecomputeIronPowder, Iron("T50", "2"), {"10", 2, "", 1, ""}, kMetric,
         {{"Label36", "1428.6"}}}, // 45.175 · √1000
        {"iron 0 turns", RecomputeIronPowder, Iron("T50", "2"), {"", 1, "7", 2, "0"}, kMetric,
         {{"Label38", "0.000"}, {"Label39", "H"}, {"Label40", "0.000"}, {"Label18", ""}}},
        {"iron 2,5 turns", RecomputeIronPowder, Iron("T50", "2"), {"", 1, "", 1, "2,5"}, kMetricComma,
         {{"Label38", "30.625"}, {"Label39", "nH"}}},
        {"iron T80 and T106 inch texts", RecomputeIronPowder, Iron("T80", "2"), kEmpty, kUs, {{"Label9", "0.975"}}},
        {"iron T106 inch Di", RecomputeIronPowder, Iron("T106", "2"), kEmpty, kUs, {{"Label12", "0.780"}}},
        {"iron T520 mix 26", RecomputeIronPowder, Iron("T520", "26"), kEmpty, kMetric, {{"Label2", "146.00"}}},
        {"iron T520 mix 2", RecomputeIronPowder, Iron("T520", "2"), kEmpty, kMetric, {{"Label2", "20.70"}}},
        {"iron mix 3 keeps its commas", RecomputeIronPowder, Iron("T50", "3"), kEmpty, kEnglish,
         {{"Label6", "0,05...0,5"}, {"Label225", "35"}}},

        {"ft start selection", RecomputeFerriteFt, Ft("FT50", "43"), kEmpty, kMetric,
         {{"Label111", "0,01...1"}, {"Label112", "1...50"}, {"Label113", "30...600"}, {"Label227", "850"},
          {"Label118", "12.70"}, {"Label119", "7.14"}, {"Label120", "4.80"}, {"Label121", "523.00"},
          {"Label123", "0.0"}, {"Label136", "0.00"}, {"Label135", "  0"}}},
        {"ft 100 µH at 3.5 MHz", RecomputeFerriteFt, Ft("FT50", "43"), {"100", 1, "3.5", 2, ""}, kMetric,
         {{"Label123", "13.8"}, {"Label136", "1.62"}, {"Label135", " 21"}, {"Label141", "2.199"},
          {"Label132", "k"}}},
        {"ft 100 µH at 3.5 MHz in US units", RecomputeFerriteFt, Ft("FT50", "43"), {"100", 1, "3.5", 2, ""}, kUs,
         {{"Label118", "0.500"}, {"Label119", "0.281"}, {"Label120", "0.188"}, {"Label136", "15"},
          {"Label135", "8.253"}, {"Label139", " in"}}},
        {"ft FT150A in W", RecomputeFerriteFt, Ft("FT150A", "W"), kEmpty, kMetric, {{"Label121", "16700.00"}}},
        {"ft FT150 inch h", RecomputeFerriteFt, Ft("FT150", "43"), kEmpty, kUs, {{"Label120", "0.590"}}},
        {"ft FT114-A inch h", RecomputeFerriteFt, Ft("FT114-A", "61"), kEmpty, kUs, {{"Label120", "0.545"}}},
        {"ft material H", RecomputeFerriteFt, Ft("FT23", "H"), kEmpty, kMetric, {{"Label113", "0,001...0,5"}}},
        {"ft no material", RecomputeFerriteFt, {2, -1}, kEmpty, kMetric,
         {{"Label111", ""}, {"Label112", ""}, {"Label113", ""}, {"Label227", ""}, {"Label121", " 0.00"}}},

        {"siferrit start selection", RecomputeSiferrit, Sif("R10", "N30"), kEmpty, kMetric,
         {{"Label77", "10.80"}, {"Label78", "5.25"}, {"Label79", "4.00"}, {"Label65", "1760"},
          {"Label229", "4300"}, {"Label67", "B64290-K38-X830"}, {"Label154", "Breitbandübertrager"},
          {"Label155", "-"}}},
        {"siferrit English application", RecomputeSiferrit, Sif("R10", "N30"), kEmpty, kEnglish,
         {{"Label154", "Broadband Transformer"}}},
        {"siferrit 100 µH at 100 kHz", RecomputeSiferrit, Sif("R10", "N30"), {"100", 1, "100", 1, "10"}, kMetric,
         {{"Label66", "7.5"}, {"Label80", "2.19"}, {"Label81", " 10"}, {"Label92", "62.832"}, {"Label94", ""},
          {"Label98", "176.000"}, {"Label99", "µH"}, {"Label100", "110.584"}, {"Label71", ""}}},
        {"siferrit R4 K1", RecomputeSiferrit, Sif("R4", "K1"), kEmpty, kMetric,
         {{"Label65", "  13"}, {"Label67", "B64290-K36-X1"}, {"Label155", "1,5...12 MHz"}}},
        {"siferrit R2,5 N30", RecomputeSiferrit, Sif("R2,5", "N30"), kEmpty, kMetric,
         {{"Label67", "B64290-P35-X830"}}},
        {"siferrit R100 N30", RecomputeSiferrit, Sif("R100", "N30"), kEmpty, kMetric,
         {{"Label77", "104.80"}, {"Label67", "B64290-A84-X830"}}},
        {"siferrit English power transformer", RecomputeSiferrit, Sif("R16", "N27"), kEmpty, kEnglish,
         {{"Label154", "Power Transformer"}}},
        {"siferrit R10 inch texts", RecomputeSiferrit, Sif("R10", "N30"), kEmpty, kUs,
         {{"Label77", "0.433"}, {"Label78", "0.199"}, {"Label79", "0.195"}}},
        {"siferrit R2,5 inch Da", RecomputeSiferrit, Sif("R2,5", "N30"), kEmpty, kUs, {{"Label77", "0.098"}}},

        {"ferroxcube start selection", RecomputeFerroxcube, Fx("TN 10/6/4", "3C11"), kEmpty, kMetric,
         {{"Label181", "10.60"}, {"Label182", "5.20"}, {"Label183", "4.40"}, {"Label187", "1750"},
          {"Label184", "4300"}}},
        {"ferroxcube in US units converts", RecomputeFerroxcube, Fx("TN 10/6/4", "3C11"), kEmpty, kUs,
         {{"Label181", "0.417"}, {"Label182", "0.205"}, {"Label183", "0.173"}}},
        {"ferroxcube smallest AL", RecomputeFerroxcube, Fx("TC 4/2.2/1.1", "4C65"), kEmpty, kMetric,
         {{"Label187", "  16"}}},
        {"ferroxcube largest AL", RecomputeFerroxcube, Fx("TX 63/38/25", "3E6"), kEmpty, kMetric,
         {{"Label187", "25280"}}},
        {"ferroxcube distinct TC 3.4/1.8/2", RecomputeFerroxcube, Fx("TC 3.4/1.8/2", "3E25"), kEmpty, kMetric,
         {{"Label181", "3.35"}, {"Label182", "1.78"}, {"Label183", "2.03"}}},
        {"ferroxcube distinct TC 3.4/1.8/2.1", RecomputeFerroxcube, Fx("TC 3.4/1.8/2.1", "3E25"), kEmpty, kMetric,
         {{"Label181", "3.38"}, {"Label182", "1.78"}, {"Label183", "2.06"}}},
        {"ferroxcube no size in US units", RecomputeFerroxcube, {-1, 1}, kEmpty, kUs,
         {{"Label181", "0.000"}, {"Label182", "0.000"}, {"Label183", "0.000"}, {"Label187", "   0"}}},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = c.page(c.sel, c.fields, c.env);
        EXPECT_TRUE(o.ok()) << o.error->message();
        ExpectTexts(o, c.expected);
    }
}

// A combination that is not made: message shown with its hint, inductance
// field disabled, zero results although the typed inductance is kept; the
// core and material data are still shown.
TEST(CataloguePages, CombinationNotMade) {
    struct Case {
        const char* name;
        PageFn page;
        CatalogueSelection sel;
        std::string_view message; // empty: the SIFERRIT page has none
        std::string_view field;
        Texts expected;
    };
    const WindingFields typed{"10", 1, "7", 2, "20"};
    const Case cases[] = {
        {"iron T12 mix 7", RecomputeIronPowder, Iron("T12", "7"), "Label33", "Edit1",
         {{"Label2", " 0.00"}, {"Label6", "3...35"}, {"Label225", "9"}, {"Label36", "0.0"}, {"Label29", "0.00"},
          {"Label21", "  0"}, {"Label24", "0.000"}, {"Label38", "0.000"}, {"Label40", "0.000"}}},
        {"ft FT50 in F", RecomputeFerriteFt, Ft("FT50", "F"), "Label122", "Edit17",
         {{"Label121", " 0.00"}, {"Label227", "3000"}, {"Label111", "0,001...1"}, {"Label123", "0.0"}}},
        {"siferrit R2,5 N27", RecomputeSiferrit, Sif("R2,5", "N27"), "", "Edit11",
         {{"Label65", "   0"}, {"Label229", "2000"}, {"Label67", "Dieser Typ ist nicht verfügbar!"},
          {"Label154", ""}, {"Label155", ""}, {"Label66", "0.0"}, {"Label92", "0.000"}}},
        {"ferroxcube TN 10/6/4 in 3E5", RecomputeFerroxcube, Fx("TN 10/6/4", "3E5"), "Label207", "Edit24",
         {{"Label187", "   0"}, {"Label184", "10000"}, {"Label199", "0.0"}, {"Label211", "0.000"}}},
        {"iron without selection", RecomputeIronPowder, {-1, -1}, "Label33", "Edit1",
         {{"Label9", "0.00"}, {"Label2", " 0.00"}, {"Label36", "0.0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = c.page(c.sel, typed, kMetric);
        ASSERT_TRUE(o.ok());
        ExpectTexts(o, c.expected);
        EXPECT_EQ(o.value(c.field, Property::Enabled), 0);
        if (!c.message.empty()) {
            EXPECT_EQ(o.value(c.message, Property::Visible), 1);
            EXPECT_EQ(o.value(c.message, Property::HintEnabled), 1);
        }
    }
    // A made combination enables the field again and hides the message.
    const Outcome made = RecomputeIronPowder(Iron("T50", "2"), typed, kMetric);
    EXPECT_EQ(made.value("Edit1", Property::Enabled), 1);
    EXPECT_EQ(made.value("Label33", Property::Visible), 0);
    EXPECT_EQ(made.value("Label33", Property::HintEnabled), 0);
    EXPECT_EQ(made.text("Label36"), "45.2");
}

TEST(CataloguePages, SiferritOrderingCodeFontAndLanguage) {
    const Outcome made = RecomputeSiferrit(Sif("R10", "N30"), kEmpty, kMetric);
    EXPECT_EQ(made.value("Label67", Property::FontSize), 14);
    const Outcome missing = RecomputeSiferrit(Sif("R16", "K1"), kEmpty, kEnglish);
    EXPECT_EQ(missing.value("Label67", Property::FontSize), 10);
    EXPECT_EQ(missing.text("Label67"), "This type is not available!");
}

TEST(CataloguePages, ColourSwatches) {
    struct Case {
        PageFn page;
        CatalogueSelection sel;
        std::string_view upperLabel, lowerLabel;
        Rgb upper, lower;
    };
    const Case cases[] = {
        {RecomputeIronPowder, Iron("T50", "2"), "Label27", "Label32", MakeRgb(255, 0, 0), MakeRgb(255, 0, 0)},
        {RecomputeIronPowder, Iron("T50", "18"), "Label27", "Label32", MakeRgb(255, 0, 0), MakeRgb(0, 255, 0)},
        {RecomputeIronPowder, Iron("T50", "17"), "Label27", "Label32", MakeRgb(0, 0, 255), MakeRgb(255, 255, 0)},
        {RecomputeIronPowder, Iron("T12", "7"), "Label27", "Label32", MakeRgb(255, 255, 255),
         MakeRgb(255, 255, 255)},
        {RecomputeFerroxcube, Fx("TN 10/6/4", "3C11"), "Label185", "Label186", MakeRgb(255, 255, 255),
         MakeRgb(255, 255, 255)},
        {RecomputeFerroxcube, Fx("TN 10/6/4", "3E5"), "Label185", "Label186", MakeRgb(255, 255, 0),
         MakeRgb(255, 255, 255)},
        {RecomputeFerroxcube, Fx("TN 10/6/4", "3R1"), "Label185", "Label186", MakeRgb(0, 0, 0), MakeRgb(0, 0, 0)},
        {RecomputeFerroxcube, Fx("TN 10/6/4", "3B7"), "Label185", "Label186", kButtonFace, kButtonFace},
    };
    for (const Case& c : cases) {
        const Outcome o = c.page(c.sel, kEmpty, kMetric);
        EXPECT_EQ(o.value(c.upperLabel, Property::Background), c.upper);
        EXPECT_EQ(o.value(c.lowerLabel, Property::Background), c.lower);
    }
    // Without a material the swatch and µi keep what they showed.
    const Outcome none = RecomputeFerroxcube({39, -1}, kEmpty, kMetric);
    EXPECT_FALSE(none.value("Label185", Property::Background));
    EXPECT_FALSE(none.text("Label184"));
}

// The order of the writes decides what a failed recompute leaves behind.
TEST(CataloguePages, WriteOrderAndCutAtAnError) {
    using V = std::vector<std::string_view>;
    const V ironWinding{"Label36", "Label29", "Label21", "Label22", "Label24", "Label26",
                        "Label38", "Label39", "Label40", "Label18"};
    V iron{"Label9", "Label12", "Label15", "Label2"};
    iron.insert(iron.end(), ironWinding.begin(), ironWinding.end());
    iron.insert(iron.end(), {"Label6", "Label225"});
    EXPECT_EQ(TextTargets(RecomputeIronPowder(Iron("T50", "2"), {"10", 1, "7", 2, "20"}, kMetric)), iron);

    // A bad frequency keeps the turns and wire results but writes no XL and
    // no mix data.
    const Outcome cut = RecomputeIronPowder(Iron("T50", "2"), {"10", 1, "abc", 2, "20"}, kMetric);
    ExpectConversionError(cut, "abc");
    EXPECT_EQ(TextTargets(cut), V(iron.begin(), iron.begin() + 8));
    EXPECT_FALSE(cut.value("Label27", Property::Background));

    // A negative inductance ends in the availability step: neither the
    // message nor the field's state is touched.
    const Outcome negative = RecomputeFerroxcube(Fx("TN 10/6/4", "3C11"), {"-10", 1, "", 1, ""}, kMetric);
    ExpectFloatingPointError(negative);
    EXPECT_EQ(TextTargets(negative), (V{"Label181", "Label182", "Label183", "Label187"}));
    EXPECT_EQ(negative.writes.size(), 4u);

    // The ferrite page shows its material data before the first field is read.
    const Outcome ft = RecomputeFerriteFt(Ft("FT50", "43"), {"x", 1, "", 1, ""}, kMetric);
    ExpectConversionError(ft, "x");
    EXPECT_EQ(TextTargets(ft), (V{"Label111", "Label112", "Label113", "Label118", "Label119", "Label120",
                                  "Label227", "Label121"}));

    const Outcome sif = RecomputeSiferrit(Sif("R10", "N30"), {"100", 1, "100", 1, "1;"}, kMetric);
    ExpectConversionError(sif, "1;");
    EXPECT_EQ(TextTargets(sif).back(), "Label94");
}

} // namespace
} // namespace torvex
