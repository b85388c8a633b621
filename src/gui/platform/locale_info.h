// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "settings.h"

namespace torvex::gui {

// The Windows-style language identifier of the user's language (1031 German,
// 1033 US English, ...); see torvex::UserLanguageId.
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
