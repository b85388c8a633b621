// Remembered choices: what one run leaves in its settings folder, the next
// start in the same folder shows; a damaged file starts quietly.

#include <QComboBox>
#include <QDir>
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

// The program's text in a field or in an editable list.
QString fieldText(const StartedProgram& p, const char* name) {
    if (auto* list = p.find<QComboBox>(name))
        return list->currentText();
    auto* field = p.find<QLineEdit>(name);
    return field ? field->text() : QStringLiteral("<missing>");
}

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
    void toolWindowsReturnToTheirPlace();
};

// A fresh user in a German locale; the choices of the menu and a core come
// back, what the program chose from the locale is not kept.
void SettingsTest::choicesReturnAtTheNextStart() {
    QTemporaryDir folder;
    QString outerDiameter;
    {
        StartedProgram first(kGerman, QStringLiteral(","), folder.path());
        QVERIFY(!first.main()->settings().english());
        QVERIFY(!first.main()->settings().usUnits());
        QCOMPARE(first.find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("T50"));
        QCOMPARE(first.find<QComboBox>("ComboBox16")->currentText(), QStringLiteral("TN 10/6/4"));

        first.action("English1")->trigger();
        first.action("inchfootAWG1")->trigger();
        auto* sizes = first.find<QComboBox>("ComboBox2");
        test::choose(sizes, sizes->findText(QStringLiteral("T80")));
        first.find<QTabWidget>("PageControl1")->setCurrentIndex(5);
        outerDiameter = test::labelText(first.main(), "Label9");
        first.main()->close();
        QVERIFY(first.errors.messages.isEmpty());
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("torvex.conf")});

    StartedProgram next(kGerman, QStringLiteral(","), folder.path());
    QVERIFY(next.main()->settings().english());
    QVERIFY(next.main()->settings().usUnits());
    QVERIFY(next.action("English1")->isChecked());
    QVERIFY(next.action("inchfootAWG1")->isChecked());
    QCOMPARE(next.find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("T80"));
    QCOMPARE(test::labelText(next.main(), "Label9"), outerDiameter); // recomputed for T80, in inches
    QCOMPARE(next.find<QTabWidget>("PageControl1")->currentIndex(), 5);
    QVERIFY(next.errors.messages.isEmpty());

    // Never chosen: a German locale's start again follows the locale.
    next.main()->close();
    gui::SettingsStore store(folder.path());
    QVERIFY(store.group(QString()).text(QStringLiteral("language")));
    QTemporaryDir fresh;
    {
        StartedProgram untouched(kGerman, QStringLiteral(","), fresh.path());
        untouched.main()->close();
    }
    QVERIFY(!gui::SettingsStore(fresh.path()).group(QString()).text(QStringLiteral("language")));
    QVERIFY(!gui::SettingsStore(fresh.path()).group(QString()).text(QStringLiteral("units")));
}

void SettingsTest::typedTextsFollowTheSeparator_data() {
    QTest::addColumn<QString>("before");   // separator of the first run
    QTest::addColumn<QByteArray>("field"); // typed into
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("result"); // recomputed from it
    QTest::addColumn<QString>("after");     // separator of the next run
    QTest::addColumn<QString>("shown");

    // clang-format off
    QTest::newRow("iron powder, comma to comma") << "," << QByteArray("Edit1") << "1,5" << QByteArray("Label36") << "," << "1,5";
    QTest::newRow("iron powder, comma to point") << "," << QByteArray("Edit1") << "1,5" << QByteArray("Label36") << "." << "1.5";
    QTest::newRow("iron powder, point to comma") << "." << QByteArray("Edit1") << "2.25" << QByteArray("Label36") << "," << "2,25";
    QTest::newRow("straight wire, editable list") << "," << QByteArray("ComboBox21") << "0,8" << QByteArray("Label170") << "." << "0.8";
    QTest::newRow("resonance window") << "," << QByteArray("Edit1") << "4,7" << QByteArray("Label1") << "," << "4,7";
    // clang-format on
}

// The text goes to the file with "." and comes back with the separator of
// the next start; the calculator shows what it computed from it.
void SettingsTest::typedTextsFollowTheSeparator() {
    QFETCH(QString, before);
    QFETCH(QByteArray, field);
    QFETCH(QString, typed);
    QFETCH(QByteArray, result);
    QFETCH(QString, after);
    QFETCH(QString, shown);
    const bool tool = QByteArray(QTest::currentDataTag()).startsWith("resonance");
    QTemporaryDir folder;
    QString computed;
    {
        StartedProgram first(kGerman, before, folder.path());
        QWidget* root = tool ? static_cast<QWidget*>(&first.program->resonance()) : first.main();
        auto* input = root->findChild<QWidget*>(QLatin1String(field));
        QVERIFY(input);
        if (tool)
            test::retype(root->findChild<QWidget*>(QStringLiteral("Edit2")), QStringLiteral("100"));
        test::retype(input, typed);
        computed = test::labelText(root, result.constData());
        first.main()->close();
    }
    StartedProgram next(kGerman, after, folder.path());
    QWidget* root = tool ? static_cast<QWidget*>(&next.program->resonance()) : next.main();
    auto* input = root->findChild<QWidget*>(QLatin1String(field));
    QVERIFY(input);
    auto* list = qobject_cast<QComboBox*>(input);
    QCOMPARE(list ? list->currentText() : qobject_cast<QLineEdit*>(input)->text(), shown);
    QCOMPARE(test::labelText(root, result.constData()), computed);
    QVERIFY(next.errors.messages.isEmpty());
}

void SettingsTest::damagedSettingsStartQuietly_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("english");
    QTest::addColumn<int>("size");      // position in ComboBox2
    QTest::addColumn<QString>("edit1"); // what the field shows
    QTest::addColumn<bool>("fails");    // typing it by hand shows a message

    static const char kBinary[] = "\x7f"
                                  "ELF\x02\x01\x00\x00[TabSheet1\n\xff\xfe=\x00\x01\n";
    // clang-format off
    QTest::newRow("unknown keys and groups")
        << QByteArray("[General]\nlanguage=English\nfuture=1\n[Future]\nx=y\n[TabSheet1]\nComboBox2=3\nWhatever=1\n")
        << true << 3 << "" << false;
    QTest::newRow("texts where numbers belong")
        << QByteArray("[TabSheet1]\nComboBox2=abc\nEdit1=ten\nComboBox9=1.5\n[TForm2]\nleft=x\ntop=\n")
        << false << kT50 << "" << false;
    QTest::newRow("positions past the end")
        << QByteArray("[General]\npage=TabSheet99\n[TabSheet1]\nComboBox2=999\nComboBox1=-3\nComboBox9=4\n")
        << false << kT50 << "" << false;
    QTest::newRow("a later version's values")
        << QByteArray("[General]\nlanguage=Klingon\nunits=parsecs\n[TabSheet1]\nComboBox2=@Point(1 2)\nEdit1=1,5\n")
        << false << kT50 << "" << false;
    QTest::newRow("garbage around a readable line")
        << QByteArray("no section\n[[[\n=\nlanguage\n[TabSheet1]]\nEdit1=7\n\t\t\n") << false << kT50 << "7" << false;
    QTest::newRow("binary junk") << QByteArray(kBinary, sizeof kBinary - 1) << false << kT50 << "" << false;
    QTest::newRow("a value the recompute fails on")
        << QByteArray("[TabSheet1]\nEdit1=-5\nEdit3=7\n") << false << kT50 << "-5" << true;
    // clang-format on
}

// The program starts as far as the file allows, with no message and no crash.
void SettingsTest::damagedSettingsStartQuietly() {
    QFETCH(QByteArray, file);
    QFETCH(bool, english);
    QFETCH(int, size);
    QFETCH(QString, edit1);
    QFETCH(bool, fails);
    QTemporaryDir folder;
    QVERIFY(writeSettings(folder, file));
    StartedProgram p(kGerman, QStringLiteral(","), folder.path());
    p.program->resonance();
    p.program->copper();

    QCOMPARE(p.main()->settings().english(), english);
    QVERIFY(!p.main()->settings().usUnits());
    QCOMPARE(p.find<QComboBox>("ComboBox2")->currentIndex(), size);
    QCOMPARE(p.find<QComboBox>("ComboBox9")->currentIndex(), 1);
    QCOMPARE(p.find<QComboBox>("ComboBox1")->currentIndex(), 2);
    QCOMPARE(fieldText(p, "Edit1"), edit1);
    QCOMPARE(p.find<QTabWidget>("PageControl1")->currentIndex(), 0);
    // The core's data stand even where the winding failed.
    QVERIFY(!test::labelText(p.main(), "Label2").isEmpty());
    QVERIFY(p.errors.messages.isEmpty());
    p.main()->close();
    QVERIFY(p.errors.messages.isEmpty());
    // Only the restoring is quiet.
    test::retype(p.find<QLineEdit>("Edit1"), edit1);
    QCOMPARE(p.errors.messages.isEmpty(), !fails);
}

// --reset-settings: nothing stored is restored, and the file then holds
// only what this run leaves.
void SettingsTest::resetStartsFromNothing() {
    QTemporaryDir folder;
    QVERIFY(writeSettings(folder, "[General]\nlanguage=English\nunits=US\n[TabSheet1]\nComboBox2=3\n[Old]\nx=1\n"));
    {
        StartedProgram p(kGerman, QStringLiteral(","), folder.path(), true);
        QVERIFY(!p.main()->settings().english());
        QVERIFY(!p.main()->settings().usUnits());
        QCOMPARE(p.find<QComboBox>("ComboBox2")->currentIndex(), kT50);
        p.main()->close();
    }
    const gui::SettingsStore after(folder.path());
    QVERIFY(!after.group(QString()).text(QStringLiteral("language")));
    QCOMPARE(after.group(QStringLiteral("TabSheet1")).number(QStringLiteral("ComboBox2"), 0, 99), kT50);
    QVERIFY(after.group(QStringLiteral("Old")).isEmpty());
}

// A tool window takes its place when it is built; one never built in a run
// keeps what the file holds; a place on no screen is left to the system.
void SettingsTest::toolWindowsReturnToTheirPlace() {
    QTemporaryDir folder;
    QVERIFY(writeSettings(folder, "[TForm5]\nleft=40\ntop=30\nEdit1=2.5\n[TForm4]\nleft=90000\ntop=90000\n"
                                  "[FerriteImpedanceWindow]\nturnsField=3\nleft=7\n"));
    {
        StartedProgram p(kGerman, QStringLiteral(","), folder.path());
        gui::ResonanceWindow& resonance = p.program->resonance();
        resonance.move(120, 90);
        resonance.show();
        QVERIFY(!p.program->copper().testAttribute(Qt::WA_Moved));
        p.main()->close();
    }
    // Closed before the ferrite window was built: nothing of it is lost.
    const gui::StoredValues ferrite = gui::SettingsStore(folder.path()).group(QStringLiteral("FerriteImpedanceWindow"));
    QCOMPARE(ferrite.text(QStringLiteral("turnsField")), QStringLiteral("3"));
    QCOMPARE(ferrite.text(QStringLiteral("left")), QStringLiteral("7"));

    StartedProgram next(kGerman, QStringLiteral(","), folder.path());
    QCOMPARE(next.program->resonance().pos(), QPoint(120, 90));
    QWidget& conversion = next.program->conversion();
    QCOMPARE(conversion.pos(), QPoint(40, 30));
    QCOMPARE(conversion.findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("2,5"));
}

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
