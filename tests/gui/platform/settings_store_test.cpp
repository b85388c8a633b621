// The settings file: what reads back, what a damaged or hand-edited file
// gives, and that nothing is lost of what this run did not touch.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/settings_store.h"

using torvex::gui::SettingsStore;
using torvex::gui::StoredValues;

namespace {

QString writeFile(const QTemporaryDir& folder, const QByteArray& bytes) {
    QFile file(folder.filePath(QStringLiteral("torvex.conf")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void readers_data();
    void readers();
    void roundTripKeepsUntouchedGroups();
    void damagedFileReadsWhatItCan();
    void forgettingAndNoFolder();
};

// Each row stores one text under "k" in a file, as a user may have written it.
void SettingsStoreTest::readers_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("text");     // "<none>": no text
    QTest::addColumn<int>("number");       // in 0..9; -1: none
    QTest::addColumn<QString>("decimal");  // "<none>": not a number
    QTest::addColumn<int>("flag");         // 1, 0, -1: none

    const QString none = QStringLiteral("<none>");
    // clang-format off
    QTest::newRow("position")        << QByteArray("k=7")       << "7"    << 7  << "7"    << -1;
    QTest::newRow("past the end")    << QByteArray("k=10")      << "10"   << -1 << "10"   << -1;
    QTest::newRow("negative")        << QByteArray("k=-1")      << "-1"   << -1 << "-1"   << -1;
    QTest::newRow("decimal point")   << QByteArray("k=1.5")     << "1.5"  << -1 << "1.5"  << -1;
    QTest::newRow("exponent")        << QByteArray("k=2e-3")    << "2e-3" << -1 << "2e-3" << -1;
    QTest::newRow("trailing point")  << QByteArray("k=5.")      << "5."   << -1 << "5."   << -1;
    QTest::newRow("empty field")     << QByteArray("k=")        << ""     << -1 << ""     << -1;
    QTest::newRow("word")            << QByteArray("k=abc")     << "abc"  << -1 << none   << -1;
    QTest::newRow("two points")      << QByteArray("k=1.2.3")   << "1.2.3"<< -1 << none   << -1;
    QTest::newRow("comma is a list") << QByteArray("k=1,5")     << none   << -1 << none   << -1;
    QTest::newRow("a Qt type")       << QByteArray("k=@Point(1 2)") << none << -1 << none << -1;
    QTest::newRow("true")            << QByteArray("k=true")    << "true" << -1 << none   << 1;
    QTest::newRow("false")           << QByteArray("k=false")   << "false"<< -1 << none   << 0;
    QTest::newRow("missing")         << QByteArray("other=1")   << none   << -1 << none   << -1;
    // clang-format on
}

void SettingsStoreTest::readers() {
    QFETCH(QByteArray, line);
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(QString, decimal);
    QFETCH(int, flag);
    QTemporaryDir folder;
    QVERIFY(!writeFile(folder, "[g]\n" + line + "\n").isEmpty());
    const StoredValues values = SettingsStore(folder.path()).group(QStringLiteral("g"));
    const QString k = QStringLiteral("k");

    QCOMPARE(values.text(k).value_or(QStringLiteral("<none>")), text);
    QCOMPARE(values.number(k, 0, 9).value_or(-1), number);
    QCOMPARE(values.decimal(k).value_or(QStringLiteral("<none>")), decimal);
    QCOMPARE(values.flag(k) ? int(*values.flag(k)) : -1, flag);
}

// Texts with what an ini file must escape come back unchanged; a group this
// run did not store (a window never opened, a later version's keys) and keys
// it did not write again are kept.
void SettingsStoreTest::roundTripKeepsUntouchedGroups() {
    QTemporaryDir folder;
    const QString table = QStringLiteral("Mine,,\nµi,Br,Hc\n1500,0.1,0.2\n\"quoted\"; [x] = y\n");
    {
        SettingsStore store(folder.path());
        StoredValues program;
        program.set(QStringLiteral("language"), QStringLiteral("English"));
        store.store(QString(), program);
        StoredValues window;
        window.set(QStringLiteral("materials"), QStringList{table, QStringLiteral("second")});
        window.set(QStringLiteral("Edit1"), QStringLiteral("1.5"));
        store.store(QStringLiteral("TForm2"), window);
        StoredValues later;
        later.set(QStringLiteral("future"), QStringLiteral("yes"));
        store.store(QStringLiteral("NewWindow"), later);
        QVERIFY(store.write());
    }
    SettingsStore second(folder.path());
    StoredValues changed;
    changed.set(QStringLiteral("Edit1"), QStringLiteral("2"));
    second.store(QStringLiteral("TForm2"), changed);
    QVERIFY(second.write());

    const SettingsStore third(folder.path());
    QCOMPARE(third.group(QString()).text(QStringLiteral("language")), QStringLiteral("English"));
    const StoredValues window = third.group(QStringLiteral("TForm2"));
    QCOMPARE(window.texts(QStringLiteral("materials")), (QStringList{table, QStringLiteral("second")}));
    QCOMPARE(window.text(QStringLiteral("Edit1")), QStringLiteral("2"));
    QCOMPARE(third.group(QStringLiteral("NewWindow")).text(QStringLiteral("future")), QStringLiteral("yes"));
    // The program writes its settings file and nothing beside it.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("torvex.conf")});
}

void SettingsStoreTest::damagedFileReadsWhatItCan() {
    QTemporaryDir folder;
    static const char kDamaged[] = "\xff\xfe\x00garbage line without equals\n[General\nlanguage=English\n"
                                   "[TabSheet1]\nComboBox2=3\n=no key\n[[[\n\x01\x02\x03\n";
    const QByteArray damaged = QByteArray(kDamaged, sizeof kDamaged - 1) + QByteArray(4096, '\x9c');
    QVERIFY(!writeFile(folder, damaged).isEmpty());
    SettingsStore store(folder.path());
    // Whatever the damage gave, writing makes the file whole again.
    QVERIFY(store.write());
    const SettingsStore again(folder.path());
    for (const QString& group : {QString(), QStringLiteral("TabSheet1")})
        QCOMPARE(again.group(group).all(), store.group(group).all());
}

void SettingsStoreTest::forgettingAndNoFolder() {
    QTemporaryDir folder;
    QVERIFY(!writeFile(folder, "[General]\nlanguage=English\n[TForm2]\nleft=5\n").isEmpty());
    SettingsStore forgetting(folder.path(), true);
    QVERIFY(forgetting.group(QString()).isEmpty());
    StoredValues units;
    units.set(QStringLiteral("units"), QStringLiteral("US"));
    forgetting.store(QString(), units);
    QVERIFY(forgetting.write());
    const SettingsStore after(folder.path());
    QCOMPARE(after.group(QString()).all().keys(), QStringList{QStringLiteral("units")});
    QVERIFY(after.group(QStringLiteral("TForm2")).isEmpty());

    SettingsStore inMemory{QString()};
    inMemory.store(QString(), units);
    QVERIFY(inMemory.write());
    QVERIFY(inMemory.fileName().isEmpty());

    // A folder that does not exist yet is made when the file is written.
    SettingsStore deeper(folder.filePath(QStringLiteral("a/b")));
    deeper.store(QString(), units);
    QVERIFY(deeper.write());
    QVERIFY(QFile::exists(folder.filePath(QStringLiteral("a/b/torvex.conf"))));
}

QTEST_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
