// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <type_traits>

#include "catalogue/catalogue_lookup.h"
#include "catalogue/catalogue_types.h"

namespace torvex {

// AMIDON ferrite ring cores ("FT" cores). Rows are in the order of the page's
// size and material lists.

// Name, Da, Di, h in mm, then Da, Di, h as AMIDON prints them in inches. The
// inch texts are shown as they stand, also where they do not match the
// millimetres (the Di of FT50-A and FT50-B, the h of FT114-A and FT150, the
// Da of FT200).
// clang-format off
inline constexpr auto FtSizeTable = std::to_array<CoreSizeWithInches>({
    {"FT23",      5.8L,  3.05L,  1.52L, "0.230", "0.120", "0.060"},
    {"FT37",      9.5L,  4.75L,  3.18L, "0.375", "0.187", "0.125"},
    {"FT50",     12.7L,  7.14L,   4.8L, "0.500", "0.281", "0.188"},
    {"FT50-A",   12.7L,  7.14L,  6.35L, "0.500", "0.312", "0.250"},
    {"FT50-B",   12.7L,  7.14L,  12.7L, "0.500", "0.312", "0.500"},
    {"FT82",     21.0L,  13.1L,  6.35L, "0.825", "0.516", "0.250"},
    {"FT87",     22.1L,  13.7L,  6.35L, "0.870", "0.540", "0.250"},
    {"FT87A",    22.1L,  13.7L,  12.7L, "0.870", "0.540", "0.500"},
    {"FT114",    29.0L, 19.05L,   7.5L, "1.142", "0.750", "0.295"},
    {"FT114-A",  29.0L, 19.05L,  8.13L, "1.142", "0.750", "0.545"},
    {"FT125",   31.75L, 19.05L,  9.53L, "1.250", "0.750", "0.375"},
    {"FT140",    35.6L,  22.7L,  12.7L, "1.400", "0.900", "0.500"},
    {"FT150",    38.1L, 19.05L,  6.35L, "1.500", "0.750", "0.590"},
    {"FT150A",   38.1L, 19.05L,  12.7L, "1.500", "0.750", "0.500"},
    {"FT193",   49.07L, 31.75L, 15.88L, "1.932", "1.250", "0.625"},
    {"FT193A",  49.07L, 31.75L, 19.05L, "1.932", "1.250", "0.750"},
    {"FT200",   50.08L, 30.48L,  12.7L, "2.000", "1.200", "0.500"},
    {"FT240",    61.0L,  35.6L,  12.7L, "2.400", "1.400", "0.500"},
});
// clang-format on
static_assert(FtSizeTable.size() == 18);

// Material, µi and its frequency ranges in MHz for resonant circuits,
// wide-band transformers and chokes (decimal comma in both languages).
// clang-format off
inline constexpr auto FtMaterialTable = std::to_array<FtMaterial>({
    {"43",       850, "0,01...1",    "1...50",     "30...600"},
    {"61",       125, "0,2...10",    "10...200",   "200...1000"},
    {"63",        40, "15...25",     "50...500",   "500...2000"},
    {"67",        40, "10...80",     "25...200",   "350...1500"},
    {"68",        20, "80...180",    "200...1000", "1000...5000"},
    {"72",      2000, "0,001...1",   "0,5...20",   "10...50"},
    {"75 (J)",  5000, "0,001...1",   "0,2...10",   "5...15"},
    {"77",      2000, "0,001...2",   "0,5...30",   "10...50"},
    {"F",       3000, "0,001...1",   "0,5...30",   "1...20"},
    {"H",      15000, "0,001...150", "0,001...1",  "0,001...0,5"},
    {"K",        290, "0,0001...30", "50...500",   "200...5000"},
    {"W",      10000, "0,001...250", "0,001...1",  "0,1...1"},
});
// clang-format on
static_assert(FtMaterialTable.size() == 12);

// AL in mH per (1000 turns)², the catalogue's unit, which is numerically
// nH per turn squared. 0: not made.
// clang-format off
inline constexpr auto FtAlTable = std::to_array({
    //         43      61     63     67     68       72   75 (J)       77        F        H        K          W
    AlRow( 188.0L,  24.8L,  7.9L,  7.9L,  4.0L,  396.0L,  990.0L,  396.0L,    0.0L, 2940.0L,    0.0L,     0.0L), // FT23
    AlRow( 420.0L,  55.3L, 19.7L, 19.7L,  8.8L,  884.0L, 2110.0L,  884.0L,    0.0L, 6590.0L,    0.0L,     0.0L), // FT37
    AlRow( 523.0L,  68.8L, 22.0L, 22.0L, 11.0L, 1100.0L, 2750.0L, 1100.0L,    0.0L,    0.0L,    0.0L,     0.0L), // FT50
    AlRow( 570.0L,  75.0L, 24.0L, 24.0L, 12.0L, 1200.0L, 2990.0L, 1200.0L,    0.0L,    0.0L,    0.0L,  5936.0L), // FT50-A
    AlRow(1140.0L, 150.0L, 48.0L, 48.0L,  0.0L, 2400.0L,    0.0L, 2400.0L,    0.0L,    0.0L,    0.0L,     0.0L), // FT50-B
    AlRow( 557.0L,  73.0L, 22.4L, 22.4L, 11.7L, 1172.0L, 2940.0L, 1172.0L,    0.0L,    0.0L,    0.0L,     0.0L), // FT82
    AlRow(   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,    0.0L, 3020.0L,    0.0L,    0.0L,    0.0L,    0.0L,     0.0L), // FT87
    AlRow(   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,    0.0L, 6040.0L,    0.0L, 3700.0L,    0.0L,    0.0L,     0.0L), // FT87A
    AlRow( 603.0L,  79.3L, 25.4L, 25.4L, 12.7L, 1270.0L, 3170.0L, 1270.0L, 1902.0L,    0.0L,    0.0L,     0.0L), // FT114
    AlRow(   0.0L, 146.0L,  0.0L,  0.0L,  0.0L,    0.0L,    0.0L, 2340.0L,    0.0L,    0.0L,    0.0L,     0.0L), // FT114-A
    AlRow(   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,    0.0L,    0.0L,    0.0L,    0.0L,    0.0L, 2615.0L,     0.0L), // FT125
    AlRow( 952.0L, 140.0L,  0.0L, 45.0L,  0.0L, 2250.0L,    0.0L, 2250.0L,    0.0L,    0.0L,    0.0L,     0.0L), // FT140
    AlRow(   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,    0.0L, 4400.0L,    0.0L, 2640.0L,    0.0L,    0.0L,     0.0L), // FT150
    AlRow(   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,    0.0L, 8370.0L,    0.0L, 5020.0L,    0.0L, 4508.0L, 16700.0L), // FT150A
    AlRow(   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,    0.0L, 6065.0L,    0.0L, 3640.0L,    0.0L,    0.0L, 11800.0L), // FT193
    AlRow(   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,    0.0L, 7435.0L,    0.0L, 4460.0L,    0.0L,    0.0L,     0.0L), // FT193A
    AlRow(   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,    0.0L,    0.0L,    0.0L,    0.0L,    0.0L, 5353.0L,     0.0L), // FT200
    AlRow(1239.0L, 171.0L,  0.0L, 53.0L,  0.0L, 3133.0L,    0.0L, 3130.0L,    0.0L,    0.0L, 4912.0L, 13690.0L), // FT240
});
// clang-format on
static_assert(std::is_same_v<decltype(FtAlTable), const AlMatrix<18, 12>>);

// AL in nH per turn squared at two list positions; 0 when the pair is not
// made or a list has no selection (-1).
constexpr long double FtAl(int size, int material) { return AlAt(FtAlTable, size, material); }

} // namespace torvex
