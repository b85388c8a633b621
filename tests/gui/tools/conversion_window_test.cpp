// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "support/fake_window_context.h"
#include "support/output_checks.h"
#include "tools/conversion_window.h"

using namespace torvex::test;
using torvex::gui::ConversionWindow;

namespace {
const QStringList kOutputs{"Label1", "Label6", "Label2", "Label5", "Label3", "Label13", "Label4"};
} // namespace

class ConversionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheGaugeRowIsComputedAtCreation();
    void results_data();
    void results();
    void notANumberKeepsTheRow_data();
    void notANumberKeepsTheRow();
};

void ConversionWindowTest::onlyTheGaugeRowIsComputedAtCreation() {
    FakeWindowContext context;
    ConversionWindow w(context);
    QCOMPARE(control<QComboBox>(&w, "ComboBox3")->currentText(), QStringLiteral("20"));
    verifyTexts(&w, {"Label1=", "Label6=m", "Label2=", "Label5=in", "Label3=0.812", "Label13=0.031959 in", "Label4="});
}

// Each row shows its result and leaves the others alone. A unit list alone
// recomputes, so it is chosen after typing.
void ConversionWindowTest::results_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("shown");
    // clang-format off
    QTest::newRow("1 yd") << QStringList{"Edit1=1", "ComboBox1#2"} << QStringList{"Label1=91.44", "Label6=cm"};
    QTest::newRow("1 m") << QStringList{"Edit2=1", "ComboBox2#2"} << QStringList{"Label2=1.094", "Label5= yd"};
    // clang-format on
    // d = 10^(-(n + 9.6954)/19.8578) in
    // clang-format off
    QTest::newRow("gauge 0000") << QStringList{"ComboBox3#0"} << QStringList{"Label3=11.686", "Label13=0.460079 in"};
    QTest::newRow("98,6 F") << QStringList{"Edit3=98,6"} << QStringList{"Label4=37.0"};
    // clang-format on
}

void ConversionWindowTest::results() {
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    FakeWindowContext context(",");
    ConversionWindow w(context);
    markUntouched(&w, kOutputs);
    typeFields(&w, typed);
    verifyOutputs(&w, kOutputs, shown);
    QCOMPARE(context.recorder().messages, QStringList());
}

void ConversionWindowTest::notANumberKeepsTheRow_data() {
    QTest::addColumn<QString>("field");
    // clang-format off
    QTest::newRow("imperial") << "Edit1";
    QTest::newRow("metric") << "Edit2";
    QTest::newRow("fahrenheit") << "Edit3";
    // clang-format on
}

void ConversionWindowTest::notANumberKeepsTheRow() {
    QFETCH(QString, field);
    FakeWindowContext context;
    ConversionWindow w(context);
    typeFields(&w, {field + "=12"});
    typeLastKeyMarked(&w, control<QLineEdit>(&w, qPrintable(field)), false, "x", kOutputs);
    QCOMPARE(context.recorder().messages, QStringList{notANumber("12x")});
    verifyOutputs(&w, kOutputs, {});
}

QTEST_MAIN(ConversionWindowTest)
#include "conversion_window_test.moc"
