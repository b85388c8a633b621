// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "support/fake_window_context.h"
#include "support/output_checks.h"
#include "tools/copper_resistance_window.h"
#include "widgets/colours.h"

using namespace torvex::test;
using torvex::gui::CopperResistanceWindow;

namespace {
const QString kNotANumber = QStringLiteral("'%1' ist kein gültiger Fließkommawert");

QStringList items(QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}
} // namespace

class CopperResistanceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void setsItselfUpFromTheUnitsShown_data();
    void setsItselfUpFromTheUnitsShown();
    void unitSwitch_data();
    void unitSwitch();
    void notANumberKeepsEveryLabel_data();
    void notANumberKeepsEveryLabel();
};

void CopperResistanceWindowTest::results_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("us");
    QTest::addColumn<QStringList>("typed"); // diameter (typed mm, or a gauge), length unit, length, temperature
    QTest::addColumn<QStringList>("shown"); // resistance, warning, prefix; the prefix shows only when it is set
    // R = ((t - 20)·0.0038 + 1) · 0.0175·4·l/(π·D²)
    // clang-format off
    QTest::newRow("1 m of 1 mm at 100 C, comma locale")
        << "," << false << QStringList{"ComboBox2=1.0", "Edit1=1", "Edit3=100"}
        << QStringList{"Label3=29.055", "Label12=", "Label9=m"};
    QTest::newRow("1000 m of 0.1 mm") << "." << false << QStringList{"ComboBox2=0,1", "Edit1=1000", "Edit3=20"}
                                      << QStringList{"Label3=2.228", "Label12=", "Label9=k"};
    QTest::newRow("100 yd of gauge 20") << "." << true << QStringList{"ComboBox2#23", "ComboBox1#1", "Edit1=100"}
                                        << QStringList{"Label3=3.092", "Label12=", "Label9="};
    // clang-format on
    // Out of range: the prefix keeps its state.
    // clang-format off
    QTest::newRow("at -200.1 C") << "." << false << QStringList{"ComboBox2=1", "Edit1=1", "Edit3=-200.1"}
                                 << QStringList{"Label3=xxx", "Label12=t < -200 °C"};
    // clang-format on
}

void CopperResistanceWindowTest::results() {
    QFETCH(QString, separator);
    QFETCH(bool, us);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    FakeWindowContext context(separator, us);
    CopperResistanceWindow w(context);
    w.show();
    typeFields(&w, typed);
    QCOMPARE(context.recorder().messages, QStringList());
    verifyTexts(&w, shown);
    if (shown.size() < 3)
        return;
    auto* prefix = control<QLabel>(&w, "Label9");
    QCOMPARE(prefix->isVisible(), !prefix->text().isEmpty());
    // The ohm sign follows the prefix, or the number when there is none
    // (once the layout has caught up, as it does before the next paint).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    auto* ohm = control<QLabel>(&w, "Label4");
    const int left =
        prefix->isVisible() ? prefix->geometry().right() : control<QLabel>(&w, "Label3")->geometry().right();
    QVERIFY(ohm->x() > left && ohm->x() <= left + 8);
}

void CopperResistanceWindowTest::setsItselfUpFromTheUnitsShown_data() {
    QTest::addColumn<bool>("us");
    // clang-format off
    QTest::newRow("US units") << true;
    QTest::newRow("metric units") << false;
    // clang-format on
}

// Built at start or later, the window takes the units shown when it is built.
void CopperResistanceWindowTest::setsItselfUpFromTheUnitsShown() {
    QFETCH(bool, us);
    FakeWindowContext context(".", us);
    CopperResistanceWindow w(context);
    auto* diameter = control<QComboBox>(&w, "ComboBox2");
    QCOMPARE(diameter->isEditable(), !us);
    QCOMPARE(diameter->count(), us ? 44 : 0);
    const QStringList lengthUnits = us ? QStringList{"ft", "yd"} : QStringList{"m"};
    QCOMPARE(items(control<QComboBox>(&w, "ComboBox1")), lengthUnits);
    QCOMPARE(labelText(&w, "Label7"), us ? QStringLiteral(" AWG") : QStringLiteral(" mm"));
    QCOMPARE(control<QLabel>(&w, "Label2")->isHidden(), !us);
    // Nothing computed yet.
    QVERIFY(labelText(&w, "Label3").isEmpty());
    QVERIFY(control<QLabel>(&w, "Label9")->isHidden());
    QCOMPARE(control<QLineEdit>(&w, "Edit3")->text(), QStringLiteral("20"));
}

void CopperResistanceWindowTest::unitSwitch_data() {
    QTest::addColumn<bool>("from");
    QTest::addColumn<bool>("to");
    QTest::addColumn<QString>("length"); // typed before the switch
    QTest::addColumn<QString>("result"); // after it, with the length emptied
    // clang-format off
    QTest::newRow("metric to US") << false << true << "1" << "0.000";
    QTest::newRow("US to metric") << true << false << "1" << "xxx";
    QTest::newRow("metric again") << false << false << "1" << "xxx";
    QTest::newRow("US again") << true << true << "1" << "0.000";
    // clang-format on
    // Emptying an empty field changes nothing, yet the emptied diameter counts.
    // clang-format off
    QTest::newRow("metric again, length already empty") << false << false << "" << "xxx";
    // clang-format on
}

void CopperResistanceWindowTest::unitSwitch() {
    QFETCH(bool, from);
    QFETCH(bool, to);
    FakeWindowContext context(",", from);
    CopperResistanceWindow w(context);
    auto* diameter = control<QComboBox>(&w, "ComboBox2");
    if (from)
        choose(diameter, 10);
    else
        retype(diameter, "1");
    QFETCH(QString, length);
    retype(control<QLineEdit>(&w, "Edit1"), length);

    // The window follows the unit command of the main window by itself.
    context.settings().setUnits(to ? torvex::UnitSystem::Us : torvex::UnitSystem::Metric);
    QCOMPARE(diameter->isEditable(), !to);
    QCOMPARE(diameter->count(), to ? 44 : 0);
    QCOMPARE(diameter->currentText(), to ? QStringLiteral("20") : QString());
    QCOMPARE(diameter->palette().color(QPalette::Base), to ? torvex::gui::kListYellow : torvex::gui::kEntryLime);
    const QStringList lengthUnits = to ? QStringList{"ft", "yd"} : QStringList{"m"};
    QCOMPARE(items(control<QComboBox>(&w, "ComboBox1")), lengthUnits);
    QCOMPARE(control<QComboBox>(&w, "ComboBox1")->currentIndex(), 0);
    QCOMPARE(labelText(&w, "Label7"), to ? QStringLiteral(" AWG") : QStringLiteral(" mm"));
    QCOMPARE(control<QLabel>(&w, "Label2")->isHidden(), !to);
    QVERIFY(control<QLineEdit>(&w, "Edit1")->text().isEmpty());
    QTEST(labelText(&w, "Label3"), "result");
    QVERIFY(context.recorder().messages.isEmpty());
    if (!to) {
        // The new line edit of the diameter field is filtered too.
        retype(diameter, "0.5");
        QCOMPARE(diameter->currentText(), QStringLiteral("0,5"));
    }
}

void CopperResistanceWindowTest::notANumberKeepsEveryLabel_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("temperature"); // before the faulty key
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("length, with a warning shown") << "Edit1" << "300" << "x" << kNotANumber.arg("1x");
    QTest::newRow("diameter") << "ComboBox2" << "20" << "x" << kNotANumber.arg("1x");
    // clang-format on
    // The temperature has no key filter: "." is not the locale's mark.
    // clang-format off
    QTest::newRow("temperature, point") << "Edit3" << "20" << "." << kNotANumber.arg("20.");
    // clang-format on
}

void CopperResistanceWindowTest::notANumberKeepsEveryLabel() {
    QFETCH(QString, field);
    QFETCH(QString, temperature);
    FakeWindowContext context(",");
    CopperResistanceWindow w(context);
    retype(control<QComboBox>(&w, "ComboBox2"), "1");
    retype(control<QLineEdit>(&w, "Edit1"), "1");
    retype(control<QLineEdit>(&w, "Edit3"), temperature);
    const QStringList names{"Label3", "Label9", "Label12"};
    QStringList before;
    for (const QString& name : names)
        before << labelText(&w, qPrintable(name));
    const bool prefixShown = !control<QLabel>(&w, "Label9")->isHidden();

    QFETCH(QString, key);
    QFETCH(QString, message);
    context.recorder().messages.clear();
    QTest::keyClicks(w.findChild<QWidget*>(field), key);
    QCOMPARE(context.recorder().messages, QStringList{message});
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(labelText(&w, qPrintable(names[i])), before[i]);
    QCOMPARE(!control<QLabel>(&w, "Label9")->isHidden(), prefixShown);
}

QTEST_MAIN(CopperResistanceWindowTest)
#include "copper_resistance_window_test.moc"
