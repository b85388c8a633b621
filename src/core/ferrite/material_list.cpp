#include "ferrite/material_list.h"

#include <algorithm>
#include <stdexcept>
#include <variant>

#include "ferrite/shipped_files.h"
#include "text/text_table.h"

namespace torvex {

std::string_view MaterialDataSource(Language language) { return LoadText(kMaterialSourceText, language); }

std::string_view MaterialDataRevision(Language language) { return LoadText(kMaterialRevisionText, language); }

std::vector<MaterialTable> ShippedMaterials() {
    std::vector<MaterialTable> tables;
    for (const ShippedFile& file : ShippedMaterialFiles()) {
        std::variant<MaterialTable, TableError> read = ReadMaterialTable(file.bytes);
        if (const TableError* error = std::get_if<TableError>(&read)) {
            // The build carries the files the tests read; this cannot pass them.
            throw std::logic_error(TableErrorMessage(*error, file.fileName, Language::English));
        }
        MaterialTable& table = std::get<MaterialTable>(read);
        table.name = std::string(file.material);
        tables.push_back(std::move(table));
    }
    return tables;
}

MaterialList::MaterialList() : m_tables(ShippedMaterials()), m_shipped(static_cast<int>(m_tables.size())) {}

const MaterialTable* MaterialList::at(int position) const {
    return position >= 0 && position < size() ? &m_tables[static_cast<std::size_t>(position)] : nullptr;
}

std::vector<std::string> MaterialList::names() const {
    std::vector<std::string> names;
    names.reserve(m_tables.size());
    for (const MaterialTable& table : m_tables)
        names.push_back(table.name);
    return names;
}

std::optional<int> MaterialList::find(std::string_view name) const {
    const auto it =
        std::find_if(m_tables.begin(), m_tables.end(), [&](const MaterialTable& t) { return t.name == name; });
    if (it == m_tables.end())
        return std::nullopt;
    return static_cast<int>(it - m_tables.begin());
}

int MaterialList::add(MaterialTable table) {
    table.name = FreeMaterialName(table.name, names());
    m_tables.push_back(std::move(table));
    return size() - 1;
}

bool MaterialList::remove(int position) {
    if (position < m_shipped || position >= size())
        return false;
    m_tables.erase(m_tables.begin() + position);
    return true;
}

std::span<const MaterialTable> MaterialList::imported() const {
    return std::span<const MaterialTable>(m_tables).subspan(static_cast<std::size_t>(m_shipped));
}

} // namespace torvex
