#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "support/fake_window_context.h"
#include "support/ui_helpers.h"
#include "tools/conversion_window.h"

using torvex::gui::ConversionWindow;
using torvex::test::FakeWindowContext;
using torvex::test::choose;
using torvex::test::control;
using torvex::test::labelText;
using torvex::test::retype;

class ConversionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void gauges_data();
    void gauges();
    void lengths_data();
    void lengths();
    void temperatures_data();
    void temperatures();
    void notANumberKeepsTheRow_data();
    void notANumberKeepsTheRow();
};

void ConversionWindowTest::gauges_data() {
    QTest::addColumn<QString>("gauge");
    QTest::addColumn<QString>("mm");
    QTest::addColumn<QString>("inches");
    // d = 10^(-(n + 9.6954)/19.8578) in; an empty gauge: as created
    QTest::newRow("20, at creation") << "" << "0.812" << "0.031959 in";
    QTest::newRow("0000") << "0000" << "11.686" << "0.460079 in";
    QTest::newRow("0") << "0" << "8.253" << "0.324907 in";
    QTest::newRow("40") << "40" << "0.080" << "0.003144 in";
}

void ConversionWindowTest::gauges() {
    QFETCH(QString, gauge);
    FakeWindowContext context;
    ConversionWindow w(context);
    auto* list = control<QComboBox>(&w, "ComboBox3");
    if (gauge.isEmpty()) {
        // Only the gauge row is computed at creation.
        QCOMPARE(list->currentText(), QStringLiteral("20"));
        QCOMPARE(labelText(&w, "Label1") + labelText(&w, "Label2") + labelText(&w, "Label4"), QString());
        QCOMPARE(labelText(&w, "Label6") + "|" + labelText(&w, "Label5"), QStringLiteral("m|in"));
    } else {
        choose(list, list->findText(gauge));
    }
    QTEST(labelText(&w, "Label3"), "mm");
    QTEST(labelText(&w, "Label13"), "inches");
}

void ConversionWindowTest::lengths_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("unit"); // chosen after typing: the list alone recomputes
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("unitText");
    QTest::newRow("1 yd") << "Edit1" << "1" << 2 << "91.44" << "cm";
    QTest::newRow("1 in") << "Edit1" << "1" << 0 << "2.54" << "cm";
    QTest::newRow("0,5 ft") << "Edit1" << "0,5" << 1 << "15.24" << "cm";
    QTest::newRow("100 mm") << "Edit2" << "100" << 0 << "3.937" << " in";
    QTest::newRow("5 cm") << "Edit2" << "5" << 1 << "1.969" << " in";
    QTest::newRow("1 m") << "Edit2" << "1" << 2 << "1.094" << " yd";
}

void ConversionWindowTest::lengths() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, unit);
    FakeWindowContext context;
    ConversionWindow w(context);
    const bool imperial = field == QLatin1String("Edit1");
    retype(w.findChild<QLineEdit*>(field), typed);
    choose(control<QComboBox>(&w, imperial ? "ComboBox1" : "ComboBox2"), unit);
    QTEST(labelText(&w, imperial ? "Label1" : "Label2"), "number");
    QTEST(labelText(&w, imperial ? "Label6" : "Label5"), "unitText");
    QVERIFY(context.recorder().messages.isEmpty());
}

void ConversionWindowTest::temperatures_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("fahrenheit");
    QTest::addColumn<QString>("celsius");
    // °C = (°F - 32)·5/9
    QTest::newRow("212") << "." << "212" << "100.0";
    QTest::newRow("32") << "." << "32" << "0.0";
    QTest::newRow("-40") << "." << "-40" << "-40.0";
    QTest::newRow("lone minus") << "." << "-" << "-17.8";
    QTest::newRow("empty") << "." << "" << "-17.8";
    QTest::newRow("98.6, comma locale") << "," << "98.6" << "37.0";
}

void ConversionWindowTest::temperatures() {
    QFETCH(QString, separator);
    QFETCH(QString, fahrenheit);
    FakeWindowContext context(separator);
    ConversionWindow w(context);
    auto* field = control<QLineEdit>(&w, "Edit3");
    retype(field, "1");
    retype(field, fahrenheit);
    QTEST(labelText(&w, "Label4"), "celsius");
    QVERIFY(context.recorder().messages.isEmpty());
}

void ConversionWindowTest::notANumberKeepsTheRow_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("labels"); // of the row, unchanged by the faulty key
    QTest::newRow("imperial") << "Edit1" << QStringList{"Label1", "Label6"};
    QTest::newRow("metric") << "Edit2" << QStringList{"Label2", "Label5"};
    QTest::newRow("fahrenheit") << "Edit3" << QStringList{"Label4"};
}

void ConversionWindowTest::notANumberKeepsTheRow() {
    QFETCH(QString, field);
    QFETCH(QStringList, labels);
    FakeWindowContext context;
    ConversionWindow w(context);
    auto* edit = w.findChild<QLineEdit*>(field);
    retype(edit, "12");
    QStringList before;
    for (const QString& name : labels)
        before << labelText(&w, qPrintable(name));
    QTest::keyClicks(edit, "x");
    QCOMPARE(context.recorder().messages, QStringList{"'12x' ist kein gültiger Fließkommawert"});
    for (int i = 0; i < labels.size(); ++i)
        QCOMPARE(labelText(&w, qPrintable(labels[i])), before[i]);
    QCOMPARE(labelText(&w, "Label3"), QStringLiteral("0.812"));
}

QTEST_MAIN(ConversionWindowTest)
#include "conversion_window_test.moc"
