// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ferrite/impedance_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace torvex {

namespace {

constexpr long double kInfinity = std::numeric_limits<long double>::infinity();

// Bisection ends when the bracket is this narrow in log10 f: a relative
// width of about 2e-10, far below the four digits shown.
constexpr long double kResonanceTolerance = 1e-10L;
constexpr int kMostBisections = 200;

// ω·µ0·N²·k: Zw = this × (µ″ + jµ′).
long double WindingScale(const Winding& w, long double frequency) {
    return 2 * kPi * frequency * kMu0 * w.turns * w.turns * w.coreFactor;
}

// µ at log10 f inside the segment between rows i and i + 1.
ComplexPermeability InSegment(const MaterialTable& table, std::size_t i, long double logF) {
    const PermeabilityRow& a = table.rows[i];
    const PermeabilityRow& b = table.rows[i + 1];
    const long double logA = std::log10(a.frequency);
    const long double span = std::log10(b.frequency) - logA;
    // Neighbouring frequencies so close that their logarithms coincide.
    if (!(span > 0))
        return {a.muReal, a.muImag};
    const long double t = std::clamp((logF - logA) / span, 0.0L, 1.0L);
    return {a.muReal + t * (b.muReal - a.muReal), a.muImag + t * (b.muImag - a.muImag)};
}

// Im Z times |1 + jωC·Zw|², which has the sign of X and never divides.
long double ReactanceNumerator(const Winding& w, ComplexPermeability mu, long double frequency) {
    const long double scale = WindingScale(w, frequency);
    const long double rw = scale * mu.imag;
    const long double xw = scale * mu.real;
    const long double b = 2 * kPi * frequency * w.capacitance;
    return xw - b * (rw * rw + xw * xw);
}

} // namespace

long double CoreFactor(long double daMm, long double diMm, long double hMm, int rings) {
    return rings * (hMm * 1e-3L) * std::log(daMm / diMm) / (2 * kPi);
}

std::optional<ComplexPermeability> PermeabilityAt(const MaterialTable& table, long double frequency) {
    if (table.rows.empty() || !(frequency >= table.lowestFrequency() && frequency <= table.highestFrequency())) {
        return std::nullopt;
    }
    const auto above = std::upper_bound(table.rows.begin(), table.rows.end(), frequency,
                                        [](long double f, const PermeabilityRow& row) { return f < row.frequency; });
    const auto i = static_cast<std::size_t>(above - table.rows.begin()) - 1;
    const PermeabilityRow& row = table.rows[i];
    if (row.frequency == frequency || i + 1 == table.rows.size())
        return ComplexPermeability{row.muReal, row.muImag};
    return InSegment(table, i, std::log10(frequency));
}

long double Impedance::magnitude() const {
    if (!std::isfinite(resistance) || !std::isfinite(reactance))
        return kInfinity;
    return std::hypot(resistance, reactance);
}

Impedance WindingImpedance(const Winding& w, ComplexPermeability mu, long double frequency) {
    const long double scale = WindingScale(w, frequency);
    const long double rw = scale * mu.imag;
    const long double xw = scale * mu.real;
    if (w.capacitance == 0)
        return {rw, xw};
    // Z = Zw / (1 + jωC·Zw), written out so that the parts stay real.
    const long double b = 2 * kPi * frequency * w.capacitance;
    const long double re = 1 - b * xw;
    const long double im = b * rw;
    const long double denominator = re * re + im * im;
    if (denominator == 0)
        return {kInfinity, kInfinity};
    return {rw / denominator, (xw - b * (rw * rw + xw * xw)) / denominator};
}

long double WindingInductance(const Winding& w, ComplexPermeability mu) {
    return kMu0 * w.turns * w.turns * w.coreFactor * mu.real;
}

std::optional<long double> QualityFactor(ComplexPermeability mu) {
    if (mu.imag == 0)
        return std::nullopt;
    return mu.real / mu.imag;
}

std::optional<long double> SelfResonance(const Winding& w, const MaterialTable& table) {
    if (!(w.capacitance > 0) || table.rows.size() < 2)
        return std::nullopt;
    const auto positive = [&](const PermeabilityRow& row) {
        return ReactanceNumerator(w, {row.muReal, row.muImag}, row.frequency) > 0;
    };
    if (!positive(table.rows.front()))
        return std::nullopt;
    const auto turn = std::find_if_not(table.rows.begin() + 1, table.rows.end(), positive);
    if (turn == table.rows.end())
        return std::nullopt;

    const auto i = static_cast<std::size_t>(turn - table.rows.begin()) - 1;
    long double low = std::log10(table.rows[i].frequency);      // X > 0 here
    long double high = std::log10(table.rows[i + 1].frequency); // X <= 0 here
    for (int step = 0; step < kMostBisections && high - low > kResonanceTolerance; ++step) {
        const long double middle = low + (high - low) / 2;
        const long double f = std::pow(10.0L, middle);
        if (ReactanceNumerator(w, InSegment(table, i, middle), f) > 0) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return std::pow(10.0L, low + (high - low) / 2);
}

ChokeDesign DesignChoke(const Winding& w, const MaterialTable& table, long double bandLow, long double bandHigh,
                        long double targetOhm) {
    if (!(bandLow < bandHigh))
        return {std::nullopt, ChokeProblem::BandReversed};
    if (table.rows.empty() || bandLow < table.lowestFrequency() || bandHigh > table.highestFrequency()) {
        return {std::nullopt, ChokeProblem::BandOutsideData};
    }

    // Where R is checked, with µ there: the edges and every row between.
    struct Point {
        long double frequency;
        ComplexPermeability mu;
    };
    std::vector<Point> points;
    points.push_back({bandLow, *PermeabilityAt(table, bandLow)});
    for (const PermeabilityRow& row : table.rows) {
        if (row.frequency > bandLow && row.frequency < bandHigh) {
            points.push_back({row.frequency, {row.muReal, row.muImag}});
        }
    }
    points.push_back({bandHigh, *PermeabilityAt(table, bandHigh)});

    Winding trial = w;
    for (int turns = 1; turns <= kMostChokeTurns; ++turns) {
        trial.turns = turns;
        const bool enough = std::all_of(points.begin(), points.end(), [&](const Point& p) {
            // An infinite R (a lossless winding exactly in resonance) blocks too.
            return WindingImpedance(trial, p.mu, p.frequency).resistance >= targetOhm;
        });
        if (enough)
            return {turns, ChokeProblem::None};
    }
    return {std::nullopt, ChokeProblem::NotReachable};
}

} // namespace torvex
