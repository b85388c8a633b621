// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "ferrite/material_table.h"

namespace torvex {

// The winding on a ferrite core at radio frequency. The permeability is
// complex, µ = µ′ − jµ″, taken from the material's measured table, and the
// winding's stray capacitance lies in parallel:
//   Zw = jω·µ0·N²·k·(µ′ − jµ″)        the winding alone, ω = 2πf
//   Z  = Zw ∥ 1/(jωC)                 the whole; C = 0 leaves it out

inline constexpr long double kPi = 3.141592653589793238462643383279502884L;
inline constexpr long double kMu0 = 4e-7L * kPi; // H/m

// Ae/le of `rings` stacked rectangular rings, in metres: n·h·ln(Da/Di)/(2π),
// with Da, Di, h given in mm.
long double CoreFactor(long double daMm, long double diMm, long double hMm, int rings);

struct ComplexPermeability {
    long double real = 0; // µ′
    long double imag = 0; // µ″
};

// µ′ and µ″ at f (Hz), linear in log10 f between the two neighbouring rows,
// a row's own values at its frequency; nothing outside the table's range.
std::optional<ComplexPermeability> PermeabilityAt(const MaterialTable& table, long double frequency);

struct Winding {
    long double coreFactor = 0;  // k, m
    long double turns = 0;       // N
    long double capacitance = 0; // C, F; 0 leaves it out
};

struct Impedance {
    long double resistance = 0; // R = Re Z, Ω
    long double reactance = 0;  // X = Im Z, Ω
    long double magnitude() const;
};

// Z at f (Hz). Not finite only where a lossless winding meets its
// capacitance exactly in resonance.
Impedance WindingImpedance(const Winding& winding, ComplexPermeability mu, long double frequency);
// L = µ0·N²·k·µ′ (H), of the winding alone; negative where µ′ is.
long double WindingInductance(const Winding& winding, ComplexPermeability mu);
// Q = µ′/µ″ of the winding alone; nothing where µ″ is 0.
std::optional<long double> QualityFactor(ComplexPermeability mu);

// The lowest frequency of the table's range at which X turns from positive
// to not positive, found between the two rows where it does by bisection in
// log f to far better than four significant digits. Nothing when C is not
// above 0, when X is not positive at the first row, or when it never turns.
std::optional<long double> SelfResonance(const Winding& winding, const MaterialTable& table);

enum class ChokeProblem {
    None,
    BandReversed,    // the lower edge is not below the upper edge
    BandOutsideData, // the band is not wholly inside the table's range
    NotReachable,    // not even 100 turns give the resistance
};

struct ChokeDesign {
    std::optional<int> turns;
    ChokeProblem problem = ChokeProblem::None;
};

inline constexpr int kMostChokeTurns = 100;

// The least whole number of turns from 1 to 100 for which R is at least
// `targetOhm` at both band edges (Hz) and at every table frequency between
// them. The winding's own turns are not used.
ChokeDesign DesignChoke(const Winding& winding, const MaterialTable& table, long double bandLow, long double bandHigh,
                        long double targetOhm);

} // namespace torvex
