// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a page or a tool window shows, as one document for the clipboard, a
// file or paper: its titles, then sections of lines "caption  value unit".
// The GUI fills it from its fields; the writers below never look at widgets.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace torvex::report {

struct Line {
    std::string caption; // empty: a line of its own, such as a message
    std::string value;
    std::string unit;
};

struct Section {
    std::string title; // empty: no heading
    std::vector<Line> lines;
};

struct Report {
    std::string program; // "Torvex 1.1.2"
    std::string window;  // the window's title, or the page's
    std::vector<Section> sections;
};

// Plain text with the values in one column, "\n" line ends, for the clipboard
// and a .txt file.
std::string PlainText(const Report& report);

// The column headings of the comma-separated form, in the language shown.
struct CsvHeading {
    std::string_view section, caption, value, unit;
};

// Comma-separated values: a row with the program and the window, the
// heading row, then one row per line with its section, caption, value and
// unit; "\r\n" line ends. Texts are quoted where they hold a separator, a
// quote or a line end, so that every field reads back as it was.
std::string Csv(const Report& report, const CsvHeading& heading);
std::string CsvField(std::string_view text);

// A small HTML document with one table, for the clipboard and for printing.
std::string Html(const Report& report);
std::string HtmlEscaped(std::string_view text);

// The characters of a UTF-8 text (what a column of plain text counts).
std::size_t Utf8Length(std::string_view text);

} // namespace torvex::report
