// Number reading and writing must give the same bits and texts wherever the
// program is built. The references are glibc's: the former reader
// (former_number_reader.h) and printf. A build that has them compares against
// them directly and checks that recorded_reference.txt still holds what they
// give; every build, Windows included, compares against that file.

#include <algorithm>
#include <bit>
#include <clocale>
#include <cstdint>
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

#if defined(__GLIBC__)
#include <cstdio>

#include "former_number_reader.h"
#endif

namespace torvex {
namespace {

__extension__ typedef unsigned __int128 UInt128; // GCC and Clang on x86-64, MinGW too

// splitmix64: the same sequence from every compiler and library, unlike the
// distributions of <random>.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(std::uint64_t n) { return static_cast<int>(next() % n); }

private:
    std::uint64_t m_state;
};

std::string Hex(std::uint64_t value, int digits)
{
    std::string text;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        text += "0123456789abcdef"[(value >> shift) & 0xf];
    }
    return text;
}

// FNV-1a, 64 bits.
class Digest {
public:
    void add(std::string_view bytes)
    {
        for (const unsigned char c : bytes) {
            m_hash = (m_hash ^ c) * 0x100000001b3ULL;
        }
    }
    std::string hex() const { return Hex(m_hash, 16); }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325ULL;
};

// "ssss:mmmmmmmmmmmmmmmm": sign and exponent, significand. Only these 80 of
// the type's bits hold the value; the rest are padding.
struct Bits {
    std::uint16_t signExponent = 0;
    std::uint64_t significand = 0;
};

Bits BitsOf(long double x)
{
    Bits bits;
    std::memcpy(&bits.significand, &x, 8);
    std::memcpy(&bits.signExponent, reinterpret_cast<const char*>(&x) + 8, 2);
    return bits;
}

long double FromBits(Bits bits)
{
    long double x = 0;
    std::memcpy(&x, &bits.significand, 8);
    std::memcpy(reinterpret_cast<char*>(&x) + 8, &bits.signExponent, 2);
    return x;
}

std::string ReadingOf(const std::optional<long double>& value)
{
    if (!value) {
        return "-";
    }
    const Bits bits = BitsOf(*value);
    return Hex(bits.signExponent, 4) + ":" + Hex(bits.significand, 16);
}

// One digest for each block of `count` items; `item` gives the text of the
// next one from the generator.
template <class Item>
std::vector<std::string> BlockDigests(std::uint64_t seed, int count, int block, Item item)
{
    Random random(seed);
    std::vector<std::string> digests;
    Digest digest;
    for (int i = 1; i <= count; ++i) {
        digest.add(item(random));
        digest.add("\n");
        if (i % block == 0) {
            digests.push_back(digest.hex());
            digest = Digest();
        }
    }
    return digests;
}

std::string Decimal(UInt128 n)
{
    std::string text;
    do {
        text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
        n /= 10;
    } while (n != 0);
    return text;
}

// ---- Typed texts ----------------------------------------------------------

struct TypedText {
    std::string text;
    std::string separator;
};

constexpr int kTexts = 100000;
constexpr int kTextBlock = 5000;

// Mostly texts of the number form, some with a slip of the finger; exact
// halfway points between neighbouring long doubles and texts just off them,
// where a conversion that is not correctly rounded goes wrong; and texts at
// the ends of the range (the largest value, the smallest normal and
// subnormal values, half of that).
TypedText RandomText(Random& r)
{
    TypedText t;
    const int pick = r.below(100);
    t.separator = pick < 45 ? "," : pick < 90 ? "." : pick < 98 ? "" : "\u066B";
    const std::string mark = t.separator.empty() ? "." : t.separator;
    std::string& s = t.text;
    const auto digits = [&](int count) {
        for (int i = 0; i < count; ++i) {
            s += static_cast<char>('0' + r.below(10));
        }
    };
    const auto sign = [&] {
        const int which = r.below(3);
        if (which > 0) {
            s += which == 1 ? '+' : '-';
        }
    };

    const int kind = r.below(10);
    if (kind < 6) {
        if (r.below(10) == 0) {
            s.append(static_cast<std::size_t>(1 + r.below(2)), ' ');
        }
        sign();
        const int integerDigits = r.below(4) == 0 ? 0 : 1 + r.below(22);
        digits(integerDigits);
        if (integerDigits == 0 || r.below(10) < 6) {
            s += mark;
            digits(r.below(31));
        }
        if (r.below(2) == 0) {
            s += r.below(2) == 0 ? 'e' : 'E';
            sign();
            const int size = r.below(10);
            if (size < 5) {
                digits(r.below(3));
            } else if (size < 8) {
                s += std::to_string(4890 + r.below(70));
            } else if (size == 9) {
                digits(1 + r.below(6));
            }
        }
        if (r.below(10) == 0) {
            s.append(static_cast<std::size_t>(1 + r.below(2)), ' ');
        }
        if (r.below(20) == 0) {
            constexpr std::string_view kSlips = "x,. e-+\t0";
            s.insert(static_cast<std::size_t>(r.below(s.size() + 1)), 1, kSlips[r.below(kSlips.size())]);
        }
    } else if (kind < 8) {
        const UInt128 odd = (UInt128(r.next() | (1ULL << 63)) << 1) | 1;
        const int shape = r.below(3); // exactly halfway, a little above, a little below
        const auto tail = [&] {
            if (shape != 0) {
                // Now and then past the reader's cut of long texts.
                const int length = r.below(100) == 0 ? 11950 + r.below(100) : r.below(20);
                s.append(static_cast<std::size_t>(length), shape == 1 ? '0' : '9');
                s += shape == 1 ? '1' : '9';
            }
        };
        if (r.below(2) == 0) { // (2m + 1) * 2^k, halfway between m * 2^(k+1) and (m + 1) * 2^(k+1)
            const UInt128 n = (odd << r.below(63)) - (shape == 2 ? 1 : 0);
            s = Decimal(n);
            if (shape != 0) {
                s += mark;
            }
            tail();
        } else { // (2m + 1) / 2^j = (2m + 1) * 5^j / 10^j
            const int j = 1 + r.below(26);
            UInt128 n = odd;
            for (int i = 0; i < j; ++i) {
                n *= 5;
            }
            const std::string d = Decimal(n - (shape == 2 ? 1 : 0));
            s = d.substr(0, d.size() - static_cast<std::size_t>(j)) + mark + d.substr(d.size() - static_cast<std::size_t>(j));
            tail();
        }
        if (r.below(2) == 0) {
            s.insert(0, 1, '-');
        }
    } else {
        struct Edge {
            std::string_view digits;
            int exponent;
        };
        constexpr Edge kEdges[] = {
            {"118973149535723176", 4932},  // the largest value, and where infinity begins
            {"336210314311209350", -4932}, // the smallest normal value
            {"364519953188247460", -4951}, // the smallest subnormal value
            {"182259976594123730", -4951}, // half of it, where 0 begins
        };
        const Edge& edge = kEdges[r.below(std::size(kEdges))];
        sign();
        s += edge.digits.substr(0, 1);
        s += mark;
        s += edge.digits.substr(1);
        digits(r.below(26));
        s += 'e';
        s += std::to_string(edge.exponent);
    }
    return t;
}

using Reader = std::function<std::optional<long double>(std::string_view, std::string_view)>;

std::vector<std::string> TextDigests(const Reader& read)
{
    return BlockDigests(20261208, kTexts, kTextBlock, [&](Random& r) {
        const TypedText t = RandomText(r);
        return ReadingOf(read(t.text, t.separator));
    });
}

// ---- Written values -------------------------------------------------------

constexpr int kValues = 100000;
constexpr int kValueBlock = 5000;

struct ValueToWrite {
    long double x;
    int decimals; // enough for 18 significant digits, at most two more
};

// Mostly the values labels show (both digit paths of FormatFixed), exact
// ties at the 18th digit, and values from the whole range, subnormal ones
// included.
ValueToWrite RandomValue(Random& r)
{
    const int kind = r.below(100);
    Bits bits{static_cast<std::uint16_t>(r.below(2) == 0 ? 0 : 0x8000), r.next() | (1ULL << 63)};
    if (kind < 3) { // n + 1/2 for an 18-digit n
        const std::uint64_t n = 100000000000000000ULL + r.next() % 900000000000000000ULL;
        bits = BitsOf((bits.signExponent != 0 ? -1 : 1) * (static_cast<long double>(n) + 0.5L));
    } else if (kind < 98) {
        bits.signExponent |= static_cast<std::uint16_t>(16383 + (kind < 93 ? -44 + r.below(111) : -16382 + r.below(32766)));
    } else {
        bits.significand >>= 1 + r.below(63);
    }
    // floor(log2 |x|), then floor(log2 |x| * log10(2)) in integers: floor(log10 |x|) or one less.
    const int biased = bits.signExponent & 0x7fff;
    const int binaryExponent = biased != 0 ? biased - 16383 : std::bit_width(bits.significand) - 1 - 16445;
    const auto decimalExponent = static_cast<int>((std::int64_t{binaryExponent} * 1292913986) >> 32);
    return {FromBits(bits), std::max(0, 18 - decimalExponent)};
}

using Writer = std::function<std::string(long double, int)>;

std::vector<std::string> ValueDigests(const Writer& write)
{
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
std::vector<std::pair<std::string, std::string>> FuzzInputReadings(const Reader& read)
{
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
std::map<std::string, std::string> LoadRecording()
{
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

void ExpectBlocksAsRecorded(const std::vector<std::string>& digests, const std::string& kind)
{
    const std::map<std::string, std::string> recorded = LoadRecording();
    ASSERT_FALSE(recorded.empty()) << "cannot read " << kRecordingPath.string();
    for (std::size_t block = 0; block < digests.size(); ++block) {
        const auto found = recorded.find(kind + " " + std::to_string(block));
        EXPECT_TRUE(found != recorded.end() && found->second == digests[block]) << kind << ", block " << block;
    }
}

TEST(NumberReaderTest, RandomTextsReadAsRecorded)
{
    ExpectBlocksAsRecorded(TextDigests(ParseNumber), "texts");
}

TEST(NumberReaderTest, FuzzInputsReadAsRecorded)
{
    const std::map<std::string, std::string> recorded = LoadRecording();
    for (const auto& [path, readings] : FuzzInputReadings(ParseNumber)) {
        const auto found = recorded.find("input " + path);
        EXPECT_TRUE(found != recorded.end() && found->second == readings) << path << ": " << readings;
    }
}

TEST(FormatFixedTest, EighteenDigitsAsRecorded)
{
    ExpectBlocksAsRecorded(ValueDigests(FormatWithoutPadding), "values");
}

// The GUI sets the C locale from the environment; neither reading nor writing
// may follow a locale whose decimal mark is ",".
TEST(LocaleIndependenceTest, GermanCLocaleChangesNothing)
{
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

std::string PrintfFixed(long double x, int decimals)
{
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

std::string FormerReading(std::string_view text, std::string_view separator)
{
    return ReadingOf(former::ParseNumber(text, separator));
}

TEST(RecordedReferenceTest, IsWhatTheFormerReaderAndPrintfGive)
{
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
