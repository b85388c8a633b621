// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "format/number_reader.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace torvex {
namespace {

struct Accepted {
    const char* text;
    const char* separator;
    long double expected;
};

TEST(ReadNumberFieldTest, AcceptsTheWholeGrammar) {
    // clang-format off
    const Accepted cases[] = {
        {"", ",", 0.0L},
        {"12", ",", 12.0L},
        {" 12 ", ",", 12.0L},
        {"   -2,5e+1  ", ",", -25.0L},
        {"+3", ",", 3.0L},
        {"007", ",", 7.0L},
        {"0,5", ",", 0.5L},
        {"0.5", ".", 0.5L},
        {",5", ",", 0.5L},
        {".5", ".", 0.5L},
        {"5,", ",", 5.0L},
        // A lone separator reads 0, with or without sign or exponent.
        {",", ",", 0.0L},
        {"-,", ",", 0.0L},
        {",e7", ",", 0.0L},
        // The exponent may lack digits, even after its sign.
        {"5E", ",", 5.0L},
        {"5e", ",", 5.0L},
        {"5E+", ",", 5.0L},
        {"5e-", ",", 5.0L},
        {"1e", ",", 1.0L},
        {"1,e", ",", 1.0L},
        {"1,5e", ",", 1.5L},
        {"1,5E2", ",", 150.0L},
        {"2.5e-3", ".", 2.5e-3L},
        // Read to long double precision, not double.
        {"0,1", ",", 0.1L},
        {"1e4900", ",", 1e4900L},
        // Too small for long double reads 0.
        {"1e-5000", ",", 0.0L},
        {"-1e-99999999999999999999", ",", 0.0L},
        {"0e99999999999999999999", ",", 0.0L},
        // The separator is compared as text, whatever its length.
        {"1\u066B5", "\u066B", 1.5L},
        // An empty separator stands for ".".
        {"1.5", "", 1.5L},
    };
    // clang-format on
    for (const Accepted& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "' with '" + c.separator + "'");
        EXPECT_EQ(ReadNumberField(c.text, c.separator), c.expected);
    }
}

struct Rejected {
    const char* text;
    const char* separator;
};

TEST(ReadNumberFieldTest, RejectsEverythingElseWithTheTextInTheMessage) {
    // clang-format off
    const Rejected cases[] = {
        {"-", ","},      {"+", ","},       {"e5", ","},     {"E", ","},
        {",,", ","},     {"1,,5", ","},    {"1,5,", ","},   {"1.5", ","},
        {"1,5", "."},    {"\t12", ","},    {"12\t", ","},   {"12\n", ","},
        {"1 2", ","},    {"1 ,5", ","},    {"1e 5", ","},   {"1e5e", ","},
        {"1e+-5", ","},  {"--1", ","},     {"+-1", ","},    {"- 1", ","},
        {"0x10", ","},   {"inf", ","},     {"nan", ","},    {"abc", ","},
        {"   ", ","},    {"\u0661", ","},  {"1\u00A0", ","},
        // Too large for long double.
        {"1e5000", ","}, {"-1e5000", ","}, {"1e99999999999999999999", ","},
    };
    // clang-format on
    for (const Rejected& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "' with '" + c.separator + "'");
        EXPECT_FALSE(ParseNumber(c.text, c.separator).has_value());
        try {
            ReadNumberField(c.text, c.separator);
            ADD_FAILURE() << "no error";
        } catch (const CalcError& e) {
            EXPECT_EQ(e.kind(), CalcError::Kind::Conversion);
            EXPECT_EQ(e.message(), std::string("'") + c.text + "' ist kein gültiger Fließkommawert");
        }
    }
}

TEST(ReadNumberFieldTest, MessageQuotesTheWholeTextEvenPastANul) {
    // A pasted text can hold a NUL; the message must still quote all of it.
    const std::string text("1\0"
                           "5",
                           3);
    try {
        ReadNumberField(text, ",");
        FAIL() << "no error";
    } catch (const CalcError& e) {
        EXPECT_EQ(e.message(), "'" + text + "' ist kein gültiger Fließkommawert");
    }
}

TEST(ReadNumberFieldTest, LongDigitRunsStayFast) {
    const std::string run(100000, '3');
    EXPECT_NEAR(static_cast<double>(ReadNumberField("1," + run, ",")), 4.0 / 3.0, 1e-15);
    EXPECT_EQ(ReadNumberField("0," + std::string(99999, '0') + "1e100000", ","), 1.0L);
    EXPECT_EQ(ReadNumberField(std::string(100000, '0') + "2", ","), 2.0L);
    EXPECT_FALSE(ParseNumber(std::string(100000, '9'), ",").has_value());
    EXPECT_EQ(ParseNumber("1e-" + run, ","), 0.0L);
    EXPECT_FALSE(ParseNumber(run + ",," + run, ",").has_value());
}

} // namespace
} // namespace torvex
