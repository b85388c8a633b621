// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings.h"

namespace torvex {

// Unit lists, indexed by list position.
inline constexpr std::array<long double, 4> InductanceUnitFactors{1e-9L, 1e-6L, 1e-3L, 1.0L};          // nH µH mH H
inline constexpr std::array<long double, 4> FrequencyUnitFactors{1.0L, 1e3L, 1e6L, 1e9L};              // Hz kHz MHz GHz
inline constexpr std::array<long double, 5> CapacitanceUnitFactors{1e-12L, 1e-9L, 1e-6L, 1e-3L, 1.0L}; // pF nF µF mF F
inline constexpr std::array<long double, 4> AlUnitFactors{1.0L, 0.1L, 0.001L, 1.0L};                   // to nH/N²

// The texts of the unit lists, in the same order.
inline constexpr std::array<std::string_view, 4> InductanceUnitNames{"nH", "µH", "mH", "H"};
inline constexpr std::array<std::string_view, 4> FrequencyUnitNames{"Hz", "kHz", "MHz", "GHz"};
inline constexpr std::array<std::string_view, 5> CapacitanceUnitNames{"pF", "nF", "µF", "mF", "F"};
inline constexpr std::array<std::string_view, 4> AlUnitNames{"nH/N²", "µH/(100 N)²", "µH/(1000 N)²", "mH/(1000 N)²"};

// Factor of a list position; an out-of-range position (nothing chosen) gives 1.
template <std::size_t N> constexpr long double UnitFactor(const std::array<long double, N>& factors, int position) {
    return position >= 0 && static_cast<std::size_t>(position) < N ? factors[position] : 1.0L;
}

// The texts of the three entry fields of a core page and its two unit lists.
struct WindingFields {
    std::string inductance; // wanted inductance
    int inductanceUnit = 1; // position in the inductance unit list
    std::string frequency;  // working frequency
    int frequencyUnit = 1;  // position in the frequency unit list
    std::string turns;      // turns of the second calculation
};

// The values of the winding calculation, in the order they are computed.
struct WindingResult {
    long double A = 0; // AL, H per turn squared
    long double L = 0; // wanted inductance, H (0 when the core is not available)
    bool available = false;
    long double N = 0;   // turns for L, not rounded
    long double D = 0;   // largest wire diameter for one layer, mm
    long double len = 0; // wire length, cm
    long double f = 0;   // working frequency, Hz
    long double XL = 0;  // Ω
    long double n = 0;   // typed turns
    long double L2 = 0;  // H
    long double XL2 = 0; // Ω
};

// The winding results as a core page shows them, in the order they are
// computed. Numbers use "." whatever the locale.
struct WindingShown {
    std::optional<std::string> turns;                  // N, 3:1 ("xxx" or 3:0 on the unknown-cores page)
    std::optional<std::string> wireDiameter;           // D in mm, 3:2; in US units the AWG gauge ("xxx": none fits)
    std::optional<std::string> wireLength;             // cm, 3:0; in US units inches, feet or yards
    std::optional<std::string> wireLengthUnit;         // " in", " ft" or " yd" in US units; " cm" on the
                                                       // iron-powder page in metric units; else never set
    std::optional<std::string> reactance;              // XL, scaled to three decimals
    std::optional<std::string> reactancePrefix;        // SI prefix of XL before the ohm sign ("" for none)
    std::optional<std::string> inductanceOfTurns;      // L2 of the typed turns, scaled
    std::optional<std::string> inductanceOfTurnsUnit;  // its prefix and "H", e.g. "µH"
    std::optional<std::string> reactanceOfTurns;       // XL2, scaled
    std::optional<std::string> reactanceOfTurnsPrefix; // SI prefix of XL2 ("" for none)
};

// The largest diameter (mm) of round wire of which n turns lie side by side in
// one layer against the inside of a hole of diameter di (mm), neighbouring
// centres at least one diameter apart. n need not be whole; 0 for n <= 0.
long double SingleLayerWireDiameter(long double di, long double n);

// The pure winding calculation on a core's dimensions (mm) and AL (nH/N²).
// Throws CalcError like a page's run would, at the same step.
WindingResult CalculateWinding(long double da, long double di, long double h, long double alNanohenry,
                               const WindingFields& fields, const Settings& settings);

} // namespace torvex
