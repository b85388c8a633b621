// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/system_platform.h"

using namespace torvex;

// Where the program finds its help files, for the layouts it runs in: a
// build tree (help beside the program), an installed prefix (bin/ and
// share/torvex/), and a folder without help.
class HelpLookupTest : public QObject {
    Q_OBJECT
private slots:
    void findsTheHelpFolder_data();
    void findsTheHelpFolder();
};

void HelpLookupTest::findsTheHelpFolder_data() {
    QTest::addColumn<QStringList>("helpFiles"); // relative to the prefix
    QTest::addColumn<QString>("found");         // relative to the prefix

    // clang-format off
    QTest::newRow("beside the program") << QStringList{"bin/torvex11_d.hlp", "bin/torvex11_e.hlp"} << "bin/";
    QTest::newRow("installed") << QStringList{"share/torvex/torvex11_d.hlp", "share/torvex/torvex11_e.hlp"}
                               << "share/torvex/";
    QTest::newRow("one language installed") << QStringList{"share/torvex/torvex11_e.hlp"} << "share/torvex/";
    QTest::newRow("own folder comes first")
        << QStringList{"bin/torvex11_d.hlp", "share/torvex/torvex11_d.hlp", "share/torvex/torvex11_e.hlp"} << "bin/";
    QTest::newRow("other files do not count") << QStringList{"share/torvex/readme.txt"} << "bin/";
    QTest::newRow("no help anywhere") << QStringList{} << "bin/";
    // clang-format on
}

void HelpLookupTest::findsTheHelpFolder() {
    QFETCH(QStringList, helpFiles);
    QFETCH(QString, found);
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QDir root(prefix.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    for (const QString& name : helpFiles) {
        QVERIFY(root.mkpath(QFileInfo(name).path()));
        QFile file(root.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(gui::FindHelpFolder(root.filePath(QStringLiteral("bin")) + QLatin1Char('/')), root.filePath(found));
}

QTEST_MAIN(HelpLookupTest)
#include "help_lookup_test.moc"
