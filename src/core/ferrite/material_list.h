// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ferrite/material_table.h"
#include "settings.h"

namespace torvex {

// Where the shipped tables come from, for the window, the help and the About
// text: "Materialdaten: Fair-Rite Products Corp." / "Material data: Fair-Rite
// Products Corp.", and that the 43 table is the maker's 2020 revision.
inline constexpr int kMaterialSourceText = 2400;
inline constexpr int kMaterialRevisionText = 2401;
std::string_view MaterialDataSource(Language language);
std::string_view MaterialDataRevision(Language language);

// The shipped tables, read from the program's own copy with the reader that
// imports files, named as listed ("31" ... "78").
std::vector<MaterialTable> ShippedMaterials();

// The materials the window lists: the shipped tables first, in their order,
// then those the user imported, in the order of import. A shipped table is
// read when it is first asked for: a window that shows one material reads
// that one alone.
class MaterialList {
public:
    MaterialList(); // the shipped tables only

    int size() const { return shippedCount() + static_cast<int>(m_imported.size()); }
    int shippedCount() const { return static_cast<int>(m_shipped.size()); }
    // The table at a list position; nullptr outside the list.
    const MaterialTable* at(int position) const;
    std::vector<std::string> names() const;
    // The position of the table with this name.
    std::optional<int> find(std::string_view name) const;

    // Adds an imported table, renamed by FreeMaterialName where its name is
    // taken, and returns its position.
    int add(MaterialTable table);
    // Takes an imported table off the list; shipped tables stay. False when
    // the position holds no imported table.
    bool remove(int position);
    // The imported tables, to keep them for the next start.
    std::span<const MaterialTable> imported() const;

private:
    mutable std::vector<std::optional<MaterialTable>> m_shipped; // in ShippedMaterialFiles() order
    std::vector<MaterialTable> m_imported;
};

} // namespace torvex
