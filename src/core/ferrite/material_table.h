// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "settings.h"

namespace torvex {

// One measured row: the frequency in Hz and the relative complex permeability
// µ = µ′ − jµ″ there. µ′ turns negative above the material's resonance; µ″,
// the loss, is never negative.
struct PermeabilityRow {
    long double frequency = 0;
    long double muReal = 0; // µ′
    long double muImag = 0; // µ″
};

// A ferrite material's complex initial permeability against frequency, as the
// maker measures it.
struct MaterialTable {
    std::string name;                    // as listed: "43", or "43 material" when imported
    long double initialPermeability = 0; // µi
    long double remanence = 0;           // Br, gauss
    long double coercivity = 0;          // Hc, oersted
    std::vector<PermeabilityRow> rows;   // frequencies strictly increasing, at least two rows

    long double lowestFrequency() const { return rows.front().frequency; }
    long double highestFrequency() const { return rows.back().frequency; }
};

// What is wrong with a file that is not a material table.
enum class TableFault {
    TooLarge,             // more than kMaxTableBytes
    NotText,              // a control character other than tab, CR or LF
    Empty,                // no line at all
    NoName,               // the title line's first field is empty
    NoPermeabilityTitles, // the second line is not "µi,Br,Hc"
    NoPermeabilityValues, // the third line is not three values
    NoColumnTitles,       // the fourth line does not begin with "Frequency"
    NotANumber,           // a field that is not a plain or E-notation number
    NumberTooLarge,       // a number beyond the range of long double
    WrongFieldCount,      // a row that is not three numbers
    FrequencyNotPositive,
    FrequencyNotIncreasing, // not above the row before
    NegativeLoss,           // µ″ below 0
    TooFewRows,             // fewer than two rows
};

struct TableError {
    TableFault fault = TableFault::Empty;
    int line = 0;     // where it was found, from 1; 0 for a file too large
    std::string text; // the field in question (NotANumber, NumberTooLarge), UTF-8
};

// Files larger than this are refused before they are read.
inline constexpr std::size_t kMaxTableBytes = 1024 * 1024;

// Reads a material table from a file's bytes:
//   line 1   a title; its first field names the material ("43 material,,")
//   line 2   "µi,Br,Hc"
//   line 3   the three values
//   line 4   column titles beginning with "Frequency"
//   then     rows "frequency (Hz),µ′,µ″"
// Latin-1 or UTF-8 (a leading byte-order mark is skipped); lines end in CR,
// LF or CRLF, mixed as they come; blank lines are skipped; fields are
// separated by commas, trimmed of blanks and tabs, and may be quoted; empty
// fields at the end of a line are ignored. Numbers are plain or in E
// notation with "." as the decimal mark, and must be finite. Nothing beyond
// the bytes given is read, and the time taken grows linearly with them.
std::variant<MaterialTable, TableError> ReadMaterialTable(std::string_view bytes);

// The message for a file that could not be read: it names the file and the
// line and says what is wrong, in the interface language.
std::string TableErrorMessage(const TableError& error, std::string_view fileName, Language language);

// The table in the same format, UTF-8 with LF line ends and every number
// written so that it reads back exactly; the title's first field is the name.
// Meant for keeping imported materials between runs.
std::string WriteMaterialTable(const MaterialTable& table);

// The name under which a material is listed: `wanted`, or where that is taken,
// the first of "wanted (2)", "wanted (3)" ... that is free.
std::string FreeMaterialName(std::string_view wanted, std::span<const std::string> namesInUse);

} // namespace torvex
