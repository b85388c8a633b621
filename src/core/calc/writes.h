#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/catalogue_types.h"
#include "format/calc_error.h"

namespace torvex {

// What a recompute does to one output control. The control is named by its
// object name, which is unique within its window.
enum class Property {
    Text,        // text
    Visible,     // value 0/1
    Enabled,     // value 0/1
    HintEnabled, // value 0/1: whether the control shows its tooltip
    Background,  // value: Rgb or kButtonFace
    FontSize,    // value: point size
};

struct Write {
    std::string_view target; // object name; points at static storage
    Property property = Property::Text;
    std::string text;
    int value = 0;

    bool operator==(const Write&) const = default;
};

// The ordered writes of one recompute. When it failed, `writes` holds what was
// written before the failing step, and every later output keeps its old state.
struct Outcome {
    std::vector<Write> writes;
    std::optional<CalcError> error;

    bool ok() const { return !error.has_value(); }
    // The last text written to `target`, if any.
    std::optional<std::string> text(std::string_view target) const;
    // The last value written to `target` for property `p`, if any.
    std::optional<int> value(std::string_view target, Property p) const;
};

// Collects writes inside a calculator.
class WriteList {
public:
    explicit WriteList(std::vector<Write>& out) : m_out(out) {}
    void text(std::string_view target, std::string t) { m_out.push_back({target, Property::Text, std::move(t), 0}); }
    void visible(std::string_view target, bool on) { m_out.push_back({target, Property::Visible, {}, on}); }
    void enabled(std::string_view target, bool on) { m_out.push_back({target, Property::Enabled, {}, on}); }
    void hintEnabled(std::string_view target, bool on) { m_out.push_back({target, Property::HintEnabled, {}, on}); }
    void background(std::string_view target, Rgb c) { m_out.push_back({target, Property::Background, {}, c}); }
    void fontSize(std::string_view target, int pt) { m_out.push_back({target, Property::FontSize, {}, pt}); }

private:
    std::vector<Write>& m_out;
};

// Runs a calculator body `f(WriteList&)`; a CalcError thrown inside ends it,
// keeping the writes made so far.
template <class F>
Outcome RunCalculation(F&& f) {
    Outcome outcome;
    outcome.writes.reserve(24);
    WriteList list(outcome.writes);
    try {
        f(list);
    } catch (const CalcError& e) {
        outcome.error = e;
    }
    return outcome;
}

// What every calculator may read besides its own inputs.
struct Environment {
    std::string_view decimalSeparator; // the locale's, "," or "." usually; may be empty
    bool usUnits = false;              // inch, foot and AWG shown
    bool english = false;              // interface language
};

} // namespace torvex
