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
        : std::runtime_error(std::move(message)), m_kind(kind) {}

    Kind kind() const noexcept { return m_kind; }
    std::string message() const { return what(); }

    // "'<text>' ist kein gültiger Fließkommawert"
    static CalcError conversion(std::string_view offendingText);
    // "Fehler bei Fließkommaoperation"
    static CalcError floatingPoint();

private:
    Kind m_kind;
};

} // namespace torvex
