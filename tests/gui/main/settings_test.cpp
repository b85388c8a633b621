// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Remembered choices: what one run leaves in its settings folder, the next
// start in the same folder shows; a damaged file starts quietly.

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "platform/display_settings.h"
#include "platform/settings_store.h"
#include "started_program.h"
#include "support/ui_helpers.h"
#include "tools/conversion_window.h"
#include "tools/copper_resistance_window.h"
#include "tools/resonance_window.h"

using namespace torvex;
using torvex::test::StartedProgram;

namespace {

constexpr int kGerman = 1031;
constexpr int kT50 = 7; // start selection of ComboBox2

bool writeSettings(const QTemporaryDir& folder, const QByteArray& bytes) {
    QFile file(folder.filePath(QStringLiteral("torvex.conf")));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

gui::StoredValues programGroup(const QTemporaryDir& folder) { return gui::SettingsStore(folder.path()).group({}); }

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void choicesReturnAtTheNextStart();
    void typedTextsFollowTheSeparator_data();
    void typedTextsFollowTheSeparator();
    void damagedSettingsStartQuietly_data();
    void damagedSettingsStartQuietly();
    void resetStartsFromNothing();
    void toolWindowsReturnWhenBuilt();
};

// A fresh user in a German locale switches to English and US units and
// picks T80; the next start shows them. What the locale chose is not kept.
void SettingsTest::choicesReturnAtTheNextStart() {
    QTemporaryDir folder, untouched;
    QString outerDiameter;
    {
        StartedProgram first(kGerman, QStringLiteral(","), folder.path());
        QVERIFY(!first.main()->settings().english() && !first.main()->settings().usUnits());
        QCOMPARE(first.find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("T50"));
        first.action("English1")->trigger();
        first.action("inchfootAWG1")->trigger();
        auto* sizes = first.find<QComboBox>("ComboBox2");
        test::choose(sizes, sizes->findText(QStringLiteral("T80")));
        first.find<QTabWidget>("PageControl1")->setCurrentIndex(5);
        outerDiameter = test::labelText(first.main(), "Label9");
        first.main()->close();
        StartedProgram(kGerman, QStringLiteral(","), untouched.path()).main()->close();
    }
    StartedProgram next(kGerman, QStringLiteral(","), folder.path());
    QVERIFY(next.main()->settings().english() && next.main()->settings().usUnits());
    QVERIFY(next.action("English1")->isChecked() && next.action("inchfootAWG1")->isChecked());
    QCOMPARE(next.find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("T80"));
    QCOMPARE(test::labelText(next.main(), "Label9"), outerDiameter); // recomputed, in inches
    QCOMPARE(next.find<QTabWidget>("PageControl1")->currentIndex(), 5);
    QVERIFY(next.main()->focusWidget() != next.find("ComboBox2")); // not on a page out of sight
    QVERIFY(next.errors.messages.isEmpty());
    QVERIFY(programGroup(folder).text(QStringLiteral("units")));
    QVERIFY(!programGroup(untouched).text(QStringLiteral("language")));
    QVERIFY(!programGroup(untouched).text(QStringLiteral("units")));
}

void SettingsTest::typedTextsFollowTheSeparator_data() {
    QTest::addColumn<QString>("before");   // separator of the first run
    QTest::addColumn<QByteArray>("sheet"); // the page's tab
    QTest::addColumn<QByteArray>("field"); // typed into
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("result"); // computed from it
    QTest::addColumn<QString>("after");     // separator of the next run
    QTest::addColumn<QString>("shown");

    // clang-format off
    QTest::newRow("comma to comma") << "," << QByteArray("TabSheet1") << QByteArray("Edit1") << "1,5" << QByteArray("Label36") << "," << "1,5";
    QTest::newRow("comma to point") << "," << QByteArray("TabSheet1") << QByteArray("Edit1") << "1,5" << QByteArray("Label36") << "." << "1.5";
    QTest::newRow("point to comma") << "." << QByteArray("TabSheet1") << QByteArray("Edit1") << "2.25" << QByteArray("Label36") << "," << "2,25";
    QTest::newRow("editable list")  << "," << QByteArray("TabSheet5") << QByteArray("ComboBox21") << "0,8" << QByteArray("Label170") << "." << "0.8";
    // clang-format on
}

// Stored with ".", shown with the separator of the next start, and the
// page recomputed from it.
void SettingsTest::typedTextsFollowTheSeparator() {
    QFETCH(QString, before);
    QFETCH(QByteArray, sheet);
    QFETCH(QByteArray, field);
    QFETCH(QString, typed);
    QFETCH(QByteArray, result);
    QFETCH(QString, after);
    QFETCH(QString, shown);
    QTemporaryDir folder;
    QString computed;
    {
        StartedProgram first(kGerman, before, folder.path());
        first.showPage(sheet.constData());
        test::retype(first.find(field.constData()), typed);
        computed = test::labelText(first.main(), result.constData());
        first.main()->close();
    }
    StartedProgram next(kGerman, after, folder.path());
    next.showPage(sheet.constData());
    auto* list = next.find<QComboBox>(field.constData());
    QCOMPARE(list ? list->currentText() : next.find<QLineEdit>(field.constData())->text(), shown);
    QCOMPARE(test::labelText(next.main(), result.constData()), computed);
}

void SettingsTest::damagedSettingsStartQuietly_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("size");      // position in ComboBox2
    QTest::addColumn<QString>("edit1"); // shown in the field
    QTest::addColumn<bool>("fails");    // typing it by hand shows a message

    static const char kBinary[] = "\x7f"
                                  "ELF\x02\x01\x00\x00[TabSheet1\n\xff\xfe=\x00\x01\n";
    // clang-format off
    QTest::newRow("unknown keys and groups") << QByteArray("[General]\nlanguage=English\nfuture=1\n[Future]\nx=y\n"
        "[TabSheet1]\nComboBox2=3\nWhatever=1\n") << true << 3 << "" << false;
    QTest::newRow("texts where numbers belong") << QByteArray("[TabSheet1]\nComboBox2=abc\nEdit1=ten\nComboBox9=1.5\n"
        "[TForm2]\nleft=x\ntop=\n") << false << kT50 << "" << false;
    QTest::newRow("positions past the end") << QByteArray("[General]\npage=TabSheet99\n[TabSheet1]\nComboBox2=999\n"
        "ComboBox1=-3\nComboBox9=4\n") << false << kT50 << "" << false;
    QTest::newRow("a later version's values") << QByteArray("[General]\nlanguage=Klingon\nunits=parsecs\n"
        "[TabSheet1]\nComboBox2=@Point(1 2)\nEdit1=1,5\n") << false << kT50 << "" << false;
    QTest::newRow("garbage around a line") << QByteArray("no section\n[[[\n=\nlanguage\n[TabSheet1]]\nEdit1=7\n\t\n")
        << false << kT50 << "7" << false;
    QTest::newRow("binary junk") << QByteArray(kBinary, sizeof kBinary - 1) << false << kT50 << "" << false;
    QTest::newRow("a value the recompute fails on") << QByteArray("[TabSheet1]\nEdit1=-5\nEdit3=7\n")
        << false << kT50 << "-5" << true;
    // clang-format on
}

// The program starts as far as the file allows, with no message.
void SettingsTest::damagedSettingsStartQuietly() {
    QFETCH(QByteArray, file);
    QFETCH(bool, english);
    QFETCH(int, size);
    QFETCH(QString, edit1);
    QFETCH(bool, fails);
    QTemporaryDir folder;
    QVERIFY(writeSettings(folder, file));
    StartedProgram p(kGerman, QStringLiteral(","), folder.path());

    QCOMPARE(p.main()->settings().english(), english);
    QVERIFY(!p.main()->settings().usUnits());
    QCOMPARE(p.find<QComboBox>("ComboBox2")->currentIndex(), size);
    QCOMPARE(p.find<QComboBox>("ComboBox1")->currentIndex(), 2);
    QCOMPARE(p.find<QComboBox>("ComboBox9")->currentIndex(), 1);
    QCOMPARE(p.find<QLineEdit>("Edit1")->text(), edit1);
    QCOMPARE(p.find<QTabWidget>("PageControl1")->currentIndex(), 0);
    QVERIFY(!test::labelText(p.main(), "Label2").isEmpty()); // AL, computed before any failure
    p.main()->close();
    QVERIFY(p.errors.messages.isEmpty());
    test::retype(p.find<QLineEdit>("Edit1"), edit1); // only the restoring is quiet
    QCOMPARE(p.errors.messages.isEmpty(), !fails);
}

// --reset-settings: nothing stored is restored; the file then holds only
// what this run leaves.
void SettingsTest::resetStartsFromNothing() {
    QTemporaryDir folder;
    QVERIFY(writeSettings(folder, "[General]\nlanguage=English\nunits=US\n[TabSheet1]\nComboBox2=3\n[Old]\nx=1\n"));
    {
        StartedProgram p(kGerman, QStringLiteral(","), folder.path(), true);
        QVERIFY(!p.main()->settings().english() && !p.main()->settings().usUnits());
        QCOMPARE(p.find<QComboBox>("ComboBox2")->currentIndex(), kT50);
        p.main()->close();
    }
    const gui::SettingsStore after(folder.path());
    QVERIFY(!after.group({}).text(QStringLiteral("language")));
    QCOMPARE(after.group(QStringLiteral("TabSheet1")).number(QStringLiteral("ComboBox2"), 0, 99), kT50);
    QVERIFY(after.group(QStringLiteral("Old")).isEmpty());
}

// A tool window takes its place and inputs when it is built; a place on no
// screen is left to the window system; a window never built in a run keeps
// what the file holds.
void SettingsTest::toolWindowsReturnWhenBuilt() {
    QTemporaryDir folder;
    QVERIFY(writeSettings(folder, "[TForm5]\nleft=40\ntop=30\nEdit1=2.5\n[TForm4]\nleft=90000\ntop=90000\n"
                                  "[FerriteImpedanceWindow]\nturnsField=3\n"));
    {
        StartedProgram p(kGerman, QStringLiteral(","), folder.path());
        QCOMPARE(p.program->conversion().pos(), QPoint(40, 30));
        QCOMPARE(p.program->conversion().findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("2,5"));
        QVERIFY(!p.program->copper().testAttribute(Qt::WA_Moved));
        p.program->resonance().move(120, 90);
        p.program->resonance().show();
        p.main()->close();
    }
    StartedProgram next(kGerman, QStringLiteral(","), folder.path());
    QCOMPARE(next.program->resonance().pos(), QPoint(120, 90));
    const gui::StoredValues ferrite = gui::SettingsStore(folder.path()).group(QStringLiteral("FerriteImpedanceWindow"));
    QCOMPARE(ferrite.text(QStringLiteral("turnsField")), QStringLiteral("3"));
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
