// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/locale_info.h"

#include <QLocale>

#include "language_id.h"

#include "platform/platform.h"

namespace torvex::gui {

namespace {

constexpr int kUsEnglish = 1033;
// The primary language is the low byte of an identifier.
constexpr int kPrimaryLanguageMask = 0xFF;
constexpr int kGermanPrimary = 0x07;

} // namespace

int UserDefaultLanguageId() { return torvex::UserLanguageId(); }

LocaleChoices ChoicesFromLanguageId(int languageId) {
    const int id = languageId & 0xFFFF;
    return {(id & kPrimaryLanguageMask) == kGermanPrimary ? Language::German : Language::English,
            id == kUsEnglish ? UnitSystem::Us : UnitSystem::Metric};
}

void PlatformServices::chooseFromLanguageId(int languageId) {
    const LocaleChoices choices = ChoicesFromLanguageId(languageId);
    language = choices.language;
    units = choices.units;
}

QString UserDecimalSeparator() { return QLocale::system().decimalPoint(); }

} // namespace torvex::gui
