// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Deterministic inputs for the reference test of number reading and
// writing: the same texts and values from every compiler and C library, so
// that a Windows build can be compared with what was recorded on Linux.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex::reference {

__extension__ typedef unsigned __int128 UInt128; // GCC and Clang on x86-64, MinGW too

// splitmix64: the same sequence from every compiler and library, unlike the
// distributions of <random>.
class Random {
public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(std::uint64_t n) { return static_cast<int>(next() % n); }

private:
    std::uint64_t m_state;
};

inline std::string Hex(std::uint64_t value, int digits) {
    std::string text;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        text += "0123456789abcdef"[(value >> shift) & 0xf];
    }
    return text;
}

// FNV-1a, 64 bits.
class Digest {
public:
    void add(std::string_view bytes) {
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

inline Bits BitsOf(long double x) {
    Bits bits;
    std::memcpy(&bits.significand, &x, 8);
    std::memcpy(&bits.signExponent, reinterpret_cast<const char*>(&x) + 8, 2);
    return bits;
}

inline long double FromBits(Bits bits) {
    long double x = 0;
    std::memcpy(&x, &bits.significand, 8);
    std::memcpy(reinterpret_cast<char*>(&x) + 8, &bits.signExponent, 2);
    return x;
}

inline std::string ReadingOf(const std::optional<long double>& value) {
    if (!value) {
        return "-";
    }
    const Bits bits = BitsOf(*value);
    return Hex(bits.signExponent, 4) + ":" + Hex(bits.significand, 16);
}

// One digest for each block of `count` items; `item` gives the text of the
// next one from the generator.
template <class Item> std::vector<std::string> BlockDigests(std::uint64_t seed, int count, int block, Item item) {
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

inline std::string Decimal(UInt128 n) {
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
inline TypedText RandomText(Random& r) {
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
            s = d.substr(0, d.size() - static_cast<std::size_t>(j)) + mark +
                d.substr(d.size() - static_cast<std::size_t>(j));
            tail();
        }
        if (r.below(2) == 0) {
            s.insert(0, 1, '-');
        }
        // clang-format off
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
    // clang-format on
    return t;
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
inline ValueToWrite RandomValue(Random& r) {
    const int kind = r.below(100);
    Bits bits{static_cast<std::uint16_t>(r.below(2) == 0 ? 0 : 0x8000), r.next() | (1ULL << 63)};
    if (kind < 3) { // n + 1/2 for an 18-digit n
        const std::uint64_t n = 100000000000000000ULL + r.next() % 900000000000000000ULL;
        bits = BitsOf((bits.signExponent != 0 ? -1 : 1) * (static_cast<long double>(n) + 0.5L));
    } else if (kind < 98) {
        bits.signExponent |=
            static_cast<std::uint16_t>(16383 + (kind < 93 ? -44 + r.below(111) : -16382 + r.below(32766)));
    } else {
        bits.significand >>= 1 + r.below(63);
    }
    // floor(log2 |x|), then floor(log2 |x| * log10(2)) in integers: floor(log10 |x|) or one less.
    const int biased = bits.signExponent & 0x7fff;
    const int binaryExponent = biased != 0 ? biased - 16383 : std::bit_width(bits.significand) - 1 - 16445;
    const auto decimalExponent = static_cast<int>((std::int64_t{binaryExponent} * 1292913986) >> 32);
    return {FromBits(bits), std::max(0, 18 - decimalExponent)};
}

} // namespace torvex::reference
