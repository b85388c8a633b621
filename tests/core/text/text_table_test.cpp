// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/text_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <string_view>

namespace torvex {
namespace {

struct Sample {
    int id;
    int offset;
    std::string_view text;
};

// Texts as the interface shows them, letter for letter (blanks and the typos of
// the English table included).
TEST(TextTable, Samples) {
    // clang-format off
    const Sample samples[] = {
        {5, kGermanOffset, "Frequenzbereich"},
        {5, kEnglishOffset, "Frequency Range"},
        {1005, kGermanOffset, "Frequency Range"},
        // Grouped identifiers: one caption, many controls.
        {8, kGermanOffset, "Da"},
        {251, kEnglishOffset, "OD"},
        {253, kEnglishOffset, "ID"},
        {247, kGermanOffset, "Induktivität"},
        {200, kEnglishOffset, "Turns"},
        {246, kEnglishOffset, "Turns"},
        {202, kGermanOffset, "Drahtlänge"},
        {177, kEnglishOffset, "max. D (wire)"},
        {67, kGermanOffset, "Dieser Typ ist nicht verfügbar!"},
        {207, kEnglishOffset, "This type is not available!"},
        {230, kEnglishOffset, "Working Frequency"},
        {241, kGermanOffset, "Länge"},
        {250, kEnglishOffset, "@"},
        {263, kGermanOffset, "SIFERRIT"},
        {263, kEnglishOffset, "SIFERRIT"},
        {271, kGermanOffset, "&Maßeinheiten"},
        {276, kEnglishOffset, "&Language (Sprache)"},
        {308, kGermanOffset, " Induktivität aus Windungszahl berechnen "},
        {309, kEnglishOffset, " Calculating core parameters "},
        // Window titles and the application title.
        {351, kGermanOffset, " Torvex 1.1.2"},
        {351, kEnglishOffset, " Torvex 1.1.2"},
        {353, kGermanOffset, " AL und µi ermitteln"},
        {357, kGermanOffset, "Torvex 1.1.2"},
        {357, kEnglishOffset, "Torvex 1.1.2"},
        {256, kGermanOffset, "© 2026 Die Torvex-Entwickler\nFreie Software für Funkamateure"},
        {256, kEnglishOffset, "© 2026 The Torvex developers\nFree software for radio amateurs"},
        // Hints: tooltip | status line.
        {702, kGermanOffset, "+ Anschlusslänge | Nicht die Anschlusslänge vergessen!"},
        {705, kEnglishOffset, "single layered"},
        {902, kEnglishOffset, "Core size | Using arrow keys or mouse wheel you can look for available core sizes."},
        {917, kGermanOffset,
         "Material | Mit den Pfeiltasten oder dem Mausrad erhält man einen Überblick über verfügbare Materialien."},
        {858, kEnglishOffset, "Change to German!"},
        {859, kGermanOffset, "Change to English."},
        {859, kEnglishOffset, "The English language for program and help ... | ... is selected automatically when launching."},
        {983, kEnglishOffset,
         "Resistance of copper wire | Calculation of resistance of copper wire depending upon temperature. "},
        {985, kGermanOffset, "Umrechnung | Umrechnung von (inch, foot, yard) <-> (mm, cm, m), AWG -> mm, °F -> °C"},
    };
    // clang-format on
    for (const Sample& s : samples)
        EXPECT_EQ(LoadText(s.id, s.offset), s.text) << s.id << " + " << s.offset;
}

TEST(TextTable, TextsAreUtf8) {
    EXPECT_EQ(LoadText(353), " AL und \xC2\xB5i ermitteln");
    EXPECT_EQ(LoadText(20), "Drahtl\xC3\xA4nge");
}

TEST(TextTable, AbsentIdentifiersGiveEmptyTexts) {
    // clang-format off
    const Sample absent[] = {
        {567, kGermanOffset, {}}, {567, kEnglishOffset, {}}, {0, kGermanOffset, {}},
        {1000, kGermanOffset, {}}, {999, kEnglishOffset, {}}, {2399, kGermanOffset, {}},
        {-1, kGermanOffset, {}},  {INT_MAX, kEnglishOffset, {}}, {INT_MIN, -kEnglishOffset, {}},
    };
    // clang-format on
    for (const Sample& s : absent)
        EXPECT_EQ(LoadText(s.id, s.offset), "") << s.id << " + " << s.offset;
}

// Every German text has its English partner 1000 above and the other way round;
// nothing lies outside the two ranges.
TEST(TextTable, GermanAndEnglishComeInPairs) {
    int german = 0;
    for (int id = 0; id < 1000; ++id) {
        EXPECT_EQ(LoadText(id).empty(), LoadText(id, kEnglishOffset).empty()) << id;
        german += !LoadText(id).empty();
    }
    EXPECT_EQ(german, 136);
    for (int id = -1000; id < 0; ++id)
        EXPECT_EQ(LoadText(id), "") << id;
    // The newer texts, German from 2000 with English 1000 above, pair up too.
    for (int id = 2000; id < 3000; ++id)
        EXPECT_EQ(LoadText(id).empty(), LoadText(id, kEnglishOffset).empty()) << id;
}

} // namespace
} // namespace torvex
