// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a page or window shows a calculator's result: one table per result
// type that pairs each text field of the result with the label showing it.

#include <QLabel>
#include <optional>
#include <string>

#include "calc/winding.h"
#include "format/calc_error.h"
#include "platform/platform.h"
#include "widgets/builders.h"

namespace torvex::gui {

using ShownText = std::optional<std::string>;

// A text field of `Shown` and the label of `Owner` that shows it. The winding
// results, which the core pages share, are named by their field in
// WindingShown and read from the result's `winding` part.
template <class Shown, class Owner> struct Binding {
    constexpr Binding(ShownText Shown::*field, QLabel* Owner::*label) : field(field), label(label) {}
    constexpr Binding(ShownText WindingShown::*field, QLabel* Owner::*label) : windingField(field), label(label) {
        static_assert(
            requires(const Shown& shown) { shown.winding; }, "this result has no winding part");
    }

    const ShownText& in(const Shown& shown) const {
        if constexpr (requires { shown.winding; })
            if (windingField)
                return shown.winding.*windingField;
        return shown.*field;
    }

    ShownText Shown::*field = nullptr;
    ShownText WindingShown::*windingField = nullptr;
    QLabel* Owner::*label = nullptr;
};

// Sets the text of every label whose field the result holds; a field the
// calculation did not reach leaves its label as it is.
template <class Shown, class Owner, std::size_t N>
void ShowTexts(const Shown& shown, const Owner& owner, const Binding<Shown, Owner> (&table)[N]) {
    for (const Binding<Shown, Owner>& binding : table)
        if (const ShownText& text = binding.in(shown))
            (owner.*binding.label)->setText(Utf8(*text));
}

// Reports a recompute's failure, once, after all it showed is in place.
inline void ReportFailure(const std::optional<CalcError>& error, ErrorReporter& errors) {
    if (error)
        errors.showError(Utf8(error->message()));
}

} // namespace torvex::gui
