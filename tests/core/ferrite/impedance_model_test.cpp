// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ferrite/impedance_model.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "ferrite/material_list.h"

namespace torvex {
namespace {

const MaterialList kMaterials;

const MaterialTable& Material(std::string_view name) { return *kMaterials.at(*kMaterials.find(name)); }

// FT240: Da 61.0, Di 35.6, h 12.7 mm.
const long double kFt240 = CoreFactor(61.0L, 35.6L, 12.7L, 1);

// A lossless material with µ′ = 100 from 100 kHz to 100 MHz.
MaterialTable Lossless() {
    MaterialTable t;
    t.name = "lossless";
    t.rows = {{1e5L, 100, 0}, {1e6L, 100, 0}, {1e7L, 100, 0}, {1e8L, 100, 0}};
    return t;
}

TEST(ImpedanceModelTest, CoreFactor) {
    EXPECT_NEAR(1 / kFt240, 918.7L, 0.05L); // the FT240 figure
    EXPECT_NEAR(CoreFactor(61.0L, 35.6L, 12.7L, 3), 3 * kFt240, 1e-18L);
}

TEST(ImpedanceModelTest, PublishedImpedances) {
    // Published measurements: Zw with µ′, µ″ and the winding's capacitance.
    // clang-format off
    const struct {
        Winding winding;
        long double frequency, muReal, muImag, r, x;
    } cases[] = {
        {{1 / 920.0L, 11, 2e-12L}, 3.6e6L, 470, 224, 987, 1868},
        {{885e-9L / (kMu0 * 800), 10, 0}, 21e6L, 140, 180, 2627, 2044},
        {{885e-9L / (kMu0 * 800), 10, 2e-12L}, 21e6L, 140, 180, 3791, -1270},
    };
    // clang-format on
    for (const auto& c : cases) {
        const Impedance z = WindingImpedance(c.winding, {c.muReal, c.muImag}, c.frequency);
        EXPECT_NEAR(z.resistance, c.r, 1.0L);
        EXPECT_NEAR(z.reactance, c.x, 1.0L);
    }
}

TEST(ImpedanceModelTest, InterpolatesInLogFrequency) {
    const MaterialTable& m61 = Material("61");
    // Between 18.7 MHz (150.66, 23.49) and 20.2 MHz (152.75, 33.55); linear in f would give 32.21.
    const auto mu = PermeabilityAt(m61, 20e6L);
    ASSERT_TRUE(mu);
    EXPECT_NEAR(mu->real, 152.48L, 0.005L);
    EXPECT_NEAR(mu->imag, 32.253L, 0.001L);
    // A row's own values at its frequency, the ends included.
    for (const PermeabilityRow& row : {m61.rows.front(), m61.rows[40], m61.rows.back()}) {
        const auto at = PermeabilityAt(m61, row.frequency);
        ASSERT_TRUE(at);
        EXPECT_EQ(at->real, row.muReal);
        EXPECT_EQ(at->imag, row.muImag);
    }
    for (const long double outside : {9999.0L, 1.0001e9L, 0.0L, -1e6L, std::numeric_limits<long double>::quiet_NaN()}) {
        EXPECT_FALSE(PermeabilityAt(m61, outside)) << static_cast<double>(outside);
    }
}

TEST(ImpedanceModelTest, InductanceAndQuality) {
    const Winding w{kFt240, 11, 0};
    EXPECT_NEAR(WindingInductance(w, {687.62L, 0}), 113.81e-6L, 0.01e-6L); // 43 at 3.6 MHz
    EXPECT_LT(WindingInductance(w, {-8.2L, 10}), 0);                       // above the material's resonance
    EXPECT_NEAR(*QualityFactor({687.62L, 423.3L}), 1.6244L, 1e-4L);
    EXPECT_FALSE(QualityFactor({100, 0}));
}

TEST(ImpedanceModelTest, SelfResonance) {
    // FT240 in 43, 11 turns, 2 pF: near 10.6 MHz.
    const auto ft240 = SelfResonance({kFt240, 11, 2e-12L}, Material("43"));
    ASSERT_TRUE(ft240);
    EXPECT_NEAR(*ft240, 10.64e6L, 0.005e6L);

    // Lossless: exactly where ω²LC = 1, far finer than four digits.
    const Winding w{1e-3L, 10, 10e-12L};
    const long double l = WindingInductance(w, {100, 0});
    const auto lossless = SelfResonance(w, Lossless());
    ASSERT_TRUE(lossless);
    EXPECT_NEAR(*lossless / (1 / (2 * kPi * std::sqrt(l * w.capacitance))), 1.0L, 1e-8L);

    EXPECT_FALSE(SelfResonance({kFt240, 11, 0}, Material("43")));       // no capacitance
    EXPECT_FALSE(SelfResonance({kFt240, 0, 2e-12L}, Material("43")));   // X is 0 at the first row
    EXPECT_FALSE(SelfResonance({1e-3L, 10, 1e-20L}, Lossless()));       // turns above the table
    EXPECT_FALSE(SelfResonance({kFt240, 11, -2e-12L}, Material("43"))); // not above 0
}

TEST(ImpedanceModelTest, ChokeDesigner) {
    const MaterialTable& m43 = Material("43");
    const Winding w{kFt240, 0, 2e-12L};
    const ChokeDesign hf = DesignChoke(w, m43, 3.5e6L, 30e6L, 1000);
    ASSERT_TRUE(hf.turns);
    EXPECT_EQ(hf.problem, ChokeProblem::None);
    // The least: one turn fewer misses the target somewhere in the band.
    const auto lowestR = [&](int turns) {
        long double lowest = std::numeric_limits<long double>::infinity();
        Winding trial = w;
        trial.turns = turns;
        for (long double f = 3.5e6L; f <= 30e6L; f *= 1.01L) {
            lowest = std::min(lowest, WindingImpedance(trial, *PermeabilityAt(m43, f), f).resistance);
        }
        return lowest;
    };
    EXPECT_GE(lowestR(*hf.turns), 1000 * 0.999L);
    EXPECT_LT(lowestR(*hf.turns - 1), 1000);

    // clang-format off
    const struct {
        long double low, high, target;
        std::optional<int> turns;
        ChokeProblem problem;
    } cases[] = {
        {3.5e6L, 30e6L, 0, 1, ChokeProblem::None},
        {1e4L, 3e9L, 0, 1, ChokeProblem::None}, // the whole table, edges included
        {30e6L, 3.5e6L, 1000, std::nullopt, ChokeProblem::BandReversed},
        {7e6L, 7e6L, 1000, std::nullopt, ChokeProblem::BandReversed},
        {5e3L, 30e6L, 1000, std::nullopt, ChokeProblem::BandOutsideData},
        {3.5e6L, 5e9L, 1000, std::nullopt, ChokeProblem::BandOutsideData},
        {3.5e6L, 30e6L, 1e9L, std::nullopt, ChokeProblem::NotReachable},
    };
    // clang-format on
    for (const auto& c : cases) {
        const ChokeDesign d = DesignChoke(w, m43, c.low, c.high, c.target);
        EXPECT_EQ(d.turns, c.turns) << static_cast<double>(c.low) << " " << static_cast<double>(c.high);
        EXPECT_EQ(d.problem, c.problem);
    }
}

} // namespace
} // namespace torvex
