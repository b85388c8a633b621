// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ferrite/material_table.h"

#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "ferrite/material_list.h"
#include "ferrite/shipped_files.h"

namespace torvex {
namespace {

const MaterialTable* Table(const std::variant<MaterialTable, TableError>& read) {
    return std::get_if<MaterialTable>(&read);
}

// A small table in the maker's form, lines ended with `end`, µ encoded as `mu`.
std::string SmallTable(std::string_view end, std::string_view mu = "\xc2\xb5") {
    std::string s;
    for (const std::string& line :
         {std::string("43 material,,"), std::string(mu) + "i,Br,Hc", std::string("800,2200,0.36"),
          "Frequency(Hz)," + std::string(mu) + "s'," + std::string(mu) + "s''", std::string("1.00E+04,816.04,10.11"),
          std::string("100000,809.44,7.77"), std::string("1e6,750.5,210")}) {
        s += line;
        s += end;
    }
    return s;
}

TEST(ReadMaterialTableTest, ShippedFilesAllRead) {
    // Byte counts of the maker's files catch a file cut short by the build.
    // clang-format off
    const struct {
        const char* material;
        std::size_t bytes, rows;
        long double lowest, highest;
    } expected[] = {
        {"31", 1266, 49, 1e4L, 1e9L},   {"43", 7621, 207, 1e4L, 3e9L},    {"52", 1922, 87, 1e4L, 1.68e9L},
        {"61", 2279, 106, 1e4L, 1e9L},  {"67", 3718, 174, 1e6L, 8.23e8L}, {"68", 3940, 186, 1e6L, 1.2e9L},
        {"73", 955, 28, 1e4L, 1e8L},    {"75", 2275, 108, 1e4L, 1e9L},    {"77", 953, 56, 1e4L, 1.8e9L},
        {"78", 960, 56, 1e4L, 1.8e9L},
    };
    // clang-format on
    const auto files = ShippedMaterialFiles();
    const std::vector<MaterialTable> tables = ShippedMaterials();
    ASSERT_EQ(files.size(), std::size(expected));
    ASSERT_EQ(tables.size(), std::size(expected));
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(expected[i].material);
        EXPECT_EQ(files[i].material, expected[i].material);
        EXPECT_EQ(files[i].bytes.size(), expected[i].bytes);
        EXPECT_EQ(tables[i].name, expected[i].material);
        EXPECT_EQ(tables[i].rows.size(), expected[i].rows);
        EXPECT_EQ(tables[i].lowestFrequency(), expected[i].lowest);
        EXPECT_EQ(tables[i].highestFrequency(), expected[i].highest);
    }
    // The first row and the constants of the 2020 table of 43 (CRLF, plain numbers).
    EXPECT_EQ(tables[1].initialPermeability, 800);
    EXPECT_EQ(tables[1].coercivity, 0.36L);
    EXPECT_EQ(tables[1].rows[0].muReal, 816.0434106L);
    EXPECT_EQ(tables[1].rows[0].muImag, 10.11279513L);
    // The title names the file's material; the list uses the short name.
    EXPECT_EQ(Table(ReadMaterialTable(files[0].bytes))->name, "31 material");
}

TEST(ReadMaterialTableTest, AcceptsEncodingsLineEndsAndLayouts) {
    const std::string crlf = SmallTable("\r\n");
    // clang-format off
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"LF", SmallTable("\n")},
        {"CR", SmallTable("\r")},
        {"CRLF", crlf},
        {"Latin-1 micro sign", SmallTable("\r", "\xb5")},
        {"Greek mu", SmallTable("\n", "\xce\xbc")},
        {"byte-order mark", "\xef\xbb\xbf" + crlf},
        {"mixed ends, blank lines", "43 material,,\r\xc2\xb5i,Br,Hc\n\n800,2200,0.36\r\n \t\r"
                                    "Frequency,a,b\n1.00E+04,816.04,10.11\r100000,809.44,7.77\r\n1e6,750.5,210"},
        {"quotes, tabs, trailing commas", "\"43 material\",x\n\"\xc2\xb5i\" ,\tBr,HC,\n800,2200,0.36,,\n"
                                          "FREQUENCY (Hz)\n+1.00e4, 816.04 ,\"10.11\"\n100000.,809.44,7.77,\n"
                                          "1E+6,750.5,2.1e2\n"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto read = ReadMaterialTable(c.bytes);
        const MaterialTable* table = Table(read);
        ASSERT_NE(table, nullptr) << TableErrorMessage(std::get<TableError>(read), "t.csv", Language::English);
        EXPECT_EQ(table->name, "43 material");
        ASSERT_EQ(table->rows.size(), 3u);
        EXPECT_EQ(table->rows[0].frequency, 1e4L);
        EXPECT_EQ(table->rows[0].muReal, 816.04L);
        EXPECT_EQ(table->rows[2].muImag, 210.0L);
    }
}

TEST(ReadMaterialTableTest, MalformedFilesFailAtTheirLine) {
    const std::string head = "43 material,,\n\xc2\xb5i,Br,Hc\n800,2200,0.36\nFrequency(Hz),a,b\n";
    const std::string rows = "10000,816,10\n20000,810,12\n";
    // clang-format off
    const struct {
        const char* what;
        std::string bytes;
        TableFault fault;
        int line;
        const char* text;
    } cases[] = {
        {"empty", "", TableFault::Empty, 1, ""},
        {"only blank lines", " \r\n\r\n", TableFault::Empty, 1, ""},
        {"no name", ",,\n", TableFault::NoName, 1, ""},
        {"title only", "43 material\n", TableFault::NoPermeabilityTitles, 2, ""},
        {"wrong constants' titles", "43\n\xc2\xb5i,Br\n", TableFault::NoPermeabilityTitles, 2, ""},
        {"two constants", "43\nui,Br,Hc\n800,2200\n", TableFault::NoPermeabilityValues, 3, ""},
        {"constant not a number", "43\nui,Br,Hc\n800,abc,1\n", TableFault::NotANumber, 3, "abc"},
        {"no column titles", "43\nui,Br,Hc\n800,2200,1\nFreq,a,b\n", TableFault::NoColumnTitles, 4, ""},
        {"two fields", head + "10000,816\n", TableFault::WrongFieldCount, 5, ""},
        {"decimal comma", head + "10000,8,16,10\n", TableFault::WrongFieldCount, 5, ""},
        {"letter O", head + rows + "1O000,816,10\n", TableFault::NotANumber, 7, "1O000"},
        {"nan", head + "nan,1,1\n", TableFault::NotANumber, 5, "nan"},
        {"inf", head + "10000,inf,1\n", TableFault::NotANumber, 5, "inf"},
        {"hex", head + "0x10,1,1\n", TableFault::NotANumber, 5, "0x10"},
        {"empty exponent", head + "5E,1,1\n", TableFault::NotANumber, 5, "5E"},
        {"lone point", head + "10000,.,1\n", TableFault::NotANumber, 5, "."},
        {"beyond long double", head + "10000,1e5000,1\n", TableFault::NumberTooLarge, 5, "1e5000"},
        {"zero frequency", head + "0,816,10\n", TableFault::FrequencyNotPositive, 5, ""},
        {"negative frequency", head + "-10,816,10\n", TableFault::FrequencyNotPositive, 5, ""},
        {"repeated frequency", head + rows + "20000,800,13\n", TableFault::FrequencyNotIncreasing, 7, ""},
        {"falling frequency", head + rows + "15000,800,13\n", TableFault::FrequencyNotIncreasing, 7, ""},
        {"negative loss", head + rows + "30000,800,-0.1\n", TableFault::NegativeLoss, 7, ""},
        {"one row", head + "10000,816,10\r\n", TableFault::TooFewRows, 6, ""},
        {"NUL inside", head + std::string("10000,8\0" "16,10\n", 13) + rows, TableFault::NotText, 5, ""},
        {"PNG picture", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), TableFault::NotText, 2, ""},
        {"UTF-16", std::string("\xff\xfe" "4\0" "3\0", 6), TableFault::NotText, 1, ""},
        {"over 1 MB", std::string(kMaxTableBytes + 1, '1'), TableFault::TooLarge, 0, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto read = ReadMaterialTable(c.bytes);
        const TableError* error = std::get_if<TableError>(&read);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->fault, c.fault);
        EXPECT_EQ(error->line, c.line);
        EXPECT_EQ(error->text, c.text);
    }
    // The limit itself is allowed.
    const std::string padded = head + rows;
    EXPECT_NE(Table(ReadMaterialTable(padded + std::string(kMaxTableBytes - padded.size(), '\n'))), nullptr);
}

TEST(ReadMaterialTableTest, MessageNamesFileAndLine) {
    const TableError notNumber{TableFault::NotANumber, 7, "1O000"};
    EXPECT_EQ(TableErrorMessage(notNumber, "43.csv", Language::German),
              "Die Datei „43.csv“ wurde nicht importiert. Zeile 7: „1O000“ ist keine Zahl.");
    EXPECT_EQ(TableErrorMessage(notNumber, "43.csv", Language::English),
              "The file \"43.csv\" was not imported. Line 7: \"1O000\" is not a number.");
    EXPECT_EQ(TableErrorMessage({TableFault::TooLarge, 0, {}}, "big %2.csv", Language::English),
              "The file \"big %2.csv\" was not imported. It is larger than 1 MB.");
    // Every fault has its text in both languages.
    for (int f = 0; f <= static_cast<int>(TableFault::TooFewRows); ++f) {
        for (const Language language : {Language::German, Language::English}) {
            const std::string message = TableErrorMessage({static_cast<TableFault>(f), 3, "x"}, "a.csv", language);
            EXPECT_GT(message.size(), 50u) << f << ": " << message;
        }
    }
    // An overlong field (here Latin-1 "ä") is cut in the message on a character boundary.
    std::string cut;
    for (int i = 0; i < 39; ++i)
        cut += "ä";
    const auto read = ReadMaterialTable("43\nui,Br,Hc\n" + std::string(60, '\xe4') + ",1,1\n");
    EXPECT_EQ(std::get<TableError>(read).text, cut + "…");
}

TEST(WriteMaterialTableTest, ReadsBackExactly) {
    for (MaterialTable table : ShippedMaterials()) {
        table.name = "\"" + table.name + " material\" (2)";
        const auto read = ReadMaterialTable(WriteMaterialTable(table));
        const MaterialTable* back = Table(read);
        ASSERT_NE(back, nullptr) << table.name;
        EXPECT_EQ(back->name, table.name);
        EXPECT_EQ(back->initialPermeability, table.initialPermeability);
        ASSERT_EQ(back->rows.size(), table.rows.size());
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            EXPECT_EQ(back->rows[i].frequency, table.rows[i].frequency);
            EXPECT_EQ(back->rows[i].muReal, table.rows[i].muReal);
            EXPECT_EQ(back->rows[i].muImag, table.rows[i].muImag);
        }
    }
}

TEST(MaterialNamesTest, FreeNameAndList) {
    // clang-format off
    const struct {
        const char* wanted;
        std::vector<std::string> inUse;
        const char* expected;
    } cases[] = {
        {"43 material", {"31", "43"}, "43 material"},
        {"43 material", {"43", "43 material"}, "43 material (2)"},
        {"43 material", {"43 material", "43 material (2)"}, "43 material (3)"},
        {"a", {"a", "a (3)"}, "a (2)"},
        {"43", {"31", "43"}, "43 (2)"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FreeMaterialName(c.wanted, c.inUse), c.expected);

    MaterialList list;
    EXPECT_EQ(list.names(), (std::vector<std::string>{"31", "43", "52", "61", "67", "68", "73", "75", "77", "78"}));
    MaterialTable imported = *Table(ReadMaterialTable(SmallTable("\n")));
    EXPECT_EQ(list.add(imported), 10);
    EXPECT_EQ(list.add(imported), 11);
    imported.name = "61";
    EXPECT_EQ(list.add(imported), 12);
    EXPECT_EQ(list.at(11)->name, "43 material (2)");
    EXPECT_EQ(list.at(12)->name, "61 (2)");
    EXPECT_EQ(list.at(13), nullptr);
    EXPECT_EQ(list.imported().size(), 3u);
    EXPECT_FALSE(list.remove(3)); // shipped tables stay
    EXPECT_TRUE(list.remove(10));
    EXPECT_EQ(list.find("43 material (2)"), 10);
    // A shipped table, read when first asked for, is what the reader gives
    // and stays where it was read.
    const std::vector<MaterialTable> shipped = ShippedMaterials();
    for (int i : {9, 1}) {
        EXPECT_EQ(list.at(i)->name, shipped[std::size_t(i)].name);
        EXPECT_EQ(list.at(i)->rows.size(), shipped[std::size_t(i)].rows.size());
        EXPECT_EQ(list.at(i)->initialPermeability, shipped[std::size_t(i)].initialPermeability);
    }
    EXPECT_EQ(list.at(1), list.at(1));
    EXPECT_EQ(MaterialDataSource(Language::English), "Material data: Fair-Rite Products Corp.");
}

} // namespace
} // namespace torvex
