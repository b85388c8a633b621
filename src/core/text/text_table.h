#pragma once

#include <string_view>

namespace torvex {

inline constexpr int kGermanOffset = 0;
inline constexpr int kEnglishOffset = 1000;

// The interface text with identifier id + offset (UTF-8), or an empty text
// when the table has no such identifier.
std::string_view LoadText(int id, int offset = 0);

} // namespace torvex
