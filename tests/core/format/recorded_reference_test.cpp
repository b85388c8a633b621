// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number reading and writing must give the same bits and texts wherever the
// program is built. The references are glibc's: the former reader
// (former_number_reader.h) and printf. A build that has them compares against
// them directly and checks that recorded_reference.txt still holds what they
// give; every build, Windows included, compares against that file.

#include <algorithm>
#include <clocale>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/number_format.h"
#include "format/number_reader.h"
#include "reference_inputs.h"

#if defined(__GLIBC__)
#include <cstdio>

#include "former_number_reader.h"
#endif

namespace torvex {
namespace {

using namespace reference;

using Reader = std::function<std::optional<long double>(std::string_view, std::string_view)>;

std::vector<std::string> TextDigests(const Reader& read) {
    return BlockDigests(20261208, kTexts, kTextBlock, [&](Random& r) {
        const TypedText t = RandomText(r);
        return ReadingOf(read(t.text, t.separator));
    });
}

using Writer = std::function<std::string(long double, int)>;

std::vector<std::string> ValueDigests(const Writer& write) {
    return BlockDigests(20261209, kValues, kValueBlock, [&](Random& r) {
        const ValueToWrite v = RandomValue(r);
        return write(v.x, v.decimals);
    });
}

std::string FormatWithoutPadding(long double x, int decimals) { return FormatFixed(x, 0, decimals); }

// ---- Fuzz inputs ----------------------------------------------------------

const std::filesystem::path kSourceDir = TORVEX_SOURCE_DIR;
constexpr const char* kSeparators[] = {",", ".", ""};

// Every seed and saved fault input of the reading fuzz target, by its path in
// the source tree, with its readings with the separators above.
std::vector<std::pair<std::string, std::string>> FuzzInputReadings(const Reader& read) {
    std::vector<std::pair<std::string, std::string>> readings;
    for (const char* folder : {"fuzz/corpus/fuzz_read_number", "fuzz/regressions/fuzz_read_number"}) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(kSourceDir / folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            std::ifstream in(kSourceDir / folder / name, std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            std::string line;
            for (const char* separator : kSeparators) {
                if (!line.empty()) {
                    line += ' ';
                }
                line += ReadingOf(read(text, separator));
            }
            readings.emplace_back(std::string(folder) + "/" + name, line);
        }
    }
    return readings;
}

// ---- The recording --------------------------------------------------------

const std::filesystem::path kRecordingPath = kSourceDir / "tests/core/format/recorded_reference.txt";

// Its lines as "kind key" -> value: "texts 3" -> digest of block 3.
std::map<std::string, std::string> LoadRecording() {
    std::map<std::string, std::string> recorded;
    std::ifstream in(kRecordingPath);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::size_t second = line.find(' ', line.find(' ') + 1);
        recorded[line.substr(0, second)] = second == std::string::npos ? "" : line.substr(second + 1);
    }
    return recorded;
}

void ExpectBlocksAsRecorded(const std::vector<std::string>& digests, const std::string& kind) {
    const std::map<std::string, std::string> recorded = LoadRecording();
    ASSERT_FALSE(recorded.empty()) << "cannot read " << kRecordingPath.string();
    for (std::size_t block = 0; block < digests.size(); ++block) {
        const auto found = recorded.find(kind + " " + std::to_string(block));
        EXPECT_TRUE(found != recorded.end() && found->second == digests[block]) << kind << ", block " << block;
    }
}

TEST(NumberReaderTest, RandomTextsReadAsRecorded) { ExpectBlocksAsRecorded(TextDigests(ParseNumber), "texts"); }

TEST(NumberReaderTest, FuzzInputsReadAsRecorded) {
    const std::map<std::string, std::string> recorded = LoadRecording();
    for (const auto& [path, readings] : FuzzInputReadings(ParseNumber)) {
        const auto found = recorded.find("input " + path);
        EXPECT_TRUE(found != recorded.end() && found->second == readings) << path << ": " << readings;
    }
}

TEST(FormatFixedTest, EighteenDigitsAsRecorded) {
    ExpectBlocksAsRecorded(ValueDigests(FormatWithoutPadding), "values");
}

// The GUI sets the C locale from the environment; neither reading nor writing
// may follow a locale whose decimal mark is ",".
TEST(LocaleIndependenceTest, GermanCLocaleChangesNothing) {
    const char* german = nullptr;
    // glibc's names, then those of Windows' C runtime.
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "German"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            german = name;
            break;
        }
    }
    ASSERT_NE(german, nullptr) << "no German locale: scripts/install-deps.sh generates de_DE.UTF-8";
    const bool commaLocale = std::strcmp(std::localeconv()->decimal_point, ",") == 0;

    const std::string fixed = FormatFixed(1234.5L, 0, 2);
    const std::string huge = FormatFixed(1.5e30L, 0, 1);
    const std::string tiny = FormatFixed(2.2e-16L, 0, 20);
    const auto comma = ParseNumber("1,5", ",");
    const auto point = ParseNumber("1.5", ".");
    const auto wrong = ParseNumber("1.5", ",");
    const std::vector<std::string> texts = TextDigests(ParseNumber);
    const std::vector<std::string> values = ValueDigests(FormatWithoutPadding);
    std::setlocale(LC_ALL, "C");

    EXPECT_TRUE(commaLocale) << german;
    EXPECT_EQ(fixed, "1234.50");
    EXPECT_EQ(huge, "1500000000000000000000000000000.0");
    EXPECT_EQ(tiny, "0.00000000000000022000");
    EXPECT_EQ(comma, 1.5L);
    EXPECT_EQ(point, 1.5L);
    EXPECT_FALSE(wrong.has_value());
    ExpectBlocksAsRecorded(texts, "texts");
    ExpectBlocksAsRecorded(values, "values");
}

#if defined(__GLIBC__)

std::string PrintfFixed(long double x, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", x); // -d.ddddddddddddddddde+x
    std::string_view text(buffer);
    std::string out;
    if (text.front() == '-') {
        out += '-';
        text.remove_prefix(1);
    }
    const std::string digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, 17));
    const long point = std::stol(std::string(text.substr(text.find('e') + 1))) + 1; // digits before the mark
    std::string fraction;
    if (point <= 0) {
        out += '0';
        fraction = std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= 18) {
        out += digits + std::string(static_cast<std::size_t>(point - 18), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(point));
        fraction = digits.substr(static_cast<std::size_t>(point));
    }
    if (decimals > 0) {
        fraction.resize(static_cast<std::size_t>(decimals), '0'); // only ever adds zeros
        out += '.' + fraction;
    }
    return out;
}

std::string FormerReading(std::string_view text, std::string_view separator) {
    return ReadingOf(former::ParseNumber(text, separator));
}

TEST(RecordedReferenceTest, IsWhatTheFormerReaderAndPrintfGive) {
    std::setlocale(LC_ALL, "C");

    // The portable reader against the former one, text by text.
    Random random(20261208);
    int mismatches = 0;
    for (int i = 0; i < kTexts; ++i) {
        const TypedText t = RandomText(random);
        const std::string now = ReadingOf(ParseNumber(t.text, t.separator));
        if (now != FormerReading(t.text, t.separator) && ++mismatches <= 5) {
            ADD_FAILURE() << "'" << t.text << "' with '" << t.separator << "': " << now << " instead of "
                          << FormerReading(t.text, t.separator);
        }
    }
    EXPECT_EQ(mismatches, 0);

    std::ostringstream fresh;
    fresh << "# What the number reader and FormatFixed must give on every platform, recorded\n"
             "# on Linux x86-64 (glibc) by RecordedReferenceTest in recorded_reference_test.cpp:\n"
             "# texts read by the former reader (glibc's strtold_l in a \"C\" locale), values\n"
             "# written by glibc's printf. Blocks of generated texts and values by digest,\n"
             "# fuzz inputs by their readings with the separators \",\", \".\" and \"\".\n";
    const std::vector<std::string> texts = TextDigests(former::ParseNumber);
    for (std::size_t block = 0; block < texts.size(); ++block) {
        fresh << "texts " << block << " " << texts[block] << "\n";
    }
    const std::vector<std::string> values = ValueDigests(PrintfFixed);
    for (std::size_t block = 0; block < values.size(); ++block) {
        fresh << "values " << block << " " << values[block] << "\n";
    }
    for (const auto& [path, readings] : FuzzInputReadings(former::ParseNumber)) {
        fresh << "input " << path << " " << readings << "\n";
    }

    std::ifstream in(kRecordingPath);
    const std::string recorded((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (recorded != fresh.str()) {
        const std::filesystem::path written = std::filesystem::absolute("recorded_reference.txt");
        std::ofstream(written) << fresh.str();
        ADD_FAILURE() << kRecordingPath.string() << " is out of date (a new fuzz input?); check and copy "
                      << written.string();
    }
}

#endif

} // namespace
} // namespace torvex
