// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "format/fp_guard.h"
#include "format/number_format.h"

namespace torvex {

// Constants of the formulas, in extended precision.
inline constexpr long double kPi = 3.14159265358979323846264338327950288L;
inline constexpr long double kTwoPi = 6.28318530717958647692528676655900577L;

// Runs a calculation as a sequence of steps, each of which either completes
// with finite numbers or ends the calculation with the floating-point error.
// A step begins after its inputs have been read (the number reader may leave
// flags of its own behind) and ends before its outputs are written, so a
// faulted step writes nothing.
class FpSteps {
public:
    void begin() { m_guard.reset(); }

    // Pass every value the step computed, including the products that the
    // display scaling will form, so that the compiler evaluates them before
    // the status flags are read.
    template <class... V> void end(V... values) {
        (Pin(values), ...);
        m_guard.check();
    }

private:
    static void Pin(long double x) {
        volatile long double sink = x;
        static_cast<void>(sink);
    }

    FpGuard m_guard;
};

// The numbers that FormatScaled and FormatLengthScaled print: the value times
// the factor of its row. Handed to FpSteps::end, they catch an overflow of the
// display scaling (a huge negative value falls into the 1e12 row).
inline long double ScaledForDisplay(long double x) { return x * ScaleFactor(x); }
inline long double LengthScaledForDisplay(long double metres) { return metres * LengthScaleFactor(metres); }

} // namespace torvex
