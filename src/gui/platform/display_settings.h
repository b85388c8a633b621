// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "settings.h"

namespace torvex::gui {

// The choices every window follows: the interface language, the measurement
// system and the locale's decimal separator. The main window owns the one
// instance; its menu commands change it, and every window and page follows
// the one `changed` signal.
class DisplaySettings : public QObject {
    Q_OBJECT
public:
    enum class Change { Language, Units, DecimalSeparator };

    // German and metric, without a separator, until the start-up chooses.
    explicit DisplaySettings(QObject* parent = nullptr);
    DisplaySettings(Language language, UnitSystem units, const QString& decimalSeparator, QObject* parent = nullptr);

    Language language() const { return m_language; }
    UnitSystem units() const { return m_units; }
    bool english() const { return m_language == Language::English; }
    bool usUnits() const { return m_units == UnitSystem::Us; }
    const QString& decimalSeparator() const { return m_separator; }

    // Each change is announced, also when the value stays: the menu's
    // commands run in full whatever is shown.
    void setLanguage(Language language);
    void setUnits(UnitSystem units);
    void setDecimalSeparator(const QString& separator);

    // What the engine's calculators read; its separator points into this
    // object, so it is valid until the separator changes.
    torvex::Settings engineSettings() const { return {m_separatorUtf8, m_units, m_language}; }

signals:
    void changed(DisplaySettings::Change what);

private:
    Language m_language = Language::German;
    UnitSystem m_units = UnitSystem::Metric;
    QString m_separator;
    std::string m_separatorUtf8;
};

} // namespace torvex::gui
