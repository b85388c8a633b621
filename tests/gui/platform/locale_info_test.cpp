// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>

#include "platform/locale_info.h"

using namespace torvex::gui;

class LocaleInfoTest : public QObject {
    Q_OBJECT
private slots:
    void startChoices_data();
    void startChoices();
};

void LocaleInfoTest::startChoices_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("german");
    QTest::addColumn<bool>("usUnits");
    // German for every German territory (low byte 07), US units for US
    // English alone; the bits above the identifier's 16 are not read.
    // clang-format off
    QTest::newRow("1031 Germany") << 1031 << true << false;
    QTest::newRow("2055 Switzerland") << 2055 << true << false;
    QTest::newRow("5127 Liechtenstein") << 5127 << true << false;
    QTest::newRow("1033 United States") << 1033 << false << true;
    QTest::newRow("2057 United Kingdom") << 2057 << false << false;
    QTest::newRow("1036 France") << 1036 << false << false;
    QTest::newRow("1031 with sort bits") << (0x10000 | 1031) << true << false;
    QTest::newRow("1033 with sort bits") << (0x10000 | 1033) << false << true;
    // clang-format on
}

void LocaleInfoTest::startChoices() {
    QFETCH(int, id);
    const LocaleChoices choices = ChoicesFromLanguageId(id);
    QTEST(choices.language == torvex::Language::German, "german");
    QTEST(choices.units == torvex::UnitSystem::Us, "usUnits");
}

QTEST_APPLESS_MAIN(LocaleInfoTest)
#include "locale_info_test.moc"
