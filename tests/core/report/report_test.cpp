// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace torvex::report {
namespace {

// A reader of one CSV record as a spreadsheet reads it (RFC 4180), so that
// the tests check what comes back, not how the writer spelled it.
std::vector<std::string> ReadCsvRecord(const std::string& text, std::size_t& at) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '"' && at + 1 < text.size() && text[at + 1] == '"')
                fields.back() += text[++at];
            else if (c == '"')
                quoted = false;
            else
                fields.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            at += 2;
            return fields;
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

const Report kIronPowder{
    "Torvex 1.1.2",
    "Eisenpulver T .. - ..",
    {{"Kern",
      {{"Kerngröße", "T50", ""}, {"Frequenzbereich", "1...30", "MHz"}, {"", "Dieser Typ ist nicht verfügbar!", ""}}},
     {"Ergebnisse", {{"Windungszahl", "45.2", ""}, {"XL", "439.823", "Ω"}}}}};

TEST(Report, CsvFieldsReadBackAsWritten) {
    // clang-format off
    const std::string texts[] = {
        "", "T50", "0,05...0,5", "say \"hi\"", "two\nlines", "cr\r\nlf", "a;b", " lead", "trail ",
        "\"", ",", "Kerngröße", "µH",
    };
    // clang-format on
    for (const std::string& text : texts) {
        const std::string row = CsvField(text) + ',' + CsvField("next") + "\r\n";
        std::size_t at = 0;
        const std::vector<std::string> fields = ReadCsvRecord(row, at);
        ASSERT_EQ(fields.size(), 2u) << text;
        EXPECT_EQ(fields[0], text);
        EXPECT_EQ(fields[1], "next");
        EXPECT_EQ(at, row.size()) << text;
    }
}

TEST(Report, CsvHasTitlesHeadingAndOneRowPerLine) {
    Report report = kIronPowder;
    report.sections[0].lines[1].caption = "Bereich, \"typisch\"\nneu";
    const std::string csv = Csv(report, {"Abschnitt", "Bezeichnung", "Wert", "Einheit"});
    const std::vector<std::vector<std::string>> expected = {
        {"Torvex 1.1.2", "Eisenpulver T .. - .."},
        {"Abschnitt", "Bezeichnung", "Wert", "Einheit"},
        {"Kern", "Kerngröße", "T50", ""},
        {"Kern", "Bereich, \"typisch\"\nneu", "1...30", "MHz"},
        {"Kern", "", "Dieser Typ ist nicht verfügbar!", ""},
        {"Ergebnisse", "Windungszahl", "45.2", ""},
        {"Ergebnisse", "XL", "439.823", "Ω"},
    };
    std::size_t at = 0;
    for (const auto& row : expected)
        EXPECT_EQ(ReadCsvRecord(csv, at), row);
    EXPECT_EQ(at, csv.size());
}

TEST(Report, PlainTextAlignsValuesByCharactersNotBytes) {
    const std::string text = PlainText(kIronPowder);
    // "Frequenzbereich" is the widest caption (15 characters); "Kerngröße" has
    // 9 characters in 10 bytes and still lines up.
    EXPECT_EQ(text, "Torvex 1.1.2 \u2013 Eisenpulver T .. - ..\n"
                    "\n"
                    "Kern\n"
                    "  Kerngröße        T50\n"
                    "  Frequenzbereich  1...30 MHz\n"
                    "  Dieser Typ ist nicht verfügbar!\n"
                    "\n"
                    "Ergebnisse\n"
                    "  Windungszahl     45.2\n"
                    "  XL               439.823 Ω\n");
}

TEST(Report, HtmlEscapesEveryText) {
    const Report report{"Torvex", "<b>&", {{"a\"b", {{"x<y", "1 & 2", "\"u\""}, {"", "line\nbreak", ""}}}}};
    const std::string html = Html(report);
    for (const char* expected :
         {"<title>Torvex \u2013 &lt;b&gt;&amp;</title>", "<th colspan=\"3\" align=\"left\">a&quot;b</th>",
          "<td>x&lt;y</td><td align=\"right\">1 &amp; 2</td><td>&quot;u&quot;</td>",
          "<td colspan=\"3\">line<br>break</td>"})
        EXPECT_NE(html.find(expected), std::string::npos) << expected;
    EXPECT_EQ(html.find("<b>"), std::string::npos);
}

} // namespace
} // namespace torvex::report
