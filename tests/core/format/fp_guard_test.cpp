// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/fp_guard.h"

#include <cfloat>
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "format/calc_error.h"
#include "format/number_format.h"
#include "format/number_reader.h"

namespace torvex {
namespace {

// Operands go through volatile so the compiler cannot fold the operation away.
long double Opaque(long double x) {
    volatile long double v = x;
    return v;
}

struct StepCase {
    const char* name;
    std::function<void()> step;
    bool faults;
};

TEST(FpGuardTest, SeesOverflowDivisionByZeroAndInvalidButNotUnderflow) {
    volatile long double sink = 0;
    // clang-format off
    const StepCase cases[] = {
        {"overflow", [&] { sink = Opaque(1e4900L) * Opaque(1e4900L); }, true},
        {"division by zero", [&] { sink = Opaque(1.0L) / Opaque(0.0L); }, true},
        {"sqrt(-1)", [&] { sink = std::sqrt(Opaque(-1.0L)); }, true},
        {"log(-1)", [&] { sink = std::log(Opaque(-1.0L)); }, true},
        {"log(0)", [&] { sink = std::log(Opaque(0.0L)); }, true},
        {"pow(10, -5000)", [&] { sink = std::pow(Opaque(10.0L), Opaque(-5000.0L)); }, false},
        {"0/0", [&] { sink = Opaque(0.0L) / Opaque(0.0L); }, true},
        {"underflow", [&] { sink = Opaque(1e-4000L) * Opaque(1e-4000L); }, false},
        {"inexact", [&] { sink = Opaque(1.0L) / Opaque(3.0L); }, false},
        // The display scaling of a huge negative value overflows.
        {"scaling -1e4930", [&] { FormatScaled(Opaque(-1e4930L)); }, true},
        {"length scaling -1e4930", [&] { FormatLengthScaled(Opaque(-1e4930L)); }, true},
        // Formatting and reading finite values must leave no fault behind.
        {"format LDBL_MAX", [&] { FormatFixed(Opaque(LDBL_MAX), 0, 3); }, false},
        {"format tiny", [&] { FormatScaled(Opaque(1e-4950L)); }, false},
        {"read 1e4900", [&] { ReadNumberField("1e4900", ","); }, false},
        {"read 1e-5000", [&] { ReadNumberField("1e-5000", ","); }, false},
    };
    // clang-format on
    for (const StepCase& c : cases) {
        FpGuard guard;
        c.step();
        EXPECT_EQ(guard.faulted(), c.faults) << c.name;
    }
}

// The type has 64 significand bits (a static_assert sees to that), but the
// x87 unit rounds to what its control word says; a C runtime that sets it to
// double precision, as Microsoft's does, would cut every result short.
TEST(FpGuardTest, ArithmeticKeepsSixtyFourBits) {
    EXPECT_NE(Opaque(1.0L) + Opaque(0x1p-63L), 1.0L);
    EXPECT_EQ(Opaque(1.0L) + Opaque(0x1p-64L), 1.0L);
}

TEST(FpGuardTest, CheckThrowsOnceAndClears) {
    volatile long double sink = Opaque(1e4900L) * Opaque(1e4900L);
    (void)sink;
    FpGuard stale;
    EXPECT_FALSE(stale.faulted()) << "construction clears earlier flags";

    FpGuard guard;
    sink = Opaque(1.0L) / Opaque(0.0L);
    try {
        guard.check();
        ADD_FAILURE() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.kind(), CalcError::Kind::FloatingPoint);
        EXPECT_EQ(e.message(), "Fehler bei Fließkommaoperation");
    }
    EXPECT_FALSE(guard.faulted());
    EXPECT_NO_THROW(guard.check());
}

} // namespace
} // namespace torvex
