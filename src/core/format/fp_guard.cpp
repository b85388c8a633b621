// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/fp_guard.h"

#include <cerrno>
#include <cfenv>

#include "format/calc_error.h"

namespace torvex {

namespace {
// Underflow and inexact results are ordinary in this arithmetic; only these
// three mean that a number shown afterwards would not be finite or not true.
constexpr int kFaultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
} // namespace

FpGuard::FpGuard() { reset(); }

bool FpGuard::faulted() const {
    if (std::fetestexcept(kFaultFlags) != 0) {
        return true;
    }
    // Some C libraries (MinGW-w64's) report a domain error (the square root
    // or logarithm of a negative number) or a pole error (the logarithm of 0)
    // of their functions only in errno, without the flag. ERANGE also stands
    // for an underflow, which raises the underflow flag wherever it is set.
    return errno == EDOM || (errno == ERANGE && std::fetestexcept(FE_UNDERFLOW) == 0);
}

void FpGuard::reset() {
    std::feclearexcept(kFaultFlags | FE_UNDERFLOW);
    errno = 0;
}

void FpGuard::check() {
    const bool fault = faulted();
    reset();
    if (fault) {
        throw CalcError::floatingPoint();
    }
}

} // namespace torvex
