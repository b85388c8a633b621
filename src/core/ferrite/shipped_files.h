// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

namespace torvex {

// A material table the program carries, byte for byte as the maker publishes
// it (data/ferrite/fair-rite); generated into the build by embed_files.cmake.
struct ShippedFile {
    std::string_view material; // the name in the material list: "43"
    std::string_view fileName; // "43-Material-Fair-Rite.csv"
    std::string_view bytes;
};

// In the order of the material list: 31, 43, 52, 61, 67, 68, 73, 75, 77, 78.
std::span<const ShippedFile> ShippedMaterialFiles();

} // namespace torvex
