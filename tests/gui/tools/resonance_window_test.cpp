// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QGroupBox>
#include <QTest>

#include "support/fake_window_context.h"
#include "support/output_checks.h"
#include "tools/resonance_window.h"

using namespace torvex::test;
using torvex::gui::ResonanceWindow;

namespace {
// Per row: first edit, its list, second edit, its list, result, unit label.
const char* const kRow[3][6] = {{"Edit1", "ComboBox1", "Edit2", "ComboBox2", "Label1", "Label2"},
                                {"Edit3", "ComboBox3", "Edit4", "ComboBox4", "Label3", "Label4"},
                                {"Edit5", "ComboBox5", "Edit6", "ComboBox6", "Label5", "Label6"}};
const QStringList kOutputs{"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};

// Types both numbers, then chooses both units: a unit list alone recomputes.
QStringList row(int r, const QString& first, int firstUnit, const QString& second, int secondUnit) {
    return {QString(kRow[r][0]) + "=" + first, QString(kRow[r][2]) + "=" + second,
            QStringLiteral("%1#%2").arg(kRow[r][1]).arg(firstUnit),
            QStringLiteral("%1#%2").arg(kRow[r][3]).arg(secondUnit)};
}
} // namespace

class ResonanceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithItsUnitsAndNoResults();
    void results_data();
    void results();
    void faults_data();
    void faults();
};

void ResonanceWindowTest::startsWithItsUnitsAndNoResults() {
    FakeWindowContext context;
    ResonanceWindow w(context);
    QStringList units;
    for (const auto& r : kRow)
        units << control<QComboBox>(&w, r[1])->currentText() << control<QComboBox>(&w, r[3])->currentText();
    QCOMPARE(units, (QStringList{"µH", "pF", "µH", "kHz", "pF", "kHz"}));
    QCOMPARE(control<QComboBox>(&w, "ComboBox2")->count(), 5);
    QCOMPARE(control<QComboBox>(&w, "ComboBox4")->itemText(3), QStringLiteral("GHz"));
    QCOMPARE(control<QGroupBox>(&w, "GroupBox2")->title(),
             QStringLiteral("--------- L ------------------- f ---------------- C ------------"));
    verifyTexts(&w, {"Label1=", "Label2=MHz", "Label3=", "Label4=pF", "Label5=", "Label6=µH"});
}

// Each row shows its result and unit and leaves the other rows alone.
// Worked examples: f = 1/(2π√(LC)), C = 1/(4π²f²L), L = 1/(4π²f²C).
void ResonanceWindowTest::results_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    // clang-format off
    QTest::newRow("f of 1 uH, 100 pF") << "." << row(0, "1", 1, "100", 0) << QStringList{"Label1=15.915", "Label2=MHz"};
    QTest::newRow("C of 10 uH at 7 MHz") << "," << row(1, "10", 1, "7", 2) << QStringList{"Label3=51.694", "Label4=pF"};
    QTest::newRow("L of 0,1 nF at 3,5 MHz") << "." << row(2, "0,1", 1, "3,5", 2)
                                            << QStringList{"Label5=20.678", "Label6=µH"};
    // clang-format on
    // A zero shows "xxx" and keeps the unit of the result before.
    // clang-format off
    QTest::newRow("L zero") << "." << row(0, "1", 0, "1", 0) + QStringList{"Edit1=0"}
                            << QStringList{"Label1=xxx", "Label2=GHz"};
    // clang-format on
}

void ResonanceWindowTest::results() {
    QFETCH(QString, separator);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    FakeWindowContext context(separator);
    ResonanceWindow w(context);
    markUntouched(&w, kOutputs);
    typeFields(&w, typed);
    verifyOutputs(&w, kOutputs, shown);
    QCOMPARE(context.recorder().messages, QStringList());
}

// A refused text or a failed step reports once per key and keeps the row as
// it was.
void ResonanceWindowTest::faults_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("retyped"); // into the emptied field
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<QStringList>("shown");
    // clang-format off
    QTest::newRow("letter after L") << 0 << "Edit1" << "2x" << QStringList{notANumber("2x")}
                                    << QStringList{"Label1=11.254", "Label2=MHz"};
    // clang-format on
    // A lone "-" does not convert; a negative LC has no square root.
    // clang-format off
    QTest::newRow("negative L") << 0 << "Edit1" << "-1" << QStringList{notANumber("-"), kFloatingPoint}
                                << QStringList{"Label1=xxx", "Label2=MHz"};
    // clang-format on
    // f² beyond the largest number: the row keeps what 1E247 MHz gave.
    // clang-format off
    QTest::newRow("overflow") << 1 << "Edit4" << "1E2470" << QStringList{kFloatingPoint}
                              << QStringList{"Label3=0.000", "Label4=pF"};
    // clang-format on
}

void ResonanceWindowTest::faults() {
    QFETCH(int, row);
    QFETCH(QString, field);
    QFETCH(QString, retyped);
    FakeWindowContext context;
    ResonanceWindow w(context);
    typeFields(&w, ::row(row, "1", 1, "100", row == 0 ? 0 : 2)); // 1 µH (1 nF) with 100 pF (100 MHz)
    context.recorder().messages.clear();
    auto* edit = control<QLineEdit>(&w, qPrintable(field));
    edit->clear();
    QTest::keyClicks(edit, retyped);
    QTEST(context.recorder().messages, "errors");
    QFETCH(QStringList, shown);
    verifyTexts(&w, shown);
    verifyNoNanOrInf(&w);
}

QTEST_MAIN(ResonanceWindowTest)
#include "resonance_window_test.moc"
