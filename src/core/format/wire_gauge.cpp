// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/wire_gauge.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace torvex {

namespace {

// American Wire Gauge: d = 10^(-(n + kGaugeOffset) / kGaugeSlope) inches.
constexpr long double kGaugeOffset = 9.6954L;
constexpr long double kGaugeSlope = 19.8578L;
constexpr long double kInchesPerMillimetre = 1.0L / 25.4L;
constexpr long double kThinnestGauge = 40.0L;

// AwgNames starts at "0000", which is gauge -3.
constexpr int kFirstGaugeNumber = -3;

} // namespace

int GaugeNumber(std::string_view name) {
    const auto found = std::find(AwgNames.begin(), AwgNames.end(), name);
    if (found != AwgNames.end()) {
        return static_cast<int>(found - AwgNames.begin()) + kFirstGaugeNumber;
    }
    // Not one of the list's names: its integer value, 0 when it has none.
    int value = 0;
    std::from_chars(name.data(), name.data() + name.size(), value);
    return value;
}

long double AwgDiameterInches(int gauge) {
    return std::pow(10.0L, -(static_cast<long double>(gauge) + kGaugeOffset) / kGaugeSlope);
}

std::string DiameterToAwg(long double millimetres) {
    if (!(millimetres > 0)) {
        return "xxx";
    }
    const long double g = -kGaugeOffset - kGaugeSlope * std::log10(millimetres * kInchesPerMillimetre);
    if (std::isnan(g)) {
        return "xxx";
    }
    // Stay in long double: a very thin wire gives a gauge far beyond int.
    const long double t = std::trunc(g);
    if (t >= 1) {
        // A fractional gauge lies between two standard wires; the thinner one
        // (the higher number) is the one that is not thicker than d.
        const long double n = t + 1;
        if (n > kThinnestGauge) {
            return "xxx";
        }
        return std::to_string(static_cast<int>(n));
    }
    if (g > 0) {
        // Between gauge 0 and gauge 1: gauge 0 would be thicker than d.
        return "1";
    }
    if (t == 0) {
        return "0";
    }
    if (t == -1) {
        return "00";
    }
    if (t == -2) {
        return "000";
    }
    return "0000";
}

} // namespace torvex
