// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shown_fields.h"

namespace torvex::calctest {

inline const Settings kMetric{".", UnitSystem::Metric, Language::German};
inline const Settings kMetricComma{",", UnitSystem::Metric, Language::German};
inline const Settings kUs{".", UnitSystem::Us, Language::German};
inline const Settings kEnglish{".", UnitSystem::Metric, Language::English};

// A result reduced to its fields as texts, so that one table can hold cases
// of different calculators.
struct Seen {
    std::vector<shown::Field> fields;
    std::optional<CalcError> error;

    // The value of a field; a name the result does not have fails the test.
    std::optional<std::string> operator[](std::string_view name) const {
        for (const shown::Field& f : fields)
            if (f.name == name)
                return f.value;
        ADD_FAILURE() << "no field " << name;
        return std::nullopt;
    }
    // The names of the fields set, in the order a run sets them.
    std::vector<std::string_view> set() const {
        std::vector<std::string_view> names;
        for (const shown::Field& f : fields)
            if (f.value)
                names.push_back(f.name);
        return names;
    }
};

template <class Shown> Seen See(const Outcome<Shown>& o) { return {shown::Fields(o.shown), o.error}; }

// Expected field values, by field name.
using Texts = std::vector<std::pair<std::string_view, std::string>>;

inline void ExpectTexts(const Seen& seen, const Texts& expected) {
    for (const auto& [name, text] : expected)
        EXPECT_EQ(seen[name].value_or("<not set>"), text) << name;
}

// A non-finite number must never be shown.
inline void ExpectOnlyFiniteTexts(const Seen& seen) {
    for (const shown::Field& f : seen.fields) {
        if (!f.value)
            continue;
        for (std::string_view bad : {"inf", "nan", "INF", "NAN"})
            EXPECT_EQ(f.value->find(bad), std::string::npos) << f.name << " shows \"" << *f.value << '"';
    }
}

inline void ExpectConversionError(const Seen& seen, std::string_view text) {
    ASSERT_TRUE(seen.error) << "no error";
    EXPECT_EQ(seen.error->kind(), CalcError::Kind::Conversion);
    EXPECT_EQ(seen.error->message(), "'" + std::string(text) + "' ist kein gültiger Fließkommawert");
}

inline void ExpectFloatingPointError(const Seen& seen) {
    ASSERT_TRUE(seen.error) << "no error";
    EXPECT_EQ(seen.error->kind(), CalcError::Kind::FloatingPoint);
    EXPECT_EQ(seen.error->message(), "Fehler bei Fließkommaoperation");
    ExpectOnlyFiniteTexts(seen);
}

} // namespace torvex::calctest
