// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file: what a hand-edited value reads as, and that a run
// loses nothing it did not touch.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/settings_store.h"

using torvex::gui::SettingsStore;
using torvex::gui::StoredValues;

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void readers_data();
    void readers();
    void roundTripKeepsUntouchedGroups();
};

// Each row is one line under [g], as a user may have written it.
void SettingsStoreTest::readers_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");    // "-": no text
    QTest::addColumn<int>("number");      // in 0..9; -1: none
    QTest::addColumn<QString>("decimal"); // "-": not a number
    QTest::addColumn<int>("flag");        // 1, 0; -1: none

    // clang-format off
    QTest::newRow("position")        << QByteArray("k=7")           << "7"     << 7  << "7"    << -1;
    QTest::newRow("past the end")    << QByteArray("k=10")          << "10"    << -1 << "10"   << -1;
    QTest::newRow("decimal point")   << QByteArray("k=1.5")         << "1.5"   << -1 << "1.5"  << -1;
    QTest::newRow("exponent")        << QByteArray("k=-2e-3")       << "-2e-3" << -1 << "-2e-3"<< -1;
    QTest::newRow("empty field")     << QByteArray("k=")            << ""      << -1 << ""     << -1;
    QTest::newRow("word")            << QByteArray("k=abc")         << "abc"   << -1 << "-"    << -1;
    QTest::newRow("two points")      << QByteArray("k=1.2.3")       << "1.2.3" << -1 << "-"    << -1;
    QTest::newRow("comma is a list") << QByteArray("k=1,5")         << "-"     << -1 << "-"    << -1;
    QTest::newRow("a Qt type")       << QByteArray("k=@Point(1 2)") << "-"     << -1 << "-"    << -1;
    QTest::newRow("true")            << QByteArray("k=true")        << "true"  << -1 << "-"    << 1;
    QTest::newRow("no key")          << QByteArray("=1")            << "-"     << -1 << "-"    << -1;
    // clang-format on
}

void SettingsStoreTest::readers() {
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, decimal);
    QFETCH(int, flag);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("torvex.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[g]\n" + line + "\n") > 0);
    file.close();
    const StoredValues values = SettingsStore(folder.path()).group(QStringLiteral("g"));
    const QString k = QStringLiteral("k");

    QCOMPARE(values.text(k).value_or(QStringLiteral("-")), text);
    QCOMPARE(values.number(k, 0, 9).value_or(-1), number);
    QCOMPARE(values.decimal(k).value_or(QStringLiteral("-")), decimal);
    QCOMPARE(values.flag(k) ? int(*values.flag(k)) : -1, flag);
    QCOMPARE(values.all().size(), line.startsWith('=') ? 0 : 1);
}

// Texts with what an ini file must escape come back unchanged; a group the
// second run did not store (a window never opened, a later version's
// keys) and keys it did not write again are kept. The folder is made.
void SettingsStoreTest::roundTripKeepsUntouchedGroups() {
    QTemporaryDir parent;
    const QString folder = parent.filePath(QStringLiteral("config/torvex"));
    const QString table = QStringLiteral("Mine,,\nµi,Br,Hc\n\"quoted\"; [x] = y\n");
    auto values = [](std::initializer_list<std::pair<const char*, QVariant>> pairs) {
        StoredValues v;
        for (const auto& [key, value] : pairs)
            v.set(QLatin1String(key), value);
        return v;
    };
    SettingsStore first(folder);
    first.store(QString(), values({{"language", QStringLiteral("English")}}));
    first.store(QStringLiteral("W"),
                values({{"materials", QStringList{table, QStringLiteral("b")}}, {"Edit1", QStringLiteral("1.5")}}));
    first.store(QStringLiteral("Later"), values({{"future", QStringLiteral("yes")}}));
    QVERIFY(first.write());
    SettingsStore second(folder);
    second.store(QStringLiteral("W"), values({{"Edit1", QStringLiteral("2")}}));
    QVERIFY(second.write());

    const SettingsStore third(folder);
    QCOMPARE(third.group(QString()).text(QStringLiteral("language")), QStringLiteral("English"));
    QCOMPARE(third.group(QStringLiteral("W")).texts(QStringLiteral("materials")),
             (QStringList{table, QStringLiteral("b")}));
    QCOMPARE(third.group(QStringLiteral("W")).text(QStringLiteral("Edit1")), QStringLiteral("2"));
    QCOMPARE(third.group(QStringLiteral("Later")).text(QStringLiteral("future")), QStringLiteral("yes"));
    // Nothing but the settings file, no lock or temporary file left.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("torvex.conf")});

    qputenv("XDG_CONFIG_HOME", QFile::encodeName(parent.path()));
    QCOMPARE(SettingsStore::userFolder(), parent.filePath(QStringLiteral("torvex")));
}

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
