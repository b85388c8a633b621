// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/report.h"

#include <algorithm>

namespace torvex::report {

namespace {

// "Torvex 1.1.2 – Eisenpulver": the program, then the window it describes.
std::string Title(const Report& report) {
    if (report.window.empty())
        return report.program;
    if (report.program.empty())
        return report.window;
    return report.program + " \u2013 " + report.window;
}

std::string ValueAndUnit(const Line& line) {
    if (line.unit.empty())
        return line.value;
    if (line.value.empty())
        return line.unit;
    return line.value + ' ' + line.unit;
}

void AppendCsvRow(std::string& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            out += ',';
        out += CsvField(field);
        first = false;
    }
    out += "\r\n";
}

} // namespace

std::size_t Utf8Length(std::string_view text) {
    return std::size_t(
        std::ranges::count_if(text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string PlainText(const Report& report) {
    std::size_t captionWidth = 0;
    for (const Section& section : report.sections)
        for (const Line& line : section.lines)
            captionWidth = std::max(captionWidth, Utf8Length(line.caption));

    std::string out = Title(report) + '\n';
    for (const Section& section : report.sections) {
        out += '\n';
        if (!section.title.empty())
            out += section.title + '\n';
        for (const Line& line : section.lines) {
            out += "  ";
            if (!line.caption.empty()) {
                out += line.caption;
                out.append(captionWidth - Utf8Length(line.caption) + 2, ' ');
            }
            out += ValueAndUnit(line);
            // No blanks at the end of a line, whatever a field ended with.
            while (!out.empty() && out.back() == ' ')
                out.pop_back();
            out += '\n';
        }
    }
    return out;
}

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",;\"\r\n") == std::string_view::npos &&
        (text.empty() || (text.front() != ' ' && text.back() != ' ')))
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string Csv(const Report& report, const CsvHeading& heading) {
    std::string out;
    AppendCsvRow(out, {report.program, report.window});
    AppendCsvRow(out, {heading.section, heading.caption, heading.value, heading.unit});
    for (const Section& section : report.sections)
        for (const Line& line : section.lines)
            AppendCsvRow(out, {section.title, line.caption, line.value, line.unit});
    return out;
}

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\n':
            out += "<br>";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string Html(const Report& report) {
    const std::string title = HtmlEscaped(Title(report));
    std::string out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title +
                      "</title></head>\n<body>\n<h3>" + title + "</h3>\n" +
                      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n";
    for (const Section& section : report.sections) {
        if (!section.title.empty())
            out += "<tr><th colspan=\"3\" align=\"left\">" + HtmlEscaped(section.title) + "</th></tr>\n";
        for (const Line& line : section.lines) {
            if (line.caption.empty()) {
                out += "<tr><td colspan=\"3\">" + HtmlEscaped(ValueAndUnit(line)) + "</td></tr>\n";
                continue;
            }
            out += "<tr><td>" + HtmlEscaped(line.caption) + "</td><td align=\"right\">" + HtmlEscaped(line.value) +
                   "</td><td>" + HtmlEscaped(line.unit) + "</td></tr>\n";
        }
    }
    out += "</table>\n</body></html>\n";
    return out;
}

} // namespace torvex::report
