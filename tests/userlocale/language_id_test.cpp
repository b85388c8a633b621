// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "language_id.h"

#include <cstdlib>
#include <utility>

#include <gtest/gtest.h>

namespace torvex {
namespace {

struct NamedLocale {
    const char* name;
    int id;
};

TEST(LanguageIdTest, FromPosixLocaleNames) {
    // Every German territory starts in German (low byte 07), only the United
    // States in US units, other languages with their usual sub-language.
    // clang-format off
    const NamedLocale cases[] = {
        {"de_DE.UTF-8", 1031},      {"de_CH.UTF-8", 2055},  {"de_AT", 3079},          {"de_LU.UTF-8", 4103},
        {"de_LI.UTF-8", 5127},      {"de_BE.UTF-8", 1031},  {"de_DE@euro", 1031},     {"de-CH", 2055},
        {" de_AT.UTF-8\n", 3079},   {"DE_ch", 2055},        {"en_US.UTF-8", 1033},    {"en_GB.ISO-8859-1", 2057},
        {"en_AU.UTF-8", 3081},      {"en_CA", 4105},        {"en_IE.UTF-8@euro", 6153}, {"en_ZA", 7177},
        {"en_IN", 16393},           {"en_NG.UTF-8", 2057},  {"en", 1033},             {"fr_FR.UTF-8", 1036},
        {"fr_CA", 3084},            {"es_ES.UTF-8", 3082},  {"it_IT", 1040},          {"nl_NL", 1043},
        {"ja_JP.eucJP", 1041},      {"zh_TW", 1028},        {"eo.UTF-8", 4096},       {"C", 1033},
        {"C.UTF-8", 1033},          {"POSIX", 1033},        {"", 1033},
    };
    // clang-format on
    for (const NamedLocale& c : cases) {
        EXPECT_EQ(LanguageIdFromLocaleName(c.name), c.id) << "'" << c.name << "'";
    }
}

#ifdef _WIN32

// Windows keeps the user's language in the system, not in the environment:
// the test is told what to expect (scripts/test-windows-engine.sh starts it
// under Wine with a German and with a US English locale).
TEST(UserLanguageIdTest, IsTheSystemsUserDefault) {
    const char* expected = std::getenv("TORVEX_EXPECTED_LANGUAGE_ID");
    if (expected == nullptr) {
        GTEST_SKIP() << "TORVEX_EXPECTED_LANGUAGE_ID names the identifier of this user's language";
    }
    EXPECT_EQ(UserLanguageId(), std::atoi(expected));
}

#else

struct Environment {
    const char* lcAll; // nullptr: unset
    const char* lcMessages;
    const char* lang;
    int id;
};

TEST(UserLanguageIdTest, FollowsLcAllThenLcMessagesThenLang) {
    // clang-format off
    const Environment cases[] = {
        {"de_CH.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", 2055},
        {nullptr, "de_AT.UTF-8", "en_US.UTF-8", 3079},
        {"", "", "en_GB.UTF-8", 2057}, // set but empty counts as unset
        {nullptr, nullptr, "de_DE.UTF-8", 1031},
        {nullptr, nullptr, "en_US.UTF-8", 1033},
        {nullptr, nullptr, nullptr, 1033},
    };
    // clang-format on
    for (const Environment& c : cases) {
        for (const auto& [variable, value] :
             {std::pair{"LC_ALL", c.lcAll}, std::pair{"LC_MESSAGES", c.lcMessages}, std::pair{"LANG", c.lang}}) {
            if (value == nullptr) {
                unsetenv(variable);
            } else {
                setenv(variable, value, 1);
            }
        }
        EXPECT_EQ(UserLanguageId(), c.id) << "LANG " << (c.lang ? c.lang : "unset");
    }
}

#endif

} // namespace
} // namespace torvex
