// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QSignalSpy>
#include <QTest>

#include "platform/display_settings.h"

using namespace torvex;
using gui::DisplaySettings;

class DisplaySettingsTest : public QObject {
    Q_OBJECT
private slots:
    void everyChangeIsAnnounced();
};

// The menu's commands run in full even when they choose what is shown, so a
// change is announced whether or not the value differs; the engine reads the
// value that was set.
void DisplaySettingsTest::everyChangeIsAnnounced() {
    DisplaySettings settings;
    QSignalSpy changes(&settings, &DisplaySettings::changed);
    settings.setLanguage(Language::German);
    settings.setLanguage(Language::English);
    settings.setUnits(UnitSystem::Us);
    settings.setUnits(UnitSystem::Us);
    settings.setDecimalSeparator(QStringLiteral(","));
    QList<DisplaySettings::Change> announced;
    for (const QList<QVariant>& change : changes)
        announced << change.at(0).value<DisplaySettings::Change>();
    using C = DisplaySettings::Change;
    QCOMPARE(announced, (QList<C>{C::Language, C::Language, C::Units, C::Units, C::DecimalSeparator}));

    const Settings engine = settings.engineSettings();
    QVERIFY(engine.english() && engine.usUnits());
    QCOMPARE(engine.decimalSeparator, std::string_view(","));
}

QTEST_APPLESS_MAIN(DisplaySettingsTest)
#include "display_settings_test.moc"
