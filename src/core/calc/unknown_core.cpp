// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/unknown_core.h"

#include "calc/winding_run.h"
#include "format/number_reader.h"

namespace torvex {

UnknownCoreOutcome RecomputeUnknownCore(const UnknownCoreInputs& in, const Settings& settings) {
    return Calculate<UnknownCoreShown>([&](UnknownCoreShown& shown) {
        const std::string_view sep = settings.decimalSeparator;
        // The unit factors are at most 1, so this product cannot overflow.
        const long double al = ReadNumberField(in.al, sep) * UnitFactor(AlUnitFactors, in.alUnit);

        const WindingFields fields{in.inductance, in.inductanceUnit, in.frequency, in.frequencyUnit, in.turns};
        WindingRun run(fields, settings, {.unknownCore = true}, &shown.winding, nullptr);
        run.turns(al);
        // The dimensions are read only after the turns are shown, so a bad
        // dimension text leaves the turns updated and the wire results as
        // they were.
        const long double da = ReadNumberField(in.da, sep);
        const long double di = ReadNumberField(in.di, sep);
        const long double h = ReadNumberField(in.h, sep);
        run.results(da, di, h);
    });
}

std::string ShownAlAsEntryText(std::string_view shownAl, std::string_view decimalSeparator) {
    if (shownAl.empty() || shownAl == "xxx")
        return {};
    std::string text(shownAl);
    // The AL-and-µi window always shows "."; a leading blank stays, the
    // number reader accepts it.
    if (decimalSeparator == ",") {
        if (const auto dot = text.find('.'); dot != std::string::npos)
            text[dot] = ',';
    }
    return text;
}

} // namespace torvex
