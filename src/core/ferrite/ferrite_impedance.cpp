// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ferrite/ferrite_impedance.h"

#include <algorithm>
#include <cmath>

#include "catalogue/ferrite_ft.h"
#include "ferrite/fill_text.h"
#include "ferrite/impedance_model.h"
#include "format/fp_guard.h"
#include "format/number_format.h"
#include "format/number_reader.h"
#include "format/significant_format.h"
#include "text/text_table.h"

namespace torvex {

namespace {

constexpr long double kPicofarad = 1e-12L;
constexpr long double kMegahertz = 1e6L;

// "The frequency lies outside the material's data (%1 to %2)." and the
// choke's three reasons.
constexpr int kFrequencyOutsideText = 2430;
constexpr int kBandOutsideText = 2431;
constexpr int kBandReversedText = 2432;
constexpr int kNotReachableText = 2433;
// "Da %1  Di %2  h %3".
constexpr int kDimensionsText = 2185;

std::string Fraction(std::string_view whole, std::string_view fraction, std::string_view separator) {
    return std::string(whole) + std::string(separator.empty() ? "." : separator) + std::string(fraction);
}

std::string RangeMessage(int id, const MaterialTable& table, Language language) {
    return FillText(LoadText(id, language), {FormatEngineering(table.lowestFrequency(), "Hz"),
                                             FormatEngineering(table.highestFrequency(), "Hz")});
}

void AddSentence(std::string& message, std::string_view sentence) {
    if (!message.empty())
        message += ' ';
    message += sentence;
}

ImpedancePoint PointAt(const Winding& w, ComplexPermeability mu, long double f) {
    const Impedance z = WindingImpedance(w, mu, f);
    return {f, z.resistance, z.reactance, z.magnitude()};
}

bool IsFinite(const ImpedancePoint& p) {
    return std::isfinite(p.frequency) && std::isfinite(p.resistance) && std::isfinite(p.reactance) &&
           std::isfinite(p.magnitude);
}

ImpedanceCurves Curves(const Winding& w, const MaterialTable& table, std::optional<long double> working,
                       std::optional<long double> resonance) {
    ImpedanceCurves curves;
    curves.lowestFrequency = table.lowestFrequency();
    curves.highestFrequency = table.highestFrequency();

    std::vector<long double> frequencies;
    frequencies.reserve(kCurveSamples + table.rows.size() + 2);
    const long double low = std::log10(curves.lowestFrequency);
    const long double high = std::log10(curves.highestFrequency);
    for (int i = 0; i < kCurveSamples; ++i) {
        const long double f = std::pow(10.0L, low + (high - low) * i / (kCurveSamples - 1));
        frequencies.push_back(std::clamp(f, curves.lowestFrequency, curves.highestFrequency));
    }
    for (const PermeabilityRow& row : table.rows)
        frequencies.push_back(row.frequency);
    if (working)
        frequencies.push_back(*working);
    if (resonance)
        frequencies.push_back(*resonance);
    std::sort(frequencies.begin(), frequencies.end());
    frequencies.erase(std::unique(frequencies.begin(), frequencies.end()), frequencies.end());

    curves.points.reserve(frequencies.size());
    for (const long double f : frequencies) {
        if (const std::optional<ComplexPermeability> mu = PermeabilityAt(table, f)) {
            const ImpedancePoint p = PointAt(w, *mu, f);
            // Only a lossless winding exactly in resonance has no finite value.
            if (IsFinite(p))
                curves.points.push_back(p);
        }
    }
    const auto pointAt = [&](long double f) -> std::optional<ImpedancePoint> {
        const std::optional<ComplexPermeability> mu = PermeabilityAt(table, f);
        if (!mu)
            return std::nullopt;
        const ImpedancePoint p = PointAt(w, *mu, f);
        return IsFinite(p) ? std::optional(p) : std::nullopt;
    };
    if (working)
        curves.working = pointAt(*working);
    if (resonance)
        curves.resonance = pointAt(*resonance);
    return curves;
}

void ShowNoValue(FerriteImpedanceShown& shown) {
    const std::string none(kNoValue);
    shown = {none, none, none, none, none, none, none, none, none, std::string()};
}

} // namespace

FerriteImpedanceInput DefaultFerriteImpedanceInput(const MaterialList& materials, const Settings& settings) {
    FerriteImpedanceInput in;
    const auto ft240 = std::find_if(FtSizeTable.begin(), FtSizeTable.end(),
                                    [](const CoreSizeWithInches& s) { return s.name == "FT240"; });
    in.size = static_cast<int>(ft240 - FtSizeTable.begin());
    in.material = materials.find("43").value_or(0);
    in.rings = 1;
    in.turns = "11";
    in.frequency = Fraction("3", "6", settings.decimalSeparator);
    in.frequencyUnit = 1; // MHz
    in.capacitance = "2";
    in.bandFrom = Fraction("3", "5", settings.decimalSeparator);
    in.bandTo = "30";
    in.target = "1000";
    return in;
}

std::string FtSizeDimensions(int size, const Settings& settings) {
    if (size < 0 || static_cast<std::size_t>(size) >= FtSizeTable.size())
        return {};
    const CoreSizeWithInches& core = FtSizeTable[static_cast<std::size_t>(size)];
    const std::string_view pattern = LoadText(kDimensionsText, settings.language);
    if (settings.usUnits()) {
        const auto inches = [](std::string_view text) { return std::string(text) + " in"; };
        return FillText(pattern, {inches(core.daInch), inches(core.diInch), inches(core.hInch)});
    }
    const auto mm = [](long double x) { return FormatFixed(x, 0, 2) + " mm"; };
    return FillText(pattern, {mm(core.da), mm(core.di), mm(core.h)});
}

FerriteImpedanceOutcome FerriteImpedance(const FerriteImpedanceInput& in, const MaterialList& materials,
                                         const Settings& settings) {
    FerriteImpedanceOutcome out;
    FerriteImpedanceShown& shown = out.shown;
    const MaterialTable* table = materials.at(in.material);
    if (!table || in.size < 0 || static_cast<std::size_t>(in.size) >= FtSizeTable.size()) {
        ShowNoValue(shown);
        out.curves = ImpedanceCurves{};
        return out;
    }
    const CoreSizeWithInches& core = FtSizeTable[static_cast<std::size_t>(in.size)];
    const std::string_view separator = settings.decimalSeparator;
    const std::string none(kNoValue);

    try {
        FpGuard guard;
        Winding w;
        w.coreFactor = CoreFactor(core.da, core.di, core.h, std::clamp(in.rings, kFewestRings, kMostRings));
        w.turns = ReadNumberField(in.turns, separator);

        const long double f = ReadNumberField(in.frequency, separator) *
                              (in.frequencyUnit == 0 ? FerriteFrequencyUnitFactors[0] : FerriteFrequencyUnitFactors[1]);
        const std::optional<ComplexPermeability> mu = PermeabilityAt(*table, f);
        std::string message;
        if (mu) {
            const long double inductance = WindingInductance(w, *mu);
            const std::optional<long double> q = QualityFactor(*mu);
            guard.check();
            shown.muReal = FormatSignificant(mu->real);
            shown.muImag = FormatSignificant(mu->imag);
            shown.inductance = FormatEngineering(inductance, "H");
            shown.quality = q ? FormatSignificant(*q) : none;
        } else {
            shown.muReal = shown.muImag = shown.inductance = shown.quality = none;
            message = RangeMessage(kFrequencyOutsideText, *table, settings.language);
        }
        shown.dataMessage = message;

        w.capacitance = ReadNumberField(in.capacitance, separator) * kPicofarad;
        if (mu) {
            const Impedance z = WindingImpedance(w, *mu, f);
            const long double magnitude = z.magnitude();
            guard.check();
            shown.resistance = FormatEngineering(z.resistance, "Ω");
            shown.reactance = FormatEngineering(z.reactance, "Ω");
            shown.impedance = FormatEngineering(magnitude, "Ω");
        } else {
            shown.resistance = shown.reactance = shown.impedance = none;
        }
        const std::optional<long double> resonance = SelfResonance(w, *table);
        guard.check();
        shown.resonance = resonance ? FormatEngineering(*resonance, "Hz") : none;
        out.curves = Curves(w, *table, mu ? std::optional(f) : std::nullopt, resonance);
        // The curves drop what is not finite; their flags must not fail the
        // steps that follow.
        guard.reset();

        const long double bandLow = ReadNumberField(in.bandFrom, separator) * kMegahertz;
        const long double bandHigh = ReadNumberField(in.bandTo, separator) * kMegahertz;
        const long double target = ReadNumberField(in.target, separator);
        const ChokeDesign choke = DesignChoke(w, *table, bandLow, bandHigh, target);
        guard.check();
        shown.chokeTurns = choke.turns ? std::to_string(*choke.turns) : none;
        switch (choke.problem) {
        case ChokeProblem::None:
            break;
        case ChokeProblem::BandReversed:
            AddSentence(message, LoadText(kBandReversedText, settings.language));
            break;
        case ChokeProblem::BandOutsideData:
            AddSentence(message, RangeMessage(kBandOutsideText, *table, settings.language));
            break;
        case ChokeProblem::NotReachable:
            AddSentence(message, LoadText(kNotReachableText, settings.language));
            break;
        }
        shown.dataMessage = message;
        const long double shadeLow = std::max(bandLow, table->lowestFrequency());
        const long double shadeHigh = std::min(bandHigh, table->highestFrequency());
        if (shadeLow < shadeHigh)
            out.curves->band = std::pair(shadeLow, shadeHigh);
    } catch (const CalcError& error) {
        out.error = error;
    }
    return out;
}

} // namespace torvex
