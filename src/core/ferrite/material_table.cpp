// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ferrite/material_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "ferrite/fill_text.h"
#include "format/number_reader.h"
#include "text/text_table.h"

namespace torvex {

namespace {

// Lines of a text, ended by CR, LF or CRLF in any mix; numbered from 1.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    int number() const { return m_number; } // of the line returned last

    std::string_view next() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != '\r' && m_text[m_pos] != '\n') {
            ++m_pos;
        }
        const std::string_view line = m_text.substr(start, m_pos - start);
        if (m_pos < m_text.size()) {
            if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n') {
                ++m_pos;
            }
            ++m_pos;
        }
        ++m_number;
        return line;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_number = 0;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The first line that holds anything but blanks, or nothing at the end.
std::optional<std::string_view> NextFilledLine(LineCursor& lines) {
    while (!lines.atEnd()) {
        const std::string_view line = lines.next();
        if (!Trim(line).empty()) {
            return line;
        }
    }
    return std::nullopt;
}

// Comma-separated fields, trimmed and unquoted; empty fields at the end of
// the line (spreadsheets write "43 material,,") are dropped.
std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = line.find(',', start);
        std::string_view field = Trim(line.substr(start, comma == std::string_view::npos ? line.npos : comma - start));
        if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
            field = Trim(field.substr(1, field.size() - 2));
        }
        fields.push_back(field);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    while (!fields.empty() && fields.back().empty())
        fields.pop_back();
    return fields;
}

// The first control character other than tab, CR and LF marks a file that
// is not text; returns its line.
std::optional<int> BinaryLine(std::string_view bytes) {
    LineCursor lines(bytes);
    while (!lines.atEnd()) {
        const std::string_view line = lines.next();
        const bool binary = std::any_of(line.begin(), line.end(), [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return (u < 0x20 && c != '\t') || u == 0x7f;
        });
        if (binary)
            return lines.number();
    }
    return std::nullopt;
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        unsigned int codePoint = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xc2 && c <= 0xdf) {
            extra = 1;
            codePoint = c & 0x1f;
        } else if (c >= 0xe0 && c <= 0xef) {
            extra = 2;
            codePoint = c & 0x0f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            extra = 3;
            codePoint = c & 0x07;
        } else
            return false;
        if (i + static_cast<std::size_t>(extra) >= s.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto t = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((t & 0xc0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (t & 0x3f);
        }
        // Overlong forms, UTF-16 surrogates and code points beyond Unicode.
        if ((extra == 2 && codePoint < 0x800) || (extra == 3 && codePoint < 0x10000) ||
            (codePoint >= 0xd800 && codePoint <= 0xdfff) || codePoint > 0x10ffff) {
            return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

// A file that is not valid UTF-8 is Latin-1, byte for code point.
std::string ToUtf8(std::string_view bytes) {
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xc0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3f));
        }
    }
    return out;
}

// A UTF-8 text of more than `longest` code points is cut to its first
// `kept` and "…".
std::string CutToCodePoints(std::string_view s, std::size_t longest, std::size_t kept) {
    std::size_t i = 0;
    std::size_t cut = 0;
    for (std::size_t n = 0; i < s.size(); ++n) {
        if (n == kept)
            cut = i;
        if (n == longest)
            return std::string(s.substr(0, cut)) + "…";
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xc0) == 0x80)
            ++i;
    }
    return std::string(s);
}

std::string LowerAscii(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

// [+-] digits [. digits] [(e|E) [+-] digits], at least one mantissa digit:
// stricter than a typed field, so "5E", "." and blanks inside do not pass.
bool IsDataNumber(std::string_view t) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < t.size() && t[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == t.size();
}

// A title that runs on is cut to a name a list can show. The cut name stays
// well below the limit, also with " (2)" added, so that a table written by
// WriteMaterialTable reads back under the same name.
constexpr std::size_t kLongestName = 100;
constexpr std::size_t kCutName = 64;
// A field quoted in a message.
constexpr std::size_t kLongestQuotedText = 40;

std::string Quoted(std::string_view field) {
    return CutToCodePoints(field, kLongestQuotedText, kLongestQuotedText - 1);
}

// Reads the fields of one line as numbers; fills `error` on the first that
// is not one.
bool ReadNumbers(const std::vector<std::string_view>& fields, int line, std::vector<long double>& values,
                 TableError& error) {
    values.clear();
    for (const std::string_view field : fields) {
        if (!IsDataNumber(field)) {
            error = {TableFault::NotANumber, line, Quoted(field)};
            return false;
        }
        const std::optional<long double> value = ParseNumber(field, ".");
        if (!value || !std::isfinite(*value)) {
            error = {TableFault::NumberTooLarge, line, Quoted(field)};
            return false;
        }
        values.push_back(*value);
    }
    return true;
}

bool IsPermeabilityTitles(const std::vector<std::string_view>& fields) {
    if (fields.size() != 3)
        return false;
    const std::string mu = LowerAscii(fields[0]);
    // "µ" as MICRO SIGN or GREEK SMALL LETTER MU, or spelt in ASCII.
    return (mu == "\xc2\xb5i" || mu == "\xce\xbci" || mu == "ui" || mu == "mui") && LowerAscii(fields[1]) == "br" &&
           LowerAscii(fields[2]) == "hc";
}

std::variant<MaterialTable, TableError> ReadDecoded(std::string_view text) {
    LineCursor lines(text);
    MaterialTable table;

    const std::optional<std::string_view> title = NextFilledLine(lines);
    if (!title)
        return TableError{TableFault::Empty, 1, {}};
    const std::vector<std::string_view> titleFields = Fields(*title); // empty for ",,"
    std::string name =
        titleFields.empty() ? std::string() : CutToCodePoints(titleFields.front(), kLongestName, kCutName - 1);
    std::replace(name.begin(), name.end(), '\t', ' ');
    if (name.empty())
        return TableError{TableFault::NoName, lines.number(), {}};
    table.name = std::move(name);

    const std::optional<std::string_view> titles = NextFilledLine(lines);
    if (!titles || !IsPermeabilityTitles(Fields(*titles))) {
        return TableError{TableFault::NoPermeabilityTitles, lines.number() + (titles ? 0 : 1), {}};
    }

    std::vector<long double> values;
    TableError error;
    const std::optional<std::string_view> constants = NextFilledLine(lines);
    if (!constants)
        return TableError{TableFault::NoPermeabilityValues, lines.number() + 1, {}};
    const std::vector<std::string_view> constantFields = Fields(*constants);
    if (constantFields.size() != 3)
        return TableError{TableFault::NoPermeabilityValues, lines.number(), {}};
    if (!ReadNumbers(constantFields, lines.number(), values, error))
        return error;
    table.initialPermeability = values[0];
    table.remanence = values[1];
    table.coercivity = values[2];

    const std::optional<std::string_view> columns = NextFilledLine(lines);
    const std::vector<std::string_view> columnFields = columns ? Fields(*columns) : std::vector<std::string_view>{};
    if (columnFields.empty() || !LowerAscii(columnFields.front()).starts_with("frequency")) {
        return TableError{TableFault::NoColumnTitles, lines.number() + (columns ? 0 : 1), {}};
    }

    while (const std::optional<std::string_view> row = NextFilledLine(lines)) {
        const int line = lines.number();
        const std::vector<std::string_view> fields = Fields(*row);
        if (fields.size() != 3)
            return TableError{TableFault::WrongFieldCount, line, {}};
        if (!ReadNumbers(fields, line, values, error))
            return error;
        const PermeabilityRow read{values[0], values[1], values[2]};
        if (!(read.frequency > 0))
            return TableError{TableFault::FrequencyNotPositive, line, {}};
        if (!table.rows.empty() && !(read.frequency > table.rows.back().frequency)) {
            return TableError{TableFault::FrequencyNotIncreasing, line, {}};
        }
        if (read.muImag < 0)
            return TableError{TableFault::NegativeLoss, line, {}};
        table.rows.push_back(read);
    }
    if (table.rows.size() < 2)
        return TableError{TableFault::TooFewRows, lines.number() + 1, {}};
    return table;
}

// Text ids of the problems, in the order of TableFault.
constexpr std::array<int, 14> kFaultTexts{2412, 2413, 2414, 2415, 2416, 2417, 2418,
                                          2419, 2420, 2421, 2422, 2423, 2424, 2425};
static_assert(kFaultTexts.size() == static_cast<std::size_t>(TableFault::TooFewRows) + 1);
constexpr int kNotImportedText = 2410; // "The file "%1" was not imported."
constexpr int kLineText = 2411;        // "Line %1: "

std::string NumberText(long double x) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::variant<MaterialTable, TableError> ReadMaterialTable(std::string_view bytes) {
    if (bytes.size() > kMaxTableBytes)
        return TableError{TableFault::TooLarge, 0, {}};
    if (bytes.starts_with("\xef\xbb\xbf"))
        bytes.remove_prefix(3);
    if (const std::optional<int> line = BinaryLine(bytes))
        return TableError{TableFault::NotText, *line, {}};
    return ReadDecoded(ToUtf8(bytes));
}

std::string TableErrorMessage(const TableError& error, std::string_view fileName, Language language) {
    std::string message = FillText(LoadText(kNotImportedText, language), {fileName});
    message += ' ';
    if (error.line > 0) {
        message += FillText(LoadText(kLineText, language), {std::to_string(error.line)});
    }
    message += FillText(LoadText(kFaultTexts[static_cast<std::size_t>(error.fault)], language), {error.text});
    return message;
}

std::string WriteMaterialTable(const MaterialTable& table) {
    // Quoted, so that a name that begins and ends with quotes keeps them.
    std::string out = '"' + table.name + "\",,\n\xc2\xb5i,Br,Hc\n";
    out += NumberText(table.initialPermeability) + ',' + NumberText(table.remanence) + ',' +
           NumberText(table.coercivity) + '\n';
    out += "Frequency(Hz),\xc2\xb5',\xc2\xb5''\n";
    for (const PermeabilityRow& row : table.rows) {
        out += NumberText(row.frequency) + ',' + NumberText(row.muReal) + ',' + NumberText(row.muImag) + '\n';
    }
    return out;
}

std::string FreeMaterialName(std::string_view wanted, std::span<const std::string> namesInUse) {
    const auto taken = [&](std::string_view name) {
        return std::find(namesInUse.begin(), namesInUse.end(), name) != namesInUse.end();
    };
    if (!taken(wanted))
        return std::string(wanted);
    // At most namesInUse.size() candidates can be taken, so this ends.
    for (std::size_t n = 2;; ++n) {
        std::string candidate = std::string(wanted) + " (" + std::to_string(n) + ")";
        if (!taken(candidate))
            return candidate;
    }
}

} // namespace torvex
