// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace torvex {

// The two ways a recompute can fail. The message texts are the ones the
// program has always shown, in German in both interface languages.
class CalcError : public std::runtime_error {
public:
    enum class Kind { Conversion, FloatingPoint };

    CalcError(Kind kind, std::string message)
        : std::runtime_error(message), m_kind(kind), m_message(std::move(message)) {}

    Kind kind() const noexcept { return m_kind; }
    // The whole message; what() would end at a NUL inside a typed text.
    const std::string& message() const noexcept { return m_message; }

    // "'<text>' ist kein gültiger Fließkommawert"
    static CalcError conversion(std::string_view offendingText);
    // "Fehler bei Fließkommaoperation"
    static CalcError floatingPoint();

private:
    Kind m_kind;
    std::string m_message;
};

} // namespace torvex
