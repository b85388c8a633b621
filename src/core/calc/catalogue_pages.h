#pragma once

#include "calc/winding.h"

namespace torvex {

// Positions chosen in a catalogue page's size and material lists (-1: none).
struct CatalogueSelection {
    int size = -1;
    int material = -1;
};

// The recompute of each catalogue page of the main window: the ordered writes
// to the page's labels (by object name), cut where an error arose. They also
// carry the enabled state of the inductance field and the not-available
// message's visibility and hint switch (or, on the SIFERRIT page, the
// ordering-code label's text and font size).
Outcome RecomputeIronPowder(CatalogueSelection sel, const WindingFields& fields, const Environment& env); // ComboBox1Change
Outcome RecomputeFerriteFt(CatalogueSelection sel, const WindingFields& fields, const Environment& env);  // ComboBox5Change
Outcome RecomputeSiferrit(CatalogueSelection sel, const WindingFields& fields, const Environment& env);   // ComboBox3Change
Outcome RecomputeFerroxcube(CatalogueSelection sel, const WindingFields& fields, const Environment& env); // ComboBox16Change

} // namespace torvex
