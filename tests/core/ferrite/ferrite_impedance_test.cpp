// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ferrite/ferrite_impedance.h"

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "catalogue/ferrite_ft.h"
#include "ferrite/ft_take_over.h"

namespace torvex {
namespace {

const MaterialList kMaterials;
const Settings kEnglish{".", UnitSystem::Metric, Language::English};
const Settings kGerman{",", UnitSystem::Metric, Language::German};

struct Shown {
    const char *muReal, *muImag, *inductance, *resistance, *reactance, *impedance, *quality, *resonance, *choke;
};

void ExpectShown(const FerriteImpedanceShown& s, const Shown& e) {
    EXPECT_EQ(s.muReal, e.muReal);
    EXPECT_EQ(s.muImag, e.muImag);
    EXPECT_EQ(s.inductance, e.inductance);
    EXPECT_EQ(s.resistance, e.resistance);
    EXPECT_EQ(s.reactance, e.reactance);
    EXPECT_EQ(s.impedance, e.impedance);
    EXPECT_EQ(s.quality, e.quality);
    EXPECT_EQ(s.resonance, e.resonance);
    EXPECT_EQ(s.chokeTurns, e.choke);
}

TEST(FerriteImpedanceTest, Ft240In43) {
    // The case: 11 turns, 2 pF; 2.02 + j2.75, 5.77 - j2.46, 1.09 - j2.83 kOhm.
    // clang-format off
    const struct {
        const char* frequency;
        int unit;
        Shown shown;
    } cases[] = {
        {"3.6", 1, {"687.6", "423.3", "113.8 µH", "2.017 kΩ", "2.750 kΩ", "3.410 kΩ", "1.624", "10.64 MHz", "9"}},
        {"3600", 0, {"687.6", "423.3", "113.8 µH", "2.017 kΩ", "2.750 kΩ", "3.410 kΩ", "1.624", "10.64 MHz", "9"}},
        {"14", 1, {"226.9", "293.1", "37.55 µH", "5.774 kΩ", "-2.462 kΩ", "6.277 kΩ", "0.7741", "10.64 MHz", "9"}},
        {"30", 1, {"117.3", "202.7", "19.42 µH", "1.085 kΩ", "-2.825 kΩ", "3.027 kΩ", "0.5788", "10.64 MHz", "9"}},
        // Outside the data: what depends on the frequency has no value.
        {"5", 0, {"—", "—", "—", "—", "—", "—", "—", "10.64 MHz", "9"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frequency);
        FerriteImpedanceInput in = DefaultFerriteImpedanceInput(kMaterials, kEnglish);
        in.frequency = c.frequency;
        in.frequencyUnit = c.unit;
        const FerriteImpedanceOutcome o = FerriteImpedance(in, kMaterials, kEnglish);
        EXPECT_FALSE(o.error);
        ExpectShown(o.shown, c.shown);
    }
}

TEST(FerriteImpedanceTest, DataMessages) {
    // clang-format off
    const struct {
        const char *frequency, *from, *to, *target;
        Settings settings;
        const char* message;
    } cases[] = {
        {"3,6", "3,5", "30", "1000", kGerman, ""},
        {"0", "3,5", "30", "1000", kGerman,
         "Die Frequenz liegt außerhalb der Daten des Materials (10.00 kHz bis 3.000 GHz)."},
        {"3.6", "30", "3.5", "1000", kEnglish, "Choke: the band's lower edge must lie below its upper edge."},
        {"3.6", "3.5", "5000", "1000", kEnglish,
         "Choke: the band does not lie wholly inside the material's data (10.00 kHz to 3.000 GHz)."},
        {"4000", "3.5", "30", "1e9", kEnglish,
         "The frequency lies outside the material's data (10.00 kHz to 3.000 GHz). "
         "Choke: not reachable with 100 turns."},
    };
    // clang-format on
    for (const auto& c : cases) {
        FerriteImpedanceInput in = DefaultFerriteImpedanceInput(kMaterials, c.settings);
        in.frequency = c.frequency;
        in.bandFrom = c.from;
        in.bandTo = c.to;
        in.target = c.target;
        const FerriteImpedanceOutcome o = FerriteImpedance(in, kMaterials, c.settings);
        EXPECT_EQ(o.shown.dataMessage, c.message);
    }
}

TEST(FerriteImpedanceTest, FailingFieldsStopWhereTheyFail) {
    // clang-format off
    const struct {
        std::string FerriteImpedanceInput::*field;
        const char* text;
        CalcError::Kind kind;
        bool muShown, impedanceShown, curvesMade;
    } cases[] = {
        {&FerriteImpedanceInput::turns, "11x", CalcError::Kind::Conversion, false, false, false},
        {&FerriteImpedanceInput::frequency, "-", CalcError::Kind::Conversion, false, false, false},
        {&FerriteImpedanceInput::capacitance, "2,0", CalcError::Kind::Conversion, true, false, false},
        {&FerriteImpedanceInput::target, "1k", CalcError::Kind::Conversion, true, true, true},
        {&FerriteImpedanceInput::turns, "1e3000", CalcError::Kind::FloatingPoint, false, false, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        FerriteImpedanceInput in = DefaultFerriteImpedanceInput(kMaterials, kEnglish);
        in.*c.field = c.text;
        const FerriteImpedanceOutcome o = FerriteImpedance(in, kMaterials, kEnglish);
        ASSERT_TRUE(o.error);
        EXPECT_EQ(o.error->kind(), c.kind);
        if (c.kind == CalcError::Kind::Conversion) {
            EXPECT_EQ(o.error->message(), "'" + std::string(c.text) + "' ist kein gültiger Fließkommawert");
        }
        EXPECT_EQ(o.shown.muReal.has_value(), c.muShown);
        EXPECT_EQ(o.shown.resistance.has_value(), c.impedanceShown);
        EXPECT_EQ(o.shown.resonance.has_value(), c.impedanceShown);
        EXPECT_EQ(o.curves.has_value(), c.curvesMade);
        EXPECT_FALSE(o.shown.chokeTurns);
    }
}

TEST(FerriteImpedanceTest, NoValueCases) {
    FerriteImpedanceInput in = DefaultFerriteImpedanceInput(kMaterials, kEnglish);
    in.capacitance = "0";
    EXPECT_EQ(FerriteImpedance(in, kMaterials, kEnglish).shown.resonance, "—");
    in.turns = "";
    const FerriteImpedanceShown none = FerriteImpedance(in, kMaterials, kEnglish).shown;
    EXPECT_EQ(none.resistance, "0.000 Ω");
    EXPECT_EQ(none.resonance, "—");

    for (const auto& [size, material] : {std::pair(-1, 1), std::pair(18, 1), std::pair(17, 10)}) {
        in.size = size;
        in.material = material;
        const FerriteImpedanceOutcome o = FerriteImpedance(in, kMaterials, kEnglish);
        EXPECT_EQ(o.shown.impedance, "—");
        EXPECT_EQ(o.shown.chokeTurns, "—");
        EXPECT_TRUE(o.curves && o.curves->points.empty());
    }
}

TEST(FerriteImpedanceTest, CurvesFollowTheInputs) {
    FerriteImpedanceInput in = DefaultFerriteImpedanceInput(kMaterials, kEnglish);
    const FerriteImpedanceOutcome o = FerriteImpedance(in, kMaterials, kEnglish);
    ASSERT_TRUE(o.curves);
    const ImpedanceCurves& c = *o.curves;
    const MaterialTable& m43 = *kMaterials.at(in.material);
    EXPECT_EQ(c.lowestFrequency, 1e4L);
    EXPECT_EQ(c.highestFrequency, 3e9L);
    EXPECT_GE(c.points.size(), m43.rows.size() + kCurveSamples - 10);
    EXPECT_TRUE(std::is_sorted(c.points.begin(), c.points.end(),
                               [](const auto& a, const auto& b) { return a.frequency <= b.frequency; }));
    EXPECT_EQ(c.points.front().frequency, 1e4L);
    EXPECT_EQ(c.points.back().frequency, 3e9L);
    for (const ImpedancePoint& p : c.points) {
        ASSERT_TRUE(std::isfinite(p.magnitude) && std::isfinite(p.reactance));
        EXPECT_NEAR(p.magnitude, std::hypot(p.resistance, p.reactance), 1e-9L * p.magnitude);
    }
    ASSERT_TRUE(c.working && c.resonance && c.band);
    EXPECT_EQ(c.working->frequency, 3.6e6L);
    EXPECT_NEAR(c.working->resistance, 2016.9L, 0.5L); // shown "2.017 kΩ"
    EXPECT_NEAR(c.resonance->frequency, 10.64e6L, 0.005e6L);
    EXPECT_LT(std::fabs(c.resonance->reactance), 1e-6L * c.resonance->magnitude);
    EXPECT_EQ(*c.band, std::pair(3.5e6L, 30e6L));

    // Twice the turns: four times the winding's impedance at low frequency.
    in.turns = "22";
    const FerriteImpedanceOutcome more = FerriteImpedance(in, kMaterials, kEnglish);
    EXPECT_NEAR(more.curves->points.front().magnitude / c.points.front().magnitude, 4.0L, 1e-3L);

    // Outside the data: no working marker; a band cut to the data.
    in.frequency = "5000";
    in.bandTo = "9000";
    const FerriteImpedanceOutcome outside = FerriteImpedance(in, kMaterials, kEnglish);
    EXPECT_FALSE(outside.curves->working);
    EXPECT_EQ(*outside.curves->band, std::pair(3.5e6L, 3e9L));
}

TEST(FerriteImpedanceTest, DefaultsUseTheLocaleSeparator) {
    const FerriteImpedanceInput in = DefaultFerriteImpedanceInput(kMaterials, kGerman);
    EXPECT_EQ(FtSizeTable[static_cast<std::size_t>(in.size)].name, "FT240");
    EXPECT_EQ(kMaterials.at(in.material)->name, "43");
    EXPECT_EQ(in.frequency, "3,6");
    EXPECT_EQ(in.bandFrom, "3,5");
    EXPECT_EQ(FerriteImpedance(in, kMaterials, kGerman).shown.resistance, "2.017 kΩ");
}

TEST(FerriteImpedanceTest, SizeDimensions) {
    const Settings us{".", UnitSystem::Us, Language::English};
    // The ferrite page's texts: Da, Di, h with two decimals, the catalogue's inches.
    EXPECT_EQ(FtSizeDimensions(17, kGerman), "Da 61.00 mm  Di 35.60 mm  h 12.70 mm");
    EXPECT_EQ(FtSizeDimensions(0, kEnglish), "OD 5.80 mm  ID 3.05 mm  h 1.52 mm");
    EXPECT_EQ(FtSizeDimensions(12, us), "OD 1.500 in  ID 0.750 in  h 0.590 in");
    EXPECT_EQ(FtSizeDimensions(-1, kGerman), "");
    EXPECT_EQ(FtSizeDimensions(18, kGerman), "");
}

TEST(FtTakeOverTest, MaterialNames) {
    // clang-format off
    const struct {
        const char* page;
        std::optional<std::string_view> data;
    } cases[] = {
        {"43", "43"}, {"61", "61"}, {"67", "67"}, {"68", "68"}, {"75 (J)", "75"}, {"77", "77"},
        {"63", std::nullopt}, {"72", std::nullopt}, {"F", std::nullopt}, {"H", std::nullopt},
        {"K", std::nullopt}, {"W", std::nullopt},
    };
    // clang-format on
    static_assert(std::size(cases) == FtMaterialTable.size());
    for (const auto& c : cases)
        EXPECT_EQ(DataMaterialFor(c.page), c.data) << c.page;
}

TEST(FtTakeOverTest, TurnsAndFrequency) {
    // clang-format off
    const struct {
        FtPageState page;
        std::optional<int> material;
        std::optional<std::string> turns, frequency;
        std::optional<int> unit;
    } cases[] = {
        // FT240 in "75 (J)": material "75" at list position 7.
        {{17, 6, "12", 10.3L, "3,6", 2}, 7, "12", "3,6", 1},
        {{17, 0, "", 10.3L, "3600000", 0}, 1, "11", "3600", 0},
        {{17, 0, "0", 11.0L, "7050", 1}, 1, "11", "7050", 0},
        {{17, 0, " 2,5 ", 0, "1,2", 3}, 1, "2,5", "1200", 1},
        {{17, 0, "x", 0, "0,5", 0}, 1, std::nullopt, "0,0005", 0},
        // "F" has no data, an unreadable frequency is not taken.
        {{17, 8, "", 0, "abc", 2}, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {{17, 8, "", 0, "", 2}, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page.frequency);
        const FtTakeOver t = TakeOverFtPage(c.page, kMaterials, kGerman);
        EXPECT_EQ(t.size, 17);
        EXPECT_EQ(t.material, c.material);
        EXPECT_EQ(t.turns, c.turns);
        EXPECT_EQ(t.frequency, c.frequency);
        EXPECT_EQ(t.frequencyUnit, c.unit);
    }
}

} // namespace
} // namespace torvex
