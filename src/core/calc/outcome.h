// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <utility>

#include "format/calc_error.h"

namespace torvex {

// What one run of a calculator shows, and how it failed. `Shown` has one
// optional field per quantity: a field is set when the run got as far as
// showing it. A failed run keeps the fields set before the failing step and
// leaves the rest empty, so whatever showed them before keeps its old value.
template <class Shown> struct Outcome {
    Shown shown;
    std::optional<CalcError> error;

    bool ok() const { return !error.has_value(); }
};

// Runs `body(shown)`; a CalcError thrown inside ends the run with the fields
// set so far.
template <class Shown, class Body> Outcome<Shown> Calculate(Body&& body) {
    Outcome<Shown> outcome;
    try {
        std::forward<Body>(body)(outcome.shown);
    } catch (const CalcError& e) {
        outcome.error = e;
    }
    return outcome;
}

} // namespace torvex
