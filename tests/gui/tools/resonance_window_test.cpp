#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include "support/fake_window_context.h"
#include "support/ui_helpers.h"
#include "tools/resonance_window.h"

using torvex::gui::ResonanceWindow;
using torvex::test::FakeWindowContext;
using torvex::test::choose;
using torvex::test::control;
using torvex::test::labelText;
using torvex::test::retype;

namespace {
// Per row: first edit, its list, second edit, its list, result, unit label.
const char* const kRow[3][6] = {{"Edit1", "ComboBox1", "Edit2", "ComboBox2", "Label1", "Label2"},
                                {"Edit3", "ComboBox3", "Edit4", "ComboBox4", "Label3", "Label4"},
                                {"Edit5", "ComboBox5", "Edit6", "ComboBox6", "Label5", "Label6"}};
const QString kNotANumber = QStringLiteral("'%1' ist kein gültiger Fließkommawert");

// Types both numbers, then chooses both units: a unit list alone recomputes.
void fillRow(ResonanceWindow& w, int row, const QString& first, int firstUnit, const QString& second, int secondUnit) {
    retype(control<QLineEdit>(&w, kRow[row][0]), first);
    retype(control<QLineEdit>(&w, kRow[row][2]), second);
    choose(control<QComboBox>(&w, kRow[row][1]), firstUnit);
    choose(control<QComboBox>(&w, kRow[row][3]), secondUnit);
}
} // namespace

class ResonanceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithItsUnitsAndNoResults();
    void results_data();
    void results();
    void zeroShowsXxxInItsRowOnly_data();
    void zeroShowsXxxInItsRowOnly();
    void faults_data();
    void faults();
};

void ResonanceWindowTest::startsWithItsUnitsAndNoResults() {
    FakeWindowContext context;
    ResonanceWindow w(context);
    const QStringList units{"µH", "pF", "µH", "kHz", "pF", "kHz"};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(control<QComboBox>(&w, kRow[i / 2][1 + 2 * (i % 2)])->currentText(), units[i]);
    QCOMPARE(control<QComboBox>(&w, "ComboBox2")->count(), 5);
    QCOMPARE(control<QComboBox>(&w, "ComboBox4")->itemText(3), QStringLiteral("GHz"));
    QCOMPARE(control<QGroupBox>(&w, "GroupBox2")->title(),
             QStringLiteral("--------- L ------------------- f ---------------- C ------------"));
    for (int row = 0; row < 3; ++row)
        QVERIFY(labelText(&w, kRow[row][4]).isEmpty());
    QCOMPARE(labelText(&w, "Label2") + labelText(&w, "Label4") + labelText(&w, "Label6"), QStringLiteral("MHzpFµH"));
}

void ResonanceWindowTest::results_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("firstUnit");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("secondUnit");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    // Worked examples: f = 1/(2π√(LC)), C = 1/(4π²f²L), L = 1/(4π²f²C).
    QTest::newRow("f of 1 uH, 100 pF") << "." << 0 << "1" << 1 << "100" << 0 << "15.915" << "MHz";
    QTest::newRow("f of 1 nH, 1 pF") << "." << 0 << "1" << 0 << "1" << 0 << "5.033" << "GHz";
    QTest::newRow("C of 10 uH at 7 MHz") << "," << 1 << "10" << 1 << "7" << 2 << "51.694" << "pF";
    QTest::newRow("C of 10 uH at 7000 kHz") << "." << 1 << "10" << 1 << "7000" << 1 << "51.694" << "pF";
    QTest::newRow("L of 100 pF at 3.5 MHz, typed point") << "," << 2 << "100" << 0 << "3.5" << 2 << "20.678" << "µH";
    QTest::newRow("L of 0.1 nF at 3,5 MHz, typed comma") << "." << 2 << "0,1" << 1 << "3,5" << 2 << "20.678" << "µH";
}

void ResonanceWindowTest::results() {
    QFETCH(QString, separator);
    QFETCH(int, row);
    QFETCH(QString, first);
    QFETCH(int, firstUnit);
    QFETCH(QString, second);
    QFETCH(int, secondUnit);
    FakeWindowContext context(separator);
    ResonanceWindow w(context);
    fillRow(w, row, first, firstUnit, second, secondUnit);
    QTEST(labelText(&w, kRow[row][4]), "number");
    QTEST(labelText(&w, kRow[row][5]), "unit");
    QVERIFY2(context.recorder().messages.isEmpty(), qPrintable(context.recorder().messages.join('\n')));
    for (int other = 0; other < 3; ++other)
        if (other != row)
            QVERIFY(labelText(&w, kRow[other][4]).isEmpty());
}

void ResonanceWindowTest::zeroShowsXxxInItsRowOnly_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("zeroField"); // 0 or 2: the column in kRow
    QTest::addColumn<QString>("unit");  // of the result before the zero
    QTest::newRow("L zero, f row") << 0 << 0 << "GHz";
    QTest::newRow("C zero, f row") << 0 << 2 << "GHz";
    QTest::newRow("f zero, C row") << 1 << 2 << "nF";
    QTest::newRow("C zero, L row") << 2 << 0 << "mH";
}

void ResonanceWindowTest::zeroShowsXxxInItsRowOnly() {
    QFETCH(int, row);
    QFETCH(int, zeroField);
    QFETCH(QString, unit);
    FakeWindowContext context;
    ResonanceWindow w(context);
    // Results whose units differ from the starting ones, so a kept unit shows.
    fillRow(w, 0, "1", 0, "1", 0);   // 5.033 GHz
    fillRow(w, 1, "1", 2, "10", 1);  // 1 mH at 10 kHz: 253.303 nF
    fillRow(w, 2, "1", 1, "10", 1);  // 1 nF at 10 kHz: 253.303 mH
    retype(control<QLineEdit>(&w, kRow[row][zeroField]), "0");
    QCOMPARE(labelText(&w, kRow[row][4]), QStringLiteral("xxx"));
    QCOMPARE(labelText(&w, kRow[row][5]), unit);
    const QStringList untouched{"5.033", "253.303", "253.303"};
    for (int other = 0; other < 3; ++other)
        if (other != row)
            QCOMPARE(labelText(&w, kRow[other][4]), untouched[other]);
    QVERIFY(context.recorder().messages.isEmpty());
}

void ResonanceWindowTest::faults_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("field");       // column in kRow of the field typed into
    QTest::addColumn<QString>("retyped"); // typed into the emptied field
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unit");
    const QString fp = QStringLiteral("Fehler bei Fließkommaoperation");
    // Not a number: the row keeps what the text before it gave.
    QTest::newRow("letter after L") << 0 << 0 << "2x" << QStringList{kNotANumber.arg("2x")} << "11.254" << "MHz";
    QTest::newRow("letter after f") << 1 << 2 << "7a" << QStringList{kNotANumber.arg("7a")} << "516.945" << "pF";
    QTest::newRow("too large") << 2 << 2 << "1E5000" << QStringList{kNotANumber.arg("1E5000")} << "0.000" << "pH";
    // A lone "-" does not convert; a negative LC has no square root.
    QTest::newRow("negative L, f row") << 0 << 0 << "-1" << QStringList{kNotANumber.arg("-"), fp} << "xxx" << "MHz";
    QTest::newRow("negative L, C row") << 1 << 0 << "-1" << QStringList{kNotANumber.arg("-")} << "-2.533" << "pF";
    // f² beyond the largest number: the row keeps what 1E247 MHz gave.
    QTest::newRow("overflow") << 1 << 2 << "1E2470" << QStringList{fp} << "0.000" << "pF";
}

void ResonanceWindowTest::faults() {
    QFETCH(int, row);
    QFETCH(int, field);
    QFETCH(QString, retyped);
    FakeWindowContext context;
    ResonanceWindow w(context);
    fillRow(w, row, "1", 1, "100", row == 0 ? 0 : 2); // 1 µH (1 nF) with 100 pF (100 MHz)
    context.recorder().messages.clear();
    auto* edit = control<QLineEdit>(&w, kRow[row][field]);
    edit->clear();
    QTest::keyClicks(edit, retyped);
    QTEST(context.recorder().messages, "errors");
    QTEST(labelText(&w, kRow[row][4]), "number");
    QTEST(labelText(&w, kRow[row][5]), "unit");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
        QVERIFY2(!labelText(&w, name).contains(QLatin1String("nan"), Qt::CaseInsensitive) &&
                     !labelText(&w, name).contains(QLatin1String("inf"), Qt::CaseInsensitive),
                 name);
}

QTEST_MAIN(ResonanceWindowTest)
#include "resonance_window_test.moc"
