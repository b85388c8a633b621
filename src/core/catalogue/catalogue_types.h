#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace torvex {

// A colour as 0xRRGGBB, or the window's own face colour.
using Rgb = std::int32_t;
inline constexpr Rgb kButtonFace = -1;

constexpr Rgb MakeRgb(int r, int g, int b) { return (r << 16) | (g << 8) | b; }

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
    Rgb upper, lower;                // colour code of the patch
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

// Ferroxcube material with the two halves of its colour swatch.
struct FerroxcubeMaterial {
    std::string_view name;
    int mu;
    Rgb upper, lower; // kButtonFace where the maker gives no colour
};

// AL matrix: rows are sizes, columns materials, in list order; 0 = not made.
template <std::size_t Sizes, std::size_t Materials>
using AlMatrix = std::array<std::array<long double, Materials>, Sizes>;

} // namespace torvex
