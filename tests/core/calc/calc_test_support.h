#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/writes.h"

namespace torvex::calctest {

inline const Environment kMetric{".", false, false};
inline const Environment kMetricComma{",", false, false};
inline const Environment kUs{".", true, false};
inline const Environment kEnglish{".", false, true};

// Final texts expected after a recompute, by object name.
using Texts = std::vector<std::pair<std::string_view, std::string>>;

inline void ExpectTexts(const Outcome& o, const Texts& expected) {
    for (const auto& [target, text] : expected) {
        EXPECT_EQ(o.text(target).value_or("<not written>"), text) << target;
    }
}

// Object names of the text writes, in the order they were made.
inline std::vector<std::string_view> TextTargets(const Outcome& o) {
    std::vector<std::string_view> targets;
    for (const Write& w : o.writes)
        if (w.property == Property::Text) targets.push_back(w.target);
    return targets;
}

// A non-finite number must never reach a label.
inline void ExpectOnlyFiniteTexts(const Outcome& o) {
    for (const Write& w : o.writes) {
        for (std::string_view bad : {"inf", "nan", "INF", "NAN"}) {
            EXPECT_EQ(w.text.find(bad), std::string::npos) << w.target << " got \"" << w.text << '"';
        }
    }
}

inline void ExpectConversionError(const Outcome& o, std::string_view text) {
    ASSERT_FALSE(o.ok());
    EXPECT_EQ(o.error->kind(), CalcError::Kind::Conversion);
    std::string expected = "'";
    expected.append(text).append("' ist kein gültiger Fließkommawert");
    EXPECT_EQ(o.error->message(), expected);
}

inline void ExpectFloatingPointError(const Outcome& o) {
    ASSERT_FALSE(o.ok());
    EXPECT_EQ(o.error->kind(), CalcError::Kind::FloatingPoint);
    EXPECT_EQ(o.error->message(), "Fehler bei Fließkommaoperation");
    ExpectOnlyFiniteTexts(o);
}

} // namespace torvex::calctest
