// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ferrite/material_list.h"
#include "format/calc_error.h"
#include "settings.h"

namespace torvex {

// The ferrite impedance window's calculator: a winding on FT rings of a
// material with measured complex permeability, at a working frequency, with
// its self-resonance and the least turns for a choke over a band.

// The working-frequency unit list, by position.
inline constexpr std::array<std::string_view, 2> FerriteFrequencyUnitNames{"kHz", "MHz"};
inline constexpr std::array<long double, 2> FerriteFrequencyUnitFactors{1e3L, 1e6L};

inline constexpr int kFewestRings = 1;
inline constexpr int kMostRings = 10;

// Texts as typed (the locale's decimal separator; an empty field reads 0) and
// list positions.
struct FerriteImpedanceInput {
    int size = 0;     // position in FtSizeTable
    int material = 0; // position in the MaterialList
    int rings = 1;    // identical rings stacked, 1 to 10
    std::string turns;
    std::string frequency;
    int frequencyUnit = 1;   // position in FerriteFrequencyUnitNames
    std::string capacitance; // pF; 0 leaves it out
    std::string bandFrom;    // MHz
    std::string bandTo;      // MHz
    std::string target;      // wanted resistance of the choke, Ω
};

// The inputs at the first opening: FT240, material 43, one ring, 11 turns,
// 3.6 MHz, 2 pF, the band 3.5 to 30 MHz, 1000 Ω; fractions written with the
// locale's separator.
FerriteImpedanceInput DefaultFerriteImpedanceInput(const MaterialList& materials, const Settings& settings);

// The texts the window shows: four significant digits, an SI prefix and the
// unit ("2.017 kΩ", "113.8 µH", "10.64 MHz"), µ′, µ″ and Q without unit
// ("688.2"), kNoValue ("—") where there is no value. A field is empty
// (nullopt) when a failing step did not reach it: the window keeps its text.
struct FerriteImpedanceShown {
    std::optional<std::string> muReal, muImag;                   // at the working frequency
    std::optional<std::string> inductance;                       // L of the winding alone
    std::optional<std::string> resistance, reactance, impedance; // R, X, |Z| of the whole
    std::optional<std::string> quality;                          // Q of the winding alone
    std::optional<std::string> resonance;                        // the self-resonant frequency
    std::optional<std::string> chokeTurns;                       // the least turns for the choke: "7"
    // Why values are missing (the frequency outside the material's data, the
    // choke's band or target), one sentence each, in the interface language;
    // empty when nothing is missing.
    std::optional<std::string> dataMessage;
};

// |Z|, R and X at one frequency.
struct ImpedancePoint {
    long double frequency = 0;  // Hz
    long double resistance = 0; // Ω
    long double reactance = 0;  // Ω
    long double magnitude = 0;  // Ω
};

// The plot's data, plain numbers in Hz and Ω, every one finite.
struct ImpedanceCurves {
    // Over the material's range, frequency ascending: evenly spaced in log f,
    // plus every row of the table, the working frequency and the resonance.
    std::vector<ImpedancePoint> points;
    long double lowestFrequency = 0; // the material's range, Hz
    long double highestFrequency = 0;
    std::optional<ImpedancePoint> working;   // when the frequency lies in the range
    std::optional<ImpedancePoint> resonance; // the self-resonance, when there is one
    // The choke's band where it overlaps the range, cut to it.
    std::optional<std::pair<long double, long double>> band;
};

inline constexpr int kCurveSamples = 300;

struct FerriteImpedanceOutcome {
    FerriteImpedanceShown shown;
    // Once the turns, the frequency and the capacitance have been read.
    std::optional<ImpedanceCurves> curves;
    // A field that does not read as a number, or an arithmetic fault: the
    // program's message beside the result.
    std::optional<CalcError> error;
};

// The dimensions shown beside the size list: in metric units Da, Di and h in
// mm with the ferrite page's two decimals ("Da 61.00 mm  Di 35.60 mm  h
// 12.70 mm"), in US units the catalogue's inch texts ("OD 2.400 in ..."), in
// the interface language; empty for a position outside FtSizeTable.
std::string FtSizeDimensions(int size, const Settings& settings);

// Reads the fields in the window's order (turns, frequency, capacitance, band,
// target) and computes what each makes possible. A size or material position
// outside its list shows kNoValue everywhere and empty curves.
FerriteImpedanceOutcome FerriteImpedance(const FerriteImpedanceInput& in, const MaterialList& materials,
                                         const Settings& settings);

} // namespace torvex
