// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzz target for the ferrite material table reader (ReadMaterialTable) and
// the impedance calculator on what it accepts.
//
// The input is a file's bytes. Checked:
// - a refused file has a fault with a line inside the file (line 0 only for
//   a file too large), and a message in both languages that names the file;
// - an accepted table has a name of UTF-8 text without control characters,
//   at least two rows, frequencies above 0 and strictly increasing, µ″ not
//   below 0, and only finite numbers; written out and read again it is the
//   same table;
// - the calculator on it, at its first, middle and last row and with the
//   band over its whole range, shows no "nan"/"inf", its self-resonance lies
//   in the table's range and its choke has 1 to 100 turns.
// libFuzzer's -timeout catches a hang anywhere in this.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "ferrite/ferrite_impedance.h"
#include "ferrite/material_table.h"
#include "format/significant_format.h"
#include "fuzz_support.h"

namespace {

using fuzzcheck::Quote;
using fuzzcheck::Require;

int LineCount(std::string_view bytes) {
    int lines = 1;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    }
    return lines;
}

bool IsCleanUtf8Text(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c == 0x7f)
            return false;
        const std::size_t length = c < 0x80 ? 1 : c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 ? 2 : 0;
        if (length == 0 || i + length > s.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xc0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

void CheckRefused(std::string_view bytes, const torvex::TableError& error) {
    const bool tooLarge = error.fault == torvex::TableFault::TooLarge;
    Require(tooLarge == (bytes.size() > torvex::kMaxTableBytes), "too large exactly above the limit",
            "size " + std::to_string(bytes.size()));
    Require(tooLarge ? error.line == 0 : error.line >= 1 && error.line <= LineCount(bytes) + 1,
            "the fault's line lies in the file", "line " + std::to_string(error.line) + " of " + Quote(bytes));
    for (const torvex::Language language : {torvex::Language::German, torvex::Language::English}) {
        const std::string message = torvex::TableErrorMessage(error, "probe.csv", language);
        Require(message.find("probe.csv") != std::string::npos, "the message names the file", Quote(message));
    }
}

void CheckAccepted(std::string_view bytes, const torvex::MaterialTable& table) {
    const std::string where = "table from " + Quote(bytes);
    Require(!table.name.empty() && IsCleanUtf8Text(table.name), "a name of clean UTF-8 text", Quote(table.name));
    Require(table.rows.size() >= 2, "at least two rows", where);
    Require(std::isfinite(table.initialPermeability) && std::isfinite(table.remanence) &&
                std::isfinite(table.coercivity),
            "finite constants", where);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const torvex::PermeabilityRow& r = table.rows[i];
        Require(std::isfinite(r.frequency) && std::isfinite(r.muReal) && std::isfinite(r.muImag), "finite rows",
                where + " row " + std::to_string(i));
        Require(r.frequency > 0 && r.muImag >= 0, "frequency above 0, loss not negative", where);
        Require(i == 0 || r.frequency > table.rows[i - 1].frequency, "frequencies strictly increasing", where);
    }

    const auto again = torvex::ReadMaterialTable(torvex::WriteMaterialTable(table));
    const auto* back = std::get_if<torvex::MaterialTable>(&again);
    Require(back && back->name == table.name && back->rows.size() == table.rows.size(),
            "written and read again, the same table", where);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const torvex::PermeabilityRow &a = table.rows[i], &b = back->rows[i];
        Require(a.frequency == b.frequency && a.muReal == b.muReal && a.muImag == b.muImag,
                "written and read again, the same rows", where);
    }
}

// A number as a typed field may hold it, read back exactly.
std::string NumberText(long double x) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

void CheckCalculator(const torvex::MaterialTable& table) {
    static torvex::MaterialList materials;
    const torvex::Settings settings{".", torvex::UnitSystem::Metric, torvex::Language::English};
    torvex::FerriteImpedanceInput in = torvex::DefaultFerriteImpedanceInput(materials, settings);
    in.material = materials.add(table);
    in.frequencyUnit = 0; // kHz

    const long double edges[] = {table.lowestFrequency(), table.rows[table.rows.size() / 2].frequency,
                                 table.highestFrequency()};
    for (const long double f : edges) {
        in.frequency = NumberText(f / 1e3L);
        in.bandFrom = NumberText(table.lowestFrequency() / 1e6L);
        in.bandTo = NumberText(table.highestFrequency() / 1e6L);
        const torvex::FerriteImpedanceOutcome o = torvex::FerriteImpedance(in, materials, settings);
        const torvex::FerriteImpedanceShown& s = o.shown;
        for (const auto* field : {&s.muReal, &s.muImag, &s.inductance, &s.resistance, &s.reactance, &s.impedance,
                                  &s.quality, &s.resonance, &s.chokeTurns}) {
            if (*field)
                Require(!fuzzcheck::HasNanOrInf(**field), "no nan or inf", Quote(**field));
        }
        if (o.curves && o.curves->resonance) {
            const long double r = o.curves->resonance->frequency;
            Require(r >= table.lowestFrequency() && r <= table.highestFrequency(), "resonance inside the table",
                    std::to_string(static_cast<double>(r)));
        }
        if (s.chokeTurns && *s.chokeTurns != torvex::kNoValue) {
            const int turns = std::stoi(*s.chokeTurns);
            Require(turns >= 1 && turns <= 100, "choke turns from 1 to 100", *s.chokeTurns);
        }
    }
    materials.remove(in.material);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = torvex::ReadMaterialTable(bytes);
    if (const auto* error = std::get_if<torvex::TableError>(&read)) {
        CheckRefused(bytes, *error);
    } else {
        const auto& table = std::get<torvex::MaterialTable>(read);
        CheckAccepted(bytes, table);
        CheckCalculator(table);
    }
    return 0;
}
