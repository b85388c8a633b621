// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

namespace torvex {

// The 44 American Wire Gauge names in list order: "0000", "000", "00", "0",
// "1" ... "40". Index 23 is "20".
inline constexpr std::array<std::string_view, 44> AwgNames{
    "0000", "000", "00", "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11",
    "12",   "13",  "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26",
    "27",   "28",  "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", "40"};

inline constexpr int kDefaultGaugeIndex = 23; // "20"

// "0000" is -3, "000" -2, "00" -1, "0" 0, "1".."40" their value.
int GaugeNumber(std::string_view name);

// Diameter in inches of gauge n: 10^(-(n + 9.6954) / 19.8578).
long double AwgDiameterInches(int gauge);

// The gauge name of the largest standard wire not thicker than d (mm):
// "0000" ... "40", or "xxx" for d <= 0 or a gauge above 40.
std::string DiameterToAwg(long double millimetres);

} // namespace torvex
