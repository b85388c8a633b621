// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/calc_error.h"

#include <string>

namespace torvex {

CalcError CalcError::conversion(std::string_view offendingText) {
    std::string message;
    message.reserve(offendingText.size() + 48);
    message += '\'';
    message += offendingText;
    message += "' ist kein gültiger Fließkommawert";
    return CalcError(Kind::Conversion, std::move(message));
}

CalcError CalcError::floatingPoint() { return CalcError(Kind::FloatingPoint, "Fehler bei Fließkommaoperation"); }

} // namespace torvex
