#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "support/fake_window_context.h"
#include "support/ui_helpers.h"
#include "tools/copper_resistance_window.h"
#include "widgets/colours.h"

using torvex::gui::CopperResistanceWindow;
using torvex::test::FakeWindowContext;
using torvex::test::choose;
using torvex::test::control;
using torvex::test::labelText;
using torvex::test::retype;

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
    QTest::addColumn<QString>("length");
    QTest::addColumn<int>("lengthUnit");
    QTest::addColumn<QString>("diameter"); // typed mm, or the gauge name in US units
    QTest::addColumn<QString>("temperature");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("prefix"); // empty: hidden
    QTest::addColumn<QString>("warning");
    // R = ((t - 20)·0.0038 + 1) · 0.0175·4·l/(π·D²)
    QTest::newRow("1 m of 1 mm at 20 C") << "." << false << "1" << 0 << "1" << "20" << "22.282" << "m" << "";
    QTest::newRow("at 100 C, comma locale") << "," << false << "1" << 0 << "1.0" << "100" << "29.055" << "m" << "";
    QTest::newRow("at -200 C, accepted") << "." << false << "1" << 0 << "1" << "-200" << "3.654" << "m" << "";
    QTest::newRow("at 250 C, accepted") << "." << false << "1" << 0 << "1" << "250" << "41.756" << "m" << "";
    QTest::newRow("at -200.1 C") << "." << false << "1" << 0 << "1" << "-200.1" << "xxx" << "" << "t < -200 °C";
    QTest::newRow("at 250,1 C, comma locale") << "," << false << "1" << 0 << "1" << "250,1" << "xxx" << ""
                                               << "t > 250 °C";
    QTest::newRow("1000 m of 0.1 mm") << "." << false << "1000" << 0 << "0,1" << "20" << "2.228" << "k" << "";
    QTest::newRow("temperature '-' is 0 C") << "." << false << "1" << 0 << "1" << "-" << "20.588" << "m" << "";
    QTest::newRow("empty temperature is 0 C") << "." << false << "1" << 0 << "1" << "" << "20.588" << "m" << "";
    QTest::newRow("diameter 0") << "." << false << "1" << 0 << "0" << "20" << "xxx" << "" << "";
    QTest::newRow("100 ft of gauge 20") << "." << true << "100" << 0 << "20" << "20" << "1.031" << "" << "";
    QTest::newRow("100 yd of gauge 20") << "." << true << "100" << 1 << "20" << "20" << "3.092" << "" << "";
    QTest::newRow("10 ft of gauge 40") << "." << true << "10" << 0 << "40" << "20" << "10.652" << "" << "";
}

void CopperResistanceWindowTest::results() {
    QFETCH(QString, separator);
    QFETCH(bool, us);
    QFETCH(QString, diameter);
    QFETCH(QString, prefix);
    FakeWindowContext context(separator, us);
    CopperResistanceWindow w(context);
    w.show();
    auto* diameterField = control<QComboBox>(&w, "ComboBox2");
    if (us)
        choose(diameterField, diameterField->findText(diameter));
    else
        retype(diameterField, diameter);
    QFETCH(int, lengthUnit);
    choose(control<QComboBox>(&w, "ComboBox1"), lengthUnit);
    QFETCH(QString, length);
    retype(control<QLineEdit>(&w, "Edit1"), length);
    QFETCH(QString, temperature);
    retype(control<QLineEdit>(&w, "Edit3"), temperature);

    QVERIFY2(context.recorder().messages.isEmpty(), qPrintable(context.recorder().messages.join('\n')));
    QTEST(labelText(&w, "Label3"), "number");
    QTEST(labelText(&w, "Label12"), "warning");
    auto* prefixLabel = control<QLabel>(&w, "Label9");
    auto* ohm = control<QLabel>(&w, "Label4");
    QCOMPARE(ohm->text(), QStringLiteral("Ω"));
    if (labelText(&w, "Label3") == QLatin1String("xxx"))
        return; // the prefix keeps its state
    QCOMPARE(prefixLabel->isVisible(), !prefix.isEmpty());
    QCOMPARE(prefixLabel->text(), prefix);
    // The ohm sign follows the prefix, or the number when there is none
    // (once the layout has caught up, as it does before the next paint).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int left = prefix.isEmpty() ? control<QLabel>(&w, "Label3")->geometry().right()
                                      : prefixLabel->geometry().right();
    QVERIFY(ohm->x() > left && ohm->x() <= left + 8);
}

void CopperResistanceWindowTest::setsItselfUpFromTheUnitsShown_data() {
    QTest::addColumn<bool>("us");
    QTest::newRow("US units") << true;
    QTest::newRow("metric units") << false;
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
    QTest::newRow("metric to US") << false << true << "1" << "0.000";
    QTest::newRow("US to metric") << true << false << "1" << "xxx";
    QTest::newRow("metric again") << false << false << "1" << "xxx";
    QTest::newRow("US again") << true << true << "1" << "0.000";
    // Emptying an empty field changes nothing, yet the emptied diameter counts.
    QTest::newRow("metric again, length already empty") << false << false << "" << "xxx";
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
    QTest::newRow("length") << "Edit1" << "20" << "x" << kNotANumber.arg("1x");
    QTest::newRow("length, with a warning shown") << "Edit1" << "300" << "x" << kNotANumber.arg("1x");
    QTest::newRow("diameter") << "ComboBox2" << "20" << "x" << kNotANumber.arg("1x");
    // The temperature has no key filter: "." is not the locale's mark.
    QTest::newRow("temperature, point") << "Edit3" << "20" << "." << kNotANumber.arg("20.");
    QTest::newRow("temperature, warning") << "Edit3" << "300" << "a" << kNotANumber.arg("300a");
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
