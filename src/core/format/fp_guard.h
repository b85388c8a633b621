// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace torvex {

// Watches the floating-point status flags over one step of a calculation.
// An overflow, a division by zero or an invalid operation anywhere inside the
// step counts as a fault, and so does a domain or pole error that a library
// function reports in errno alone; underflow and inexact results do not.
class FpGuard {
public:
    FpGuard();            // clears the flags and errno
    bool faulted() const; // a fault since construction or reset()
    void reset();
    // Throws CalcError::floatingPoint() if faulted(), then resets.
    void check();
};

} // namespace torvex
