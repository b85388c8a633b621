// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ferrite/ft_take_over.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "catalogue/ferrite_ft.h"
#include "ferrite/shipped_files.h"
#include "format/number_reader.h"

namespace torvex {

namespace {

// The page's frequency unit positions.
constexpr int kPageHertz = 0;
constexpr int kPageKilohertz = 1;
constexpr int kPageMegahertz = 2;
constexpr int kPageGigahertz = 3;
// The window's.
constexpr int kWindowKilohertz = 0;
constexpr int kWindowMegahertz = 1;

// Turns computed as 11.000000000000000001 are 11, not 12.
constexpr long double kTurnsTolerance = 1e-12L;

std::optional<long double> PositiveNumber(std::string_view text, std::string_view separator) {
    const std::optional<long double> value = ParseNumber(text, separator);
    if (value && std::isfinite(*value) && *value > 0)
        return value;
    return std::nullopt;
}

// A number as a field shows it: up to 15 significant digits, no trailing
// zeros, the locale's separator.
std::string NumberText(long double x, std::string_view separator) {
    std::array<char, 80> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    if (const std::size_t point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, separator.empty() ? std::string_view(".") : separator);
    }
    return text;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace

std::optional<std::string_view> DataMaterialFor(std::string_view pageMaterialName) {
    const std::string_view base = pageMaterialName.substr(0, pageMaterialName.find(" ("));
    for (const ShippedFile& file : ShippedMaterialFiles()) {
        if (file.material == base)
            return file.material;
    }
    return std::nullopt;
}

FtTakeOver TakeOverFtPage(const FtPageState& page, const MaterialList& materials, const Settings& settings) {
    FtTakeOver take;
    const std::string_view separator = settings.decimalSeparator;
    if (page.size >= 0 && static_cast<std::size_t>(page.size) < FtSizeTable.size())
        take.size = page.size;

    if (page.material >= 0 && static_cast<std::size_t>(page.material) < FtMaterialTable.size()) {
        if (const std::optional<std::string_view> data =
                DataMaterialFor(FtMaterialTable[static_cast<std::size_t>(page.material)].name)) {
            take.material = materials.find(*data);
        }
    }

    if (PositiveNumber(page.typedTurns, separator)) {
        take.turns = std::string(Trim(page.typedTurns));
    } else if (std::isfinite(page.computedTurns) && page.computedTurns > 0) {
        const long double whole = std::max(1.0L, std::ceil(page.computedTurns * (1 - kTurnsTolerance)));
        take.turns = NumberText(whole, separator);
    }

    if (const std::optional<long double> f = PositiveNumber(page.frequency, separator)) {
        switch (page.frequencyUnit) {
        case kPageHertz:
            take.frequency = NumberText(*f / 1e3L, separator);
            take.frequencyUnit = kWindowKilohertz;
            break;
        case kPageKilohertz:
            take.frequency = std::string(Trim(page.frequency));
            take.frequencyUnit = kWindowKilohertz;
            break;
        case kPageMegahertz:
            take.frequency = std::string(Trim(page.frequency));
            take.frequencyUnit = kWindowMegahertz;
            break;
        case kPageGigahertz:
            take.frequency = NumberText(*f * 1e3L, separator);
            take.frequencyUnit = kWindowMegahertz;
            break;
        default:
            break;
        }
    }
    return take;
}

} // namespace torvex
