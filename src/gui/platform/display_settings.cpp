// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/display_settings.h"

namespace torvex::gui {

DisplaySettings::DisplaySettings(QObject* parent) : QObject(parent) {}

DisplaySettings::DisplaySettings(Language language, UnitSystem units, const QString& decimalSeparator, QObject* parent)
    : QObject(parent), m_language(language), m_units(units), m_separator(decimalSeparator),
      m_separatorUtf8(decimalSeparator.toStdString()) {}

void DisplaySettings::setLanguage(Language language) {
    m_language = language;
    emit changed(Change::Language);
}

void DisplaySettings::setUnits(UnitSystem units) {
    m_units = units;
    emit changed(Change::Units);
}

void DisplaySettings::setDecimalSeparator(const QString& separator) {
    m_separator = separator;
    m_separatorUtf8 = separator.toStdString();
    emit changed(Change::DecimalSeparator);
}

} // namespace torvex::gui
