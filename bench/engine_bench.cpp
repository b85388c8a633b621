// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine alone: one run of every calculator, from its typed texts to the
// result it shows, without any widget. Each runs on typical typed
// values, with the decimal comma of a German locale, in metric units and,
// where the calculator shows lengths or gauges, in US units too.

#include <benchmark/benchmark.h>

#include <string>

#include "calc/air_coil.h"
#include "calc/al_permeability.h"
#include "calc/conversion.h"
#include "calc/copper_resistance.h"
#include "calc/ferrite_ft_page.h"
#include "calc/ferroxcube_page.h"
#include "calc/iron_powder_page.h"
#include "calc/resonance.h"
#include "calc/siferrit_page.h"
#include "calc/straight_conductor.h"
#include "calc/unknown_core.h"

namespace {

using namespace torvex;

const Settings kMetric{",", UnitSystem::Metric, Language::German};
const Settings kUs{",", UnitSystem::Us, Language::English};

// Arg 0: metric, 1: US units.
const Settings& SettingsOf(const benchmark::State& state) { return state.range(0) ? kUs : kMetric; }

template <class F> void Run(benchmark::State& state, F&& recompute) {
    for (auto _ : state) {
        auto o = recompute();
        benchmark::DoNotOptimize(o);
    }
}

// The start selections of the four catalogue pages (T50/2, FT50/43, R10/N30,
// TN 10/6/4 with 3C11), 10 µH at 7 MHz and 20 turns.
const WindingFields kWinding{"10", 1, "7", 2, "20"};

void IronPowder(benchmark::State& s) {
    Run(s, [&] { return RecomputeIronPowder({{7, 2}, kWinding}, SettingsOf(s)); });
}
void FerriteFt(benchmark::State& s) {
    Run(s, [&] { return RecomputeFerriteFt({{2, 0}, kWinding}, SettingsOf(s)); });
}
void Siferrit(benchmark::State& s) {
    Run(s, [&] { return RecomputeSiferrit({{3, 1}, kWinding}, SettingsOf(s)); });
}
void Ferroxcube(benchmark::State& s) {
    Run(s, [&] { return RecomputeFerroxcube({{39, 1}, kWinding}, SettingsOf(s)); });
}

void UnknownCore(benchmark::State& s) {
    const UnknownCoreInputs in{"4,9", 0, "10", 1, "12,7", "7,7", "4,83", "7", 2, "20"};
    Run(s, [&] { return RecomputeUnknownCore(in, SettingsOf(s)); });
}

void CoilInductance(benchmark::State& s) {
    const CoilInductanceInputs in{"10", "10", "20"};
    Run(s, [&] { return RecomputeCoilInductance(in, SettingsOf(s)); });
}

void CoilTurns(benchmark::State& s) {
    const CoilTurnsInputs in{"1", 1, "10", "20"};
    Run(s, [&] { return RecomputeCoilTurns(in, SettingsOf(s)); });
}

void StraightConductor(benchmark::State& s) {
    // Metric reads the typed diameter, US units the gauge "20" (position 23).
    const StraightConductorInputs in{"0,5", 23, "100", true};
    Run(s, [&] { return RecomputeStraightConductor(in, SettingsOf(s)); });
}

void ResonantFrequency(benchmark::State& s) {
    const ResonanceRowInputs in{"10", 1, "100", 0};
    Run(s, [&] { return RecomputeResonantFrequency(in, kMetric); });
}

void ResonantCapacitance(benchmark::State& s) {
    const ResonanceRowInputs in{"10", 1, "7", 2};
    Run(s, [&] { return RecomputeResonantCapacitance(in, kMetric); });
}

void ResonantInductance(benchmark::State& s) {
    const ResonanceRowInputs in{"100", 0, "7", 2};
    Run(s, [&] { return RecomputeResonantInductance(in, kMetric); });
}

void AlPermeability(benchmark::State& s) {
    const AlPermeabilityInputs in{"20", "1,96", "12,7", "7,7", "4,83", "0,05"};
    Run(s, [&] { return RecomputeAlPermeability(in, kMetric); });
}

void CopperResistance(benchmark::State& s) {
    const CopperResistanceInputs in{"10", 0, "0,5", 23, "60"};
    Run(s, [&] { return RecomputeCopperResistance(in, SettingsOf(s)); });
}

void ImperialToMetric(benchmark::State& s) {
    Run(s, [&] { return RecomputeImperialToMetric({"12,5", 1}, kMetric); });
}
void MetricToImperial(benchmark::State& s) {
    Run(s, [&] { return RecomputeMetricToImperial({"12,5", 1}, kMetric); });
}
void GaugeDiameter(benchmark::State& s) {
    Run(s, [&] { return RecomputeGaugeDiameter({23}, kMetric); });
}
void Fahrenheit(benchmark::State& s) {
    Run(s, [&] { return RecomputeFahrenheit({"98,6"}, kMetric); });
}

} // namespace

#define UNITS(f) BENCHMARK(f)->ArgName("us")->Arg(0)->Arg(1)
#define METRIC(f) BENCHMARK(f)

UNITS(IronPowder);
UNITS(FerriteFt);
UNITS(Siferrit);
UNITS(Ferroxcube);
UNITS(UnknownCore);
UNITS(CoilInductance);
UNITS(CoilTurns);
UNITS(StraightConductor);
METRIC(ResonantFrequency);
METRIC(ResonantCapacitance);
METRIC(ResonantInductance);
METRIC(AlPermeability);
UNITS(CopperResistance);
METRIC(ImperialToMetric);
METRIC(MetricToImperial);
METRIC(GaugeDiameter);
METRIC(Fahrenheit);

BENCHMARK_MAIN();
