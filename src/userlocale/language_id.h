// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

// The user's language as a Windows language identifier (1031 German of
// Germany, 1033 US English, ...): the program starts in German for every
// identifier whose low byte is 07 and in US units only for 1033. Qt-free and
// free of the engine, so the program and the tests share one definition.
namespace torvex {

// The identifier of a POSIX locale name such as "de_CH.UTF-8" or
// "en_GB@euro": German and English territories map to their own identifiers
// (de_DE 1031, de_CH 2055, de_AT 3079, de_LU 4103, de_LI 5127, en_US 1033,
// en_GB 2057, ...); other English territories give 2057, other languages
// their primary language with its usual sub-language, unknown ones 4096;
// "C", "POSIX" and empty give 1033. "de-CH" is read like "de_CH".
int LanguageIdFromLocaleName(std::string_view posixName);

// The identifier of the user's language: on Windows the system's user default
// (GetUserDefaultLangID); elsewhere that of the messages locale named by
// LC_ALL, then LC_MESSAGES, then LANG (the first one set and not empty).
int UserLanguageId();

} // namespace torvex
