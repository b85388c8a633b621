#pragma once

#include <QString>

#include "settings.h"

namespace torvex::gui {

// The Windows-style language identifier of a POSIX locale name such as
// "de_CH.UTF-8" or "en_GB@euro": German and English territories map to their
// own identifiers (de_DE 1031, de_CH 2055, de_AT 3079, de_LU 4103, de_LI 5127,
// en_US 1033, en_GB 2057, ...); other languages give their primary language
// with its usual sub-language; "C", "POSIX" and empty give 1033.
int LanguageIdFromLocaleName(const QString& posixName);

// The identifier of the user's messages locale: LC_ALL, then LC_MESSAGES,
// then LANG.
int UserDefaultLanguageId();

// What a locale chooses at start: German texts for every locale whose primary
// language is German (Germany, Austria, Switzerland, Luxembourg,
// Liechtenstein), English for all others; US units only for US English.
struct LocaleChoices {
    Language language;
    UnitSystem units;
};
LocaleChoices ChoicesFromLanguageId(int languageId);

// The decimal separator of the user's numeric locale (LC_NUMERIC rules).
QString UserDecimalSeparator();

} // namespace torvex::gui
