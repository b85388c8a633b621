// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "support/fake_window_context.h"
#include "support/output_checks.h"
#include "tools/al_permeability_window.h"

using namespace torvex::test;
using torvex::gui::AlPermeabilityWindow;

namespace {
const QStringList kOutputs{"Label1", "Label2", "Label3", "Label4", "Label5"};
// 10 turns measuring 2.5 µH on a 12.7/7.15/4.9 mm ring, worked by hand.
const QStringList kRing{"Edit1=10", "Edit2=2.5", "Edit3=12.7", "Edit4=7.15", "Edit5=4.9"};
} // namespace

class AlPermeabilityWindowTest : public QObject {
    Q_OBJECT
private slots:
    void coatingStartsAtZeroInTheLocalesNotation_data();
    void coatingStartsAtZeroInTheLocalesNotation();
    void results_data();
    void results();
    void partialResultsBeforeAnError_data();
    void partialResultsBeforeAnError();
};

void AlPermeabilityWindowTest::coatingStartsAtZeroInTheLocalesNotation_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("coating");
    // clang-format off
    QTest::newRow("comma") << "," << "0,00";
    QTest::newRow("point") << "." << "0.00";
    // clang-format on
}

// Setting the coating is not a change: nothing is computed yet.
void AlPermeabilityWindowTest::coatingStartsAtZeroInTheLocalesNotation() {
    QFETCH(QString, separator);
    FakeWindowContext context(separator);
    AlPermeabilityWindow window(context);
    QVERIFY(window.isHidden());
    QTEST(control<QLineEdit>(&window, "Edit6")->text(), "coating");
    verifyTexts(&window, {"Label1=", "Label2=", "Label3=", "Label4=", "Label5="});
}

void AlPermeabilityWindowTest::results_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    // clang-format off
    QTest::newRow("no coating") << "," << kRing
                                << QStringList{"Label4=25.00", "Label1=13.2", "Label2=29.5", "Label3=2.2", "Label5=44.4"};
    QTest::newRow("0.05 mm coating") << "." << kRing + QStringList{"Edit6=0.05"}
                                     << QStringList{"Label4=25.00", "Label1=12.5", "Label2=29.6", "Label3=2.4",
                                                    "Label5=47.1"};
    // clang-format on
    // A coating of half the height leaves no core.
    // clang-format off
    QTest::newRow("no core left") << "." << kRing + QStringList{"Edit6=2.45"}
                                  << QStringList{"Label4=25.00", "Label1=xxx", "Label2=xxx", "Label3=", "Label5=xxx"};
    // clang-format on
}

void AlPermeabilityWindowTest::results() {
    QFETCH(QString, separator);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    FakeWindowContext context(separator);
    AlPermeabilityWindow window(context);
    typeFields(&window, typed);
    verifyTexts(&window, expected);
    QCOMPARE(context.recorder().messages, QStringList());
    // What the unknown-cores page takes over: the AL shown, the dimensions as typed.
    QCOMPARE(window.alText(), QStringLiteral("25.00"));
    QCOMPARE(window.dimensionTexts().di, separator == "," ? QStringLiteral("7,15") : QStringLiteral("7.15"));
}

// A bad turns or inductance text leaves every label as it was; a bad
// dimension comes after AL is shown.
void AlPermeabilityWindowTest::partialResultsBeforeAnError_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("written");
    // clang-format off
    QTest::newRow("turns") << "Edit1" << notANumber("10x") << QStringList{};
    QTest::newRow("dimension") << "Edit3" << notANumber("12.7x") << QStringList{"Label4=25.00"};
    // clang-format on
}

void AlPermeabilityWindowTest::partialResultsBeforeAnError() {
    QFETCH(QString, field);
    FakeWindowContext context(".");
    AlPermeabilityWindow window(context);
    typeFields(&window, kRing);
    typeLastKeyMarked(&window, control<QLineEdit>(&window, qPrintable(field)), false, "x", kOutputs);
    QFETCH(QString, message);
    QCOMPARE(context.recorder().messages, QStringList{message});
    QFETCH(QStringList, written);
    verifyOutputs(&window, kOutputs, written);
}

QTEST_MAIN(AlPermeabilityWindowTest)
#include "al_permeability_window_test.moc"
