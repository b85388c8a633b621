// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every field of every calculator's result, in the order a run sets them, by
// field name and as text. The engine tests and the calculators fuzzer compare
// results through it, so that one table can hold several calculators and a
// partial result reads as the list of fields it set.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "calc/air_coil.h"
#include "calc/al_permeability.h"
#include "calc/conversion.h"
#include "calc/copper_resistance.h"
#include "calc/ferrite_ft_page.h"
#include "calc/ferroxcube_page.h"
#include "calc/iron_powder_page.h"
#include "calc/resonance.h"
#include "calc/siferrit_page.h"
#include "calc/straight_conductor.h"
#include "calc/unknown_core.h"

namespace torvex::shown {

struct Field {
    std::string_view name;
    bool isText = true;               // false: a state, written as text below
    std::optional<std::string> value; // empty: not set
};

inline std::string AsText(const std::string& s) { return s; }
inline std::string AsText(bool b) { return b ? "yes" : "no"; }
inline std::string AsText(const SiferritOrdering& o) { return o.made ? o.code : "not made"; }
inline std::string AsText(const ColourCode& c) {
    auto one = [](PaintColour p) {
        if (!p.painted())
            return std::string("unpainted");
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%06x", static_cast<unsigned>(p.rgb()));
        return std::string(buffer);
    };
    return one(c.upper) + " over " + one(c.lower);
}

class FieldList {
public:
    template <class T> FieldList& operator()(std::string_view name, const std::optional<T>& field) {
        std::optional<std::string> value;
        if (field)
            value = AsText(*field);
        m_fields.push_back({name, std::is_same_v<T, std::string>, std::move(value)});
        return *this;
    }
    std::vector<Field> take() { return std::move(m_fields); }

private:
    std::vector<Field> m_fields;
};

inline void Add(FieldList& f, const WindingShown& s) {
    f("turns", s.turns)("wireDiameter", s.wireDiameter)("wireLength", s.wireLength);
    f("wireLengthUnit", s.wireLengthUnit)("reactance", s.reactance)("reactancePrefix", s.reactancePrefix);
    f("inductanceOfTurns", s.inductanceOfTurns)("inductanceOfTurnsUnit", s.inductanceOfTurnsUnit);
    f("reactanceOfTurns", s.reactanceOfTurns)("reactanceOfTurnsPrefix", s.reactanceOfTurnsPrefix);
}
template <class Shown> void AddDimensions(FieldList& f, const Shown& s) {
    f("outerDiameter", s.outerDiameter)("innerDiameter", s.innerDiameter)("height", s.height);
}
inline void Add(FieldList& f, const IronPowderShown& s) {
    AddDimensions(f, s);
    Add(f("al", s.al)("made", s.made), s.winding);
    f("colourCode", s.colourCode)("frequencyRange", s.frequencyRange)("permeability", s.permeability);
}
inline void Add(FieldList& f, const FerriteFtShown& s) {
    f("resonantRange", s.resonantRange)("wideBandRange", s.wideBandRange)("chokeRange", s.chokeRange);
    AddDimensions(f, s);
    Add(f("permeability", s.permeability)("al", s.al)("made", s.made), s.winding);
}
inline void Add(FieldList& f, const SiferritShown& s) {
    AddDimensions(f, s);
    f("permeability", s.permeability)("al", s.al)("ordering", s.ordering)("application", s.application);
    Add(f("frequencyRange", s.frequencyRange)("made", s.made), s.winding);
}
inline void Add(FieldList& f, const FerroxcubeShown& s) {
    AddDimensions(f, s);
    Add(f("al", s.al)("made", s.made), s.winding);
    f("colourCode", s.colourCode)("permeability", s.permeability);
}
inline void Add(FieldList& f, const UnknownCoreShown& s) { Add(f, s.winding); }
inline void Add(FieldList& f, const CoilInductanceShown& s) {
    f("inductanceUnit", s.inductanceUnit)("inductance", s.inductance);
}
inline void Add(FieldList& f, const CoilTurnsShown& s) {
    f("wireLengthUnit", s.wireLengthUnit)("wireDiameterUnit", s.wireDiameterUnit)("turns", s.turns);
    f("wireLength", s.wireLength)("wireDiameter", s.wireDiameter);
}
inline void Add(FieldList& f, const StraightConductorShown& s) { f("inductance", s.inductance); }
inline void Add(FieldList& f, const ResonanceShown& s) { f("value", s.value)("unit", s.unit); }
inline void Add(FieldList& f, const AlPermeabilityShown& s) {
    f("al", s.al)("crossSection", s.crossSection)("pathLength", s.pathLength)("coreFactor", s.coreFactor);
    f("permeability", s.permeability);
}
inline void Add(FieldList& f, const CopperResistanceShown& s) {
    f("warning", s.warning)("resistance", s.resistance)("prefix", s.prefix)("hasPrefix", s.hasPrefix);
}
inline void Add(FieldList& f, const LengthConversionShown& s) { f("length", s.length)("unit", s.unit); }
inline void Add(FieldList& f, const GaugeDiameterShown& s) { f("millimetres", s.millimetres)("inches", s.inches); }
inline void Add(FieldList& f, const FahrenheitShown& s) { f("celsius", s.celsius); }

// The fields of a result in the order a run sets them.
template <class Shown> std::vector<Field> Fields(const Shown& s) {
    FieldList list;
    Add(list, s);
    return list.take();
}

} // namespace torvex::shown
