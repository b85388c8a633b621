#pragma once

namespace torvex {

// Watches the floating-point status flags over one step of a calculation.
// An overflow, a division by zero or an invalid operation anywhere inside the
// step counts as a fault; underflow and inexact results do not.
class FpGuard {
public:
    FpGuard();                // clears the flags
    bool faulted() const;     // a fault flag was raised since construction or reset()
    void reset();
    // Throws CalcError::floatingPoint() if faulted(), then resets.
    void check();
};

} // namespace torvex
