#include "format/fp_guard.h"

#include <cfenv>

#include "format/calc_error.h"

namespace torvex {

namespace {
// Underflow and inexact results are ordinary in this arithmetic; only these
// three mean that a number shown afterwards would not be finite or not true.
constexpr int kFaultFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
} // namespace

FpGuard::FpGuard() { reset(); }

bool FpGuard::faulted() const { return std::fetestexcept(kFaultFlags) != 0; }

void FpGuard::reset() { std::feclearexcept(kFaultFlags); }

void FpGuard::check()
{
    const bool fault = faulted();
    reset();
    if (fault) {
        throw CalcError::floatingPoint();
    }
}

} // namespace torvex
