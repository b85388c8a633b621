// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace torvex {

// The colour of the paint on a core, part of the maker's colour code, or no
// paint at all.
class PaintColour {
public:
    constexpr PaintColour() = default; // unpainted
    constexpr PaintColour(int r, int g, int b) : m_rgb((r << 16) | (g << 8) | b) {}

    constexpr bool painted() const { return m_rgb >= 0; }
    // 0xRRGGBB of a painted colour; 0 when unpainted.
    constexpr std::uint32_t rgb() const { return painted() ? static_cast<std::uint32_t>(m_rgb) : 0u; }

    constexpr bool operator==(const PaintColour&) const = default;

private:
    std::int32_t m_rgb = -1;
};

inline constexpr PaintColour kUnpainted{};
constexpr PaintColour Paint(int r, int g, int b) { return {r, g, b}; }

// The two halves of a core's colour code, as painted on the ring.
struct ColourCode {
    PaintColour upper, lower;

    constexpr bool operator==(const ColourCode&) const = default;
};

// One core size of a catalogue that also stores inch texts (AMIDON).
// Lengths in mm; the inch texts are the maker's own, not conversions.
struct CoreSizeWithInches {
    std::string_view name;
    long double da, di, h;
    std::string_view daInch, diInch, hInch;
};

// An EPCOS SIFERRIT ring size: as above plus the size part of the ordering code.
struct SiferritSize {
    std::string_view name;
    long double da, di, h;
    std::string_view daInch, diInch, hInch;
    std::string_view sizeCode; // "K38"
};

// A Ferroxcube ring size: the list text and the maker's own dimensions in mm.
struct FerroxcubeSize {
    std::string_view name;
    long double da, di, h;
};

// AMIDON iron-powder mix.
struct IronMix {
    std::string_view name;
    int mu;                          // initial permeability
    std::string_view frequencyRange; // MHz, German decimal comma, shown as stored
    PaintColour upper, lower;        // colour code painted on the core
};

// AMIDON ferrite material with its three frequency ranges in MHz.
struct FtMaterial {
    std::string_view name;
    int mu;
    std::string_view resonant, wideBand, choke;
};

// EPCOS SIFERRIT material.
struct SiferritMaterial {
    std::string_view name;
    std::string_view materialCode; // "830"
    int mu;
    std::string_view applicationGerman, applicationEnglish;
    std::string_view frequencyRange; // one text for both languages
};

// Ferroxcube material with the two halves of its colour code.
struct FerroxcubeMaterial {
    std::string_view name;
    int mu;
    PaintColour upper, lower; // unpainted where the maker gives no colour
};

// AL matrix: rows are sizes, columns materials, in list order; 0 = not made.
template <std::size_t Sizes, std::size_t Materials>
using AlMatrix = std::array<std::array<long double, Materials>, Sizes>;

} // namespace torvex
