// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace torvex {

// The interface language. Decided once from the locale at start, changed only
// from the menu; every text and every language-dependent result follows it.
enum class Language { German, English };

// The measurement system the main window shows: millimetres and centimetres,
// or inches, feet and AWG gauges.
enum class UnitSystem { Metric, Us };

// What every calculator may read besides its own inputs.
struct Settings {
    std::string_view decimalSeparator; // the locale's, "," or "." usually; may be empty
    UnitSystem units = UnitSystem::Metric;
    Language language = Language::German;

    bool usUnits() const { return units == UnitSystem::Us; }
    bool english() const { return language == Language::English; }
};

} // namespace torvex
