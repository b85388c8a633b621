#include "format/number_reader.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <new>
#include <string>

namespace torvex {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TakeDigits(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

void SkipBlanks(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
}

// The conversion must not follow the program's locale (the GUI sets LC_ALL
// from the environment), so it runs in a "C" locale of its own, made once.
locale_t ClassicLocale()
{
    static const locale_t locale = [] {
        const locale_t made = newlocale(LC_ALL_MASK, "C", locale_t{});
        if (made == locale_t{}) {
            // The "C" locale is built in; only a lack of memory fails here.
            throw std::bad_alloc();
        }
        return made;
    }();
    return locale;
}

} // namespace

std::optional<long double> ParseNumber(std::string_view text, std::string_view decimalSeparator)
{
    if (decimalSeparator.empty()) {
        decimalSeparator = ".";
    }

    std::size_t pos = 0;
    SkipBlanks(text, pos);

    char sign = '+';
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        sign = text[pos++];
    }

    const std::string_view integerDigits = TakeDigits(text, pos);
    bool hasSeparator = false;
    std::string_view fractionDigits;
    if (text.substr(pos).starts_with(decimalSeparator)) {
        hasSeparator = true;
        pos += decimalSeparator.size();
        fractionDigits = TakeDigits(text, pos);
    }
    if (integerDigits.empty() && !hasSeparator) {
        return std::nullopt;
    }

    char exponentSign = '+';
    std::string_view exponentDigits;
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            exponentSign = text[pos++];
        }
        // May stay empty: "5E" and "5E+" read as 5.
        exponentDigits = TakeDigits(text, pos);
    }

    SkipBlanks(text, pos);
    if (pos != text.size()) {
        return std::nullopt;
    }

    if (integerDigits.empty() && fractionDigits.empty()) {
        // A lone separator, with or without a sign or an exponent.
        return sign == '-' ? -0.0L : 0.0L;
    }

    // The same number in the one form the "C" conversion reads, so nothing
    // beyond the grammar above (hex, "inf", "nan", other separators) gets in.
    std::string plain;
    plain.reserve(integerDigits.size() + fractionDigits.size() + exponentDigits.size() + 6);
    plain += sign;
    plain += integerDigits.empty() ? std::string_view("0") : integerDigits;
    plain += '.';
    plain += fractionDigits;
    if (!exponentDigits.empty()) {
        plain += 'e';
        plain += exponentSign;
        plain += exponentDigits;
    }

    const int savedErrno = errno;
    errno = 0;
    char* end = nullptr;
    const long double value = strtold_l(plain.c_str(), &end, ClassicLocale());
    const bool outOfRange = errno == ERANGE;
    errno = savedErrno;

    if (end != plain.c_str() + plain.size()) {
        return std::nullopt;
    }
    // Too large fails; too small has already become 0 (or the nearest
    // subnormal value), which is what it reads as.
    if (outOfRange && std::isinf(value)) {
        return std::nullopt;
    }
    return value;
}

long double ReadNumberField(std::string_view text, std::string_view decimalSeparator)
{
    if (text.empty()) {
        return 0.0L;
    }
    const std::optional<long double> value = ParseNumber(text, decimalSeparator);
    if (!value) {
        throw CalcError::conversion(text);
    }
    return *value;
}

} // namespace torvex
