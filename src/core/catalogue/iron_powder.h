// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <type_traits>

#include "catalogue/catalogue_lookup.h"
#include "catalogue/catalogue_types.h"

namespace torvex {

// AMIDON iron-powder ring cores ("T" cores). Rows are in the order of the
// page's size and mix lists, so a list position indexes the tables directly.

// Name, Da, Di, h in mm, then Da, Di, h as AMIDON prints them in inches. The
// inch texts are shown as they stand: several do not match the millimetres
// (the Da of T80 and the Di of T106, T130, T184, T200A, T225 and T225A, for
// instance), and US users expect the maker's numbers, not our conversions.
// clang-format off
inline constexpr auto IronSizeTable = std::to_array<CoreSizeWithInches>({
    {"T12",    3.18L, 1.57L, 1.27L, "0.125", "0.062", "0.050"},
    {"T16",    4.06L, 1.98L, 1.52L, "0.160", "0.078", "0.060"},
    {"T20",    5.08L, 2.24L, 1.78L, "0.200", "0.088", "0.070"},
    {"T25",    6.48L, 3.05L, 2.44L, "0.255", "0.120", "0.096"},
    {"T30",     7.8L, 3.84L, 3.25L, "0.307", "0.151", "0.128"},
    {"T37",    9.53L, 5.21L, 3.25L, "0.375", "0.205", "0.128"},
    {"T44",    11.2L, 5.82L, 4.04L, "0.440", "0.229", "0.159"},
    {"T50",    12.7L,  7.7L, 4.83L, "0.500", "0.303", "0.190"},
    {"T68",    17.5L,  9.4L, 4.83L, "0.690", "0.370", "0.190"},
    {"T80",    20.2L, 12.6L, 6.35L, "0.975", "0.495", "0.250"},
    {"T94",    23.9L, 14.2L, 7.92L, "0.942", "0.560", "0.312"},
    {"T106",   26.9L, 14.5L, 11.1L, "1.060", "0.780", "0.437"},
    {"T130",   33.0L, 19.8L, 11.1L, "1.300", "0.950", "0.437"},
    {"T157",   39.9L, 24.1L, 14.5L, "1.570", "0.950", "0.570"},
    {"T184",   46.7L, 24.1L, 18.0L, "1.840", "1.250", "0.710"},
    {"T200",   50.8L, 31.8L, 14.0L, "2.000", "1.250", "0.550"},
    {"T200A",  50.8L, 31.8L, 25.4L, "2.000", "1.405", "1.000"},
    {"T225",   57.2L, 35.6L, 14.0L, "2.250", "1.485", "0.550"},
    {"T225A",  57.2L, 35.6L, 25.4L, "2.250", "1.250", "1.000"},
    {"T300",   77.2L, 49.0L, 12.7L, "3.040", "1.925", "0.500"},
    {"T300A",  77.2L, 49.0L, 25.4L, "3.040", "1.925", "1.000"},
    {"T400",  102.0L, 57.2L, 16.5L, "4.000", "2.250", "0.650"},
    {"T400A", 102.0L, 57.2L, 33.0L, "4.000", "2.250", "1.300"},
    {"T520",  132.0L, 78.2L, 20.3L, "5.200", "3.080", "0.800"},
});
// clang-format on
static_assert(IronSizeTable.size() == 24);

// Mix, µi, usable frequency range in MHz (kept with its decimal comma in both
// languages) and the colours of the upper and lower half of the patch painted
// on the core.
// clang-format off
inline constexpr auto IronMixTable = std::to_array<IronMix>({
    {"0",   1, "50...300",   Paint(128, 0, 0),     Paint(128, 0, 0)},     // maroon
    {"1",  20, "0,5...5",    Paint(0, 0, 255),     Paint(0, 0, 255)},     // blue
    {"2",  10, "1...30",     Paint(255, 0, 0),     Paint(255, 0, 0)},     // red
    {"3",  35, "0,05...0,5", Paint(128, 128, 128), Paint(128, 128, 128)}, // grey
    {"6",   8, "2...50",     Paint(255, 255, 0),   Paint(255, 255, 0)},   // yellow
    {"7",   9, "3...35",     Paint(255, 255, 255), Paint(255, 255, 255)}, // white
    {"10",  6, "10...100",   Paint(0, 0, 0),       Paint(0, 0, 0)},       // black
    {"12",  4, "20...200",   Paint(0, 128, 0),     Paint(255, 255, 255)}, // green over white
    {"15", 25, "0,1...2",    Paint(255, 0, 0),     Paint(255, 255, 255)}, // red over white
    {"17",  4, "20...200",   Paint(0, 0, 255),     Paint(255, 255, 0)},   // blue over yellow
    {"18", 55, "0...0,5",    Paint(255, 0, 0),     Paint(0, 255, 0)},     // red over lime
    {"26", 75, "0...1",      Paint(255, 255, 0),   Paint(255, 255, 255)}, // yellow over white
});
// clang-format on
static_assert(IronMixTable.size() == 12);

// AL in µH per 100 turns, the unit of AMIDON's catalogue, so the values can be
// checked against it; × 0.1 gives nH per turn squared. 0: not made.
// clang-format off
inline constexpr auto IronAlTable = std::to_array({
    //        0       1       2       3       6      7     10     12      15     17      18        26
    AlRow( 3.0L,  43.0L,  20.0L,  60.0L,  17.0L,  0.0L, 12.0L,  7.5L,  50.0L,  7.5L,   0.0L,    0.0L), // T12
    AlRow( 3.0L,  44.0L,  22.0L,  61.0L,  19.0L,  0.0L, 13.0L,  8.0L,  55.0L,  8.0L,   0.0L,  145.0L), // T16
    AlRow( 3.5L,  52.0L,  27.0L,  90.0L,  22.0L,  0.0L, 16.0L, 10.0L,  65.0L, 10.0L,   0.0L,  180.0L), // T20
    AlRow( 4.5L,  70.0L,  34.0L, 100.0L,  27.0L, 29.0L, 19.0L, 12.0L,  85.0L, 12.0L, 170.0L,  235.0L), // T25
    AlRow( 6.0L,  85.0L,  43.0L, 140.0L,  36.0L,  0.0L, 25.0L, 16.0L,  93.0L, 16.0L, 220.0L,  325.0L), // T30
    AlRow( 4.9L,  80.0L,  40.0L, 120.0L,  30.0L, 32.0L, 25.0L, 15.0L,  90.0L, 15.0L,   0.0L,  275.0L), // T37
    AlRow( 6.5L, 105.0L,  52.0L, 180.0L,  42.0L,  0.0L, 33.0L, 18.5L, 160.0L, 18.5L,   0.0L,  360.0L), // T44
    AlRow( 6.4L, 100.0L,  49.0L, 175.0L,  40.0L, 43.0L, 31.0L, 18.0L, 135.0L, 18.0L, 240.0L,  320.0L), // T50
    AlRow( 7.5L, 115.0L,  57.0L, 195.0L,  47.0L, 52.0L, 32.0L, 21.0L, 180.0L, 21.0L, 290.0L,  420.0L), // T68
    AlRow( 8.5L, 115.0L,  55.0L, 180.0L,  45.0L,  0.0L, 33.0L, 22.0L, 170.0L, 32.0L, 310.0L,  450.0L), // T80
    AlRow(10.6L, 160.0L,  84.0L, 248.0L,  70.0L,  0.0L, 58.0L, 32.0L, 200.0L, 32.0L, 420.0L,  590.0L), // T94
    AlRow(19.0L, 325.0L, 135.0L, 450.0L, 116.0L,  0.0L,  0.0L,  0.0L, 345.0L,  0.0L, 700.0L,  900.0L), // T106
    AlRow(15.0L, 200.0L, 110.0L, 350.0L,  96.0L,  0.0L,  0.0L,  0.0L, 250.0L,  0.0L,   0.0L,  785.0L), // T130
    AlRow( 0.0L, 320.0L, 140.0L, 420.0L, 115.0L,  0.0L,  0.0L,  0.0L, 360.0L,  0.0L,   0.0L,  970.0L), // T157
    AlRow( 0.0L, 500.0L, 240.0L, 720.0L, 195.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L, 1640.0L), // T184
    AlRow( 0.0L, 250.0L, 120.0L, 425.0L, 100.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L,  895.0L), // T200
    AlRow( 0.0L,   0.0L, 218.0L, 460.0L, 180.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L, 1525.0L), // T200A
    AlRow( 0.0L,   0.0L, 120.0L, 425.0L, 100.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L,  950.0L), // T225
    AlRow( 0.0L,   0.0L, 215.0L,   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L, 1600.0L), // T225A
    AlRow( 0.0L,   0.0L, 114.0L,   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L,  800.0L), // T300
    AlRow( 0.0L,   0.0L, 228.0L,   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L, 1600.0L), // T300A
    AlRow( 0.0L,   0.0L, 180.0L,   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L, 1300.0L), // T400
    AlRow( 0.0L,   0.0L, 360.0L,   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L, 2600.0L), // T400A
    AlRow( 0.0L,   0.0L, 207.0L,   0.0L,   0.0L,  0.0L,  0.0L,  0.0L,   0.0L,  0.0L,   0.0L, 1460.0L), // T520
});
// clang-format on
static_assert(std::is_same_v<decltype(IronAlTable), const AlMatrix<24, 12>>);

// The stored AL (µH per 100 turns) at two list positions; 0 when the pair is
// not made or a list has no selection (-1).
constexpr long double IronAl(int size, int mix) { return AlAt(IronAlTable, size, mix); }

} // namespace torvex
