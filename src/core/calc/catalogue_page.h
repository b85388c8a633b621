// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/winding.h"

namespace torvex {

// Positions chosen in a catalogue page's size and material lists (-1: none).
struct CatalogueSelection {
    int size = -1;
    int material = -1;
};

// What a catalogue page's run reads: the two selections, the three entry
// fields and the two unit lists.
struct CataloguePageInputs {
    CatalogueSelection selection;
    WindingFields fields;
};

} // namespace torvex
