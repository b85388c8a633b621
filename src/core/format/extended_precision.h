// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <limits>

// Every digit the program shows is computed in the 80-bit x87 long double (64
// significand bits, 15 exponent bits). Where long double is only a 64-bit
// double, as with MSVC, the last digits of many results would silently
// differ, so such a build is stopped here.
static_assert(std::numeric_limits<long double>::radix == 2 && std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "Torvex needs the 80-bit x87 long double (64 significand bits): build it with GCC (MinGW-w64 on "
              "Windows) or Clang for x86-64, not with MSVC, whose long double is a 64-bit double");
