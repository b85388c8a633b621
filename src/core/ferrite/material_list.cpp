// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ferrite/material_list.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

#include "ferrite/shipped_files.h"
#include "text/text_table.h"

namespace torvex {

std::string_view MaterialDataSource(Language language) { return LoadText(kMaterialSourceText, language); }

std::string_view MaterialDataRevision(Language language) { return LoadText(kMaterialRevisionText, language); }

namespace {

MaterialTable ReadShipped(const ShippedFile& file) {
    std::variant<MaterialTable, TableError> read = ReadMaterialTable(file.bytes);
    if (const TableError* error = std::get_if<TableError>(&read)) {
        // The build carries the files the tests read; this cannot pass them.
        throw std::logic_error(TableErrorMessage(*error, file.fileName, Language::English));
    }
    MaterialTable& table = std::get<MaterialTable>(read);
    table.name = std::string(file.material);
    return std::move(table);
}

} // namespace

std::vector<MaterialTable> ShippedMaterials() {
    std::vector<MaterialTable> tables;
    for (const ShippedFile& file : ShippedMaterialFiles())
        tables.push_back(ReadShipped(file));
    return tables;
}

MaterialList::MaterialList() : m_shipped(ShippedMaterialFiles().size()) {}

const MaterialTable* MaterialList::at(int position) const {
    if (position < 0 || position >= size())
        return nullptr;
    if (position >= shippedCount())
        return &m_imported[static_cast<std::size_t>(position - shippedCount())];
    std::optional<MaterialTable>& shipped = m_shipped[static_cast<std::size_t>(position)];
    if (!shipped)
        shipped = ReadShipped(ShippedMaterialFiles()[static_cast<std::size_t>(position)]);
    return &*shipped;
}

std::vector<std::string> MaterialList::names() const {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(size()));
    for (const ShippedFile& file : ShippedMaterialFiles())
        names.emplace_back(file.material);
    for (const MaterialTable& table : m_imported)
        names.push_back(table.name);
    return names;
}

std::optional<int> MaterialList::find(std::string_view name) const {
    const std::vector<std::string> all = names();
    const auto it = std::find(all.begin(), all.end(), name);
    if (it == all.end())
        return std::nullopt;
    return static_cast<int>(it - all.begin());
}

int MaterialList::add(MaterialTable table) {
    table.name = FreeMaterialName(table.name, names());
    m_imported.push_back(std::move(table));
    return size() - 1;
}

bool MaterialList::remove(int position) {
    if (position < shippedCount() || position >= size())
        return false;
    m_imported.erase(m_imported.begin() + (position - shippedCount()));
    return true;
}

std::span<const MaterialTable> MaterialList::imported() const { return m_imported; }

} // namespace torvex
