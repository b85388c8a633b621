// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ferrite/material_list.h"
#include "settings.h"

namespace torvex {

// Opening the ferrite impedance window from the ferrite FT page carries the
// page's core, material, turns and frequency over.

// The shipped data material of a page material: the name before " (" when
// it is a shipped table ("75 (J)" is "75", "43" is "43"); nothing for the
// materials without data ("63", "72", "F", "H", "K", "W").
std::optional<std::string_view> DataMaterialFor(std::string_view pageMaterialName);

// What the page holds.
struct FtPageState {
    int size = -1;                 // position in FtSizeTable
    int material = -1;             // position in FtMaterialTable
    std::string typedTurns;        // the turns typed for the second calculation
    long double computedTurns = 0; // N for the wanted inductance, not rounded
    std::string frequency;         // the working frequency as typed
    int frequencyUnit = 1;         // position in its list: Hz, kHz, MHz, GHz
};

// What the window takes over; nothing where it keeps its own value.
struct FtTakeOver {
    std::optional<int> size;              // position in FtSizeTable
    std::optional<int> material;          // position in the window's MaterialList
    std::optional<std::string> turns;     // the typed turns, else N rounded up
    std::optional<std::string> frequency; // Hz shown in kHz, GHz in MHz
    std::optional<int> frequencyUnit;     // position in FerriteFrequencyUnitNames
};

// Texts are read and written with the locale's decimal separator. Turns and
// frequencies are taken only where they read as numbers above 0.
FtTakeOver TakeOverFtPage(const FtPageState& page, const MaterialList& materials, const Settings& settings);

} // namespace torvex
