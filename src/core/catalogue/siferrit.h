// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <type_traits>

#include "catalogue/catalogue_lookup.h"
#include "catalogue/catalogue_types.h"

namespace torvex {

// EPCOS SIFERRIT ring cores ("R" cores). Rows are in the order of the page's
// size and material lists. The ordering code of a pair is "B64290-", the size
// code, "-X" and the material code.

// Name, Da, Di, h in mm, Da, Di, h as EPCOS prints them in inches (shown as
// they stand; those of R10, R25/10 and R34/10 do not match the millimetres),
// and the size part of the ordering code.
// clang-format off
inline constexpr auto SiferritSizeTable = std::to_array<SiferritSize>({
    {"R2,5",       2.5L,   1.5L,  1.0L, "0.098", "0.059", "0.039", "P35"},
    {"R4",         4.0L,   2.4L,  1.6L, "0.157", "0.094", "0.063", "K36"},
    {"R6,3",       6.3L,   3.8L,  2.5L, "0.248", "0.150", "0.098", "K37"},
    {"R10",       10.8L,  5.25L,  4.0L, "0.433", "0.199", "0.195", "K38"},
    {"R12,5",     13.6L,   6.5L, 5.95L, "0.535", "0.256", "0.234", "K44"},
    {"R16",       17.2L,   8.5L,  7.3L, "0.677", "0.335", "0.287", "K45"},
    {"R20/7",     21.2L,  8.75L,  8.1L, "0.835", "0.344", "0.319", "K632"},
    {"R22",       23.3L,  12.6L,  7.4L, "0.917", "0.496", "0.291", "K638"},
    {"R25/10",    26.8L,  13.5L, 11.0L, "1.043", "0.531", "0.433", "K618"},
    {"R34/10",    35.5L,  19.2L, 11.1L, "1.339", "0.756", "0.437", "K58"},
    {"R34/12,5",  35.5L,  19.2L, 13.6L, "1.398", "0.756", "0.535", "K48"},
    {"R36",       37.5L,  21.7L, 16.2L, "1.476", "0.854", "0.638", "K674"},
    {"R40",       41.8L,  22.5L, 17.2L, "1.646", "0.886", "0.677", "K659"},
    {"R42",       43.6L,  24.8L, 13.6L, "1.717", "0.976", "0.535", "K22"},
    {"R50",       51.8L,  28.5L, 21.3L, "2.039", "1.122", "0.839", "K82"},
    {"R58",       60.1L,  39.2L, 18.8L, "2.366", "1.543", "0.740", "L40"},
    {"R100",     104.8L,  63.7L, 16.3L, "4.126", "2.508", "0.642", "A84"},
    {"R140",     143.8L, 100.2L, 26.8L, "5.661", "3.945", "1.055", "A705"},
    {"R200",     206.8L, 149.2L, 26.8L, "8.142", "5.874", "1.055", "A711"},
});
// clang-format on
static_assert(SiferritSizeTable.size() == 19);

// Material, material part of the ordering code, µi, application in German and
// English, and the frequency range (one text for both languages).
// clang-format off
inline constexpr auto SiferritMaterialTable = std::to_array<SiferritMaterial>({
    {"N27", "27",   2000, "Leistungsübertrager", "Power Transformer",     "0...150 kHz"},
    {"N30", "830",  4300, "Breitbandübertrager", "Broadband Transformer", "-"},
    {"T35", "35",   6000, "Breitbandübertrager", "Broadband Transformer", "-"},
    {"T38", "38",  10000, "Breitbandübertrager", "Broadband Transformer", "-"},
    {"K1",  "1",      80, "Resonanzkreise",      "Resonant Circuit",      "1,5...12 MHz"},
    {"M33", "33",    750, "Resonanzkreise",      "Resonant Circuit",      "0,2...1 MHz"},
    {"N49", "49",   1300, "Leistungsübertrager", "Power Transformer",     "300...1000 kHz"},
    {"N67", "67",   2100, "Leistungsübertrager", "Power Transformer",     "0...300 kHz"},
});
// clang-format on
static_assert(SiferritMaterialTable.size() == 8);

// AL in nH per turn squared. 0: not made.
// clang-format off
inline constexpr auto SiferritAlTable = std::to_array({
    //        N27      N30      T35      T38     K1     M33     N49       N67
    AlRow(   0.0L,  440.0L,    0.0L, 1020.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R2,5
    AlRow(   0.0L,  700.0L,    0.0L, 1630.0L, 13.0L, 123.0L,   0.0L,    0.0L), // R4
    AlRow(   0.0L, 1090.0L,    0.0L, 2530.0L, 20.0L, 190.0L, 330.0L,    0.0L), // R6,3
    AlRow(   0.0L, 1760.0L,    0.0L, 4090.0L, 33.0L, 308.0L, 530.0L,    0.0L), // R10
    AlRow(1020.0L, 2200.0L, 3060.0L, 5110.0L,  0.0L,   0.0L, 660.0L, 1070.0L), // R12,5
    AlRow(1290.0L, 2770.0L, 3870.0L, 6440.0L,  0.0L,   0.0L, 840.0L, 1350.0L), // R16
    AlRow(1930.0L, 4160.0L, 5000.0L, 8500.0L,  0.0L,   0.0L,   0.0L, 2030.0L), // R20/7
    AlRow(1210.0L, 2610.0L, 3200.0L, 5400.0L,  0.0L,   0.0L,   0.0L, 1270.0L), // R22
    AlRow(2150.0L, 4620.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L, 2260.0L), // R25/10
    AlRow(   0.0L, 4360.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R34/10
    AlRow(   0.0L, 5460.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R34/12,5
    AlRow(2670.0L, 5750.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L, 2810.0L), // R36
    AlRow(   0.0L, 7000.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R40
    AlRow(   0.0L, 5000.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R42
    AlRow(   0.0L, 8700.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R50
    AlRow(   0.0L, 5400.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R58
    AlRow(   0.0L, 5500.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R100
    AlRow(   0.0L, 6200.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R140
    AlRow(   0.0L, 5500.0L,    0.0L,    0.0L,  0.0L,   0.0L,   0.0L,    0.0L), // R200
});
// clang-format on
static_assert(std::is_same_v<decltype(SiferritAlTable), const AlMatrix<19, 8>>);

// AL in nH per turn squared at two list positions; 0 when the pair is not
// made or a list has no selection (-1).
constexpr long double SiferritAl(int size, int material) { return AlAt(SiferritAlTable, size, material); }

} // namespace torvex
