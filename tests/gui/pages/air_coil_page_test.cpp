#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "pages/air_coil_page.h"
#include "support/fake_window_context.h"
#include "support/output_checks.h"
#include "widgets/colours.h"

using namespace torvex;
using namespace torvex::test;

namespace {

const QStringList kTurnsOutputs{"Label104", "Label52", "Label55", "Label178", "Label179"};
const QStringList kInductanceOutputs{"Label57", "Label62"};
const QStringList kStraightOutputs{"Label170"};


// The page as the main window starts it: the unit command's steps for its
// groups, which compute all three once.
struct Setup {
    explicit Setup(const QString& separator, bool usUnits = false) : context(separator, usUnits), page(context) {
        switchUnits(usUnits);
        context.recorder().messages.clear();
    }
    void switchUnits(bool usUnits) {
        context.settings().setUnits(usUnits ? UnitSystem::Us : UnitSystem::Metric);
        page.applyCylinderUnits();
        page.applyStraightUnits();
    }
    FakeWindowContext context;
    gui::AirCoilPage page;
};

void verifyTexts(QWidget* root, const QStringList& expected) {
    for (const QString& e : expected) {
        const QString name = e.section('=', 0, 0);
        QCOMPARE(labelText(root, name.toLatin1().constData()), e.section('=', 1));
    }
}

QColor baseColour(const QWidget* w) { return w->palette().color(QPalette::Base); }

} // namespace

class AirCoilPageTest : public QObject {
    Q_OBJECT
private slots:
    void startTexts();
    void inductance_data();
    void inductance();
    void turns_data();
    void turns();
    void straight_data();
    void straight();
    void skinOptions();
    void unitSwitch();
    void wireFieldFiltersKeysAfterSwitch();
    void errors_data();
    void errors();
    void cleanup();

private:
    std::unique_ptr<Setup> m_setup;
};

void AirCoilPageTest::cleanup() {
    if (m_setup)
        verifyNoNanOrInf(&m_setup->page);
    m_setup.reset();
}

void AirCoilPageTest::startTexts() {
    Setup s(QStringLiteral("."));
    QVERIFY(control<QRadioButton>(&s.page, "RadioButton1")->isChecked());
    // Before the first inductance is computed its unit reads " µH"; with
    // empty fields every group shows "xxx".
    QCOMPARE(labelText(&s.page, "Label62"), QStringLiteral(" µH"));
    verifyTexts(&s.page, {"Label57=xxx", "Label104=xxx", "Label170=xxx"});
}

void AirCoilPageTest::inductance_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("usUnits");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    // Lundin's approximation of Nagaoka's coefficient, worked by hand.
    QTest::newRow("10 turns, 10 x 10 mm") << "." << false << QStringList{"Edit8=10", "Edit9=10", "Edit10=10"}
                                          << QStringList{"Label57=679.448", "Label62=nH"};
    QTest::newRow("10 x 10 mm, comma") << "," << false << QStringList{"Edit8=10", "Edit9=10,0", "Edit10=10.0"}
                                       << QStringList{"Label57=679.448", "Label62=nH"};
    QTest::newRow("long coil") << "." << false << QStringList{"Edit8=10", "Edit9=10", "Edit10=20"}
                               << QStringList{"Label57=403.734", "Label62=nH"};
    QTest::newRow("short coil") << "." << false << QStringList{"Edit8=10", "Edit9=20", "Edit10=10"}
                                << QStringList{"Label57=2.075", "Label62=µH"};
    QTest::newRow("US units, inches") << "." << true << QStringList{"Edit8=10", "Edit9=0.5", "Edit10=1"}
                                      << QStringList{"Label57=512.742", "Label62=nH"};
    // No turns: 0 H.
    QTest::newRow("no turns") << "." << false << QStringList{"Edit9=10", "Edit10=10"}
                              << QStringList{"Label57=0.000", "Label62=H"};
    // No diameter: "xxx", and the unit keeps its start text.
    QTest::newRow("no diameter") << "." << false << QStringList{"Edit8=10", "Edit10=10"}
                                 << QStringList{"Label57=xxx", "Label62= µH"};
    QTest::newRow("zero length") << "." << false << QStringList{"Edit8=10", "Edit9=10", "Edit10=0"}
                                 << QStringList{"Label57=xxx"};
}

void AirCoilPageTest::inductance() {
    QFETCH(QString, separator);
    QFETCH(bool, usUnits);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    m_setup = std::make_unique<Setup>(separator, usUnits);
    typeFields(&m_setup->page, typed);
    verifyTexts(&m_setup->page, expected);
    QCOMPARE(m_setup->context.recorder().messages, QStringList());
}

void AirCoilPageTest::turns_data() {
    QTest::addColumn<bool>("usUnits");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("unit"); // ComboBox11 position
    QTest::addColumn<QStringList>("expected");

    // 1 µH on D 10 mm, length 20 mm: 15.738 turns, 0.49443 m of wire, at
    // most 1.2708 mm wire.
    QTest::newRow("1 uH, 10 x 20 mm") << false << QStringList{"Edit14=1", "Edit15=10", "Edit16=20"} << 1
                                      << QStringList{"Label104= 15.7", "Label52=49.44", "Label55=cm",
                                                     "Label178=1.271", "Label179=mm"};
    QTest::newRow("1000 nH, 10 x 20 mm") << false << QStringList{"Edit14=1000", "Edit15=10", "Edit16=20"} << 0
                                         << QStringList{"Label104= 15.7"};
    // In inches: 13.965 turns, 557.19 mm of wire, 1.8188 mm wire (gauge 14).
    QTest::newRow("US units, 0.5 x 1 in") << true << QStringList{"Edit14=1", "Edit15=0.5", "Edit16=1"} << 1
                                          << QStringList{"Label104= 14.0", "Label52=1.828", "Label55= ft",
                                                         "Label178=14", "Label179= AWG"};
    // No inductance: 0 turns, no wire length, no wire diameter; the wire
    // unit keeps its text.
    QTest::newRow("no inductance") << false << QStringList{"Edit15=10", "Edit16=20"} << 1
                                   << QStringList{"Label104=  0.0", "Label52=0.000", "Label55=m", "Label178=xxx",
                                                  "Label179= cm"};
    QTest::newRow("no inductance, US units") << true << QStringList{"Edit15=0.5", "Edit16=1"} << 1
                                             << QStringList{"Label52=0.000", "Label55= in", "Label178=xxx",
                                                            "Label179= AWG"};
    QTest::newRow("no length") << false << QStringList{"Edit14=1", "Edit15=10"} << 1
                               << QStringList{"Label104=xxx", "Label52=", "Label178=", "Label55= cm",
                                              "Label179= cm"};
}

void AirCoilPageTest::turns() {
    QFETCH(bool, usUnits);
    QFETCH(QStringList, typed);
    QFETCH(int, unit);
    QFETCH(QStringList, expected);
    m_setup = std::make_unique<Setup>(QStringLiteral("."), usUnits);
    choose(control<QComboBox>(&m_setup->page, "ComboBox11"), unit);
    typeFields(&m_setup->page, typed);
    verifyTexts(&m_setup->page, expected);
    QCOMPARE(m_setup->context.recorder().messages, QStringList());
}

void AirCoilPageTest::straight_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("usUnits");
    QTest::addColumn<QString>("diameter"); // typed in mm, or the gauge chosen
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("skin");
    QTest::addColumn<QString>("inductance");

    // 2·l·(ln(4·l/D) − C) nH, l and D in cm, worked by hand.
    QTest::newRow("1 mm, 100 mm") << "." << false << "1" << "100" << false << "104.8";
    QTest::newRow("1 mm, 100 mm, skin effect") << "." << false << "1" << "100" << true << " 99.8";
    QTest::newRow("1 mm, 1000 mm") << "." << false << "1" << "1000" << false << "1508.8";
    QTest::newRow("0.5 mm, 50 mm, comma") << "," << false << "0.5" << "50" << false << " 52.4";
    QTest::newRow("0,5 mm, 50 mm, comma typed") << "," << false << "0,5" << "50" << false << " 52.4";
    QTest::newRow("no diameter") << "." << false << "" << "100" << false << "xxx";
    QTest::newRow("no length") << "." << false << "1" << "" << false << "xxx";
    // Gauge 20 is 0.81177 mm.
    QTest::newRow("gauge 20, 4 in") << "." << true << "20" << "4" << false << "111.1";
    // "0000" is gauge −3 (11.686 mm), not the number 0 its name reads as.
    QTest::newRow("gauge 0000, 4 in") << "." << true << "0000" << "4" << false << " 56.9";
    QTest::newRow("gauge 40, 4 in, skin effect") << "." << true << "40" << "4" << true << "153.1";
}

void AirCoilPageTest::straight() {
    QFETCH(QString, separator);
    QFETCH(bool, usUnits);
    QFETCH(QString, diameter);
    QFETCH(QString, length);
    QFETCH(bool, skin);
    QFETCH(QString, inductance);
    m_setup = std::make_unique<Setup>(separator, usUnits);
    QWidget* page = &m_setup->page;
    auto* wire = control<QComboBox>(page, "ComboBox21");
    if (usUnits)
        choose(wire, wire->findText(diameter));
    else
        retype(wire, diameter);
    retype(control<QLineEdit>(page, "Edit23"), length);
    if (skin)
        QTest::mouseClick(control<QRadioButton>(page, "RadioButton2"), Qt::LeftButton);
    QCOMPARE(labelText(page, "Label170"), inductance);
    QCOMPARE(m_setup->context.recorder().messages, QStringList());
}

void AirCoilPageTest::skinOptions() {
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    QWidget* page = &m_setup->page;
    typeFields(page, {"ComboBox21=1", "Edit23=100"});
    auto* without = control<QRadioButton>(page, "RadioButton1");
    auto* with = control<QRadioButton>(page, "RadioButton2");
    // Clicking the option already chosen recomputes with the same result.
    markUntouched(page, kStraightOutputs);
    QTest::mouseClick(without, Qt::LeftButton);
    QCOMPARE(labelText(page, "Label170"), QStringLiteral("104.8"));
    // The options differ by 2·l·0.25 nH (l = 10 cm).
    QTest::mouseClick(with, Qt::LeftButton);
    QCOMPARE(labelText(page, "Label170"), QStringLiteral(" 99.8"));
    QVERIFY(!without->isChecked());
    QTest::mouseClick(without, Qt::LeftButton);
    QCOMPARE(labelText(page, "Label170"), QStringLiteral("104.8"));
}

void AirCoilPageTest::unitSwitch() {
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    QWidget* page = &m_setup->page;
    auto* wire = control<QComboBox>(page, "ComboBox21");
    // Metric while metric is shown still empties the conductor's inputs.
    typeFields(page, {"ComboBox21=1", "Edit23=100"});
    QCOMPARE(labelText(page, "Label170"), QStringLiteral("104.8"));
    m_setup->switchUnits(false);
    QCOMPARE(wire->currentText(), QString());
    QCOMPARE(control<QLineEdit>(page, "Edit23")->text(), QString());
    QCOMPARE(labelText(page, "Label170"), QStringLiteral("xxx"));

    typeFields(page, {"ComboBox21=1", "Edit23=100", "Edit15=10", "Edit16=20", "Edit14=1"});
    m_setup->switchUnits(true);
    QCOMPARE(wire->count(), 44);
    QCOMPARE(wire->itemText(0), QStringLiteral("0000"));
    QCOMPARE(wire->itemText(43), QStringLiteral("40"));
    QCOMPARE(wire->currentText(), QStringLiteral("20"));
    QVERIFY(!wire->isEditable());
    QCOMPARE(baseColour(wire), gui::kListYellow);
    QCOMPARE(control<QLineEdit>(page, "Edit23")->text(), QString());
    verifyTexts(page, {"Label169= AWG", "Label246=# ", "Label172= in", "Label170=xxx", "Label109= in",
                       "Label110= in", "Label63= in", "Label64= in", "Label241=# "});
    QVERIFY(!control<QLabel>(page, "Label246")->isHidden());
    QVERIFY(!control<QLabel>(page, "Label241")->isHidden());
    // The turns group was recomputed in inches (10 x 20 in).
    QCOMPARE(labelText(page, "Label179"), QStringLiteral(" AWG"));

    m_setup->switchUnits(false);
    QVERIFY(wire->isEditable());
    QCOMPARE(wire->count(), 0);
    QCOMPARE(wire->currentText(), QString());
    QCOMPARE(baseColour(wire), gui::kEntryLime);
    verifyTexts(page, {"Label169= mm", "Label172= mm", "Label170=xxx", "Label109= mm", "Label110= mm",
                       "Label63= mm", "Label64= mm", "Label104= 15.7", "Label55=cm", "Label179=mm"});
    QVERIFY(control<QLabel>(page, "Label246")->isHidden());
    QVERIFY(control<QLabel>(page, "Label241")->isHidden());
    QCOMPARE(m_setup->context.recorder().messages, QStringList());
}

void AirCoilPageTest::wireFieldFiltersKeysAfterSwitch() {
    // The typed field is made anew when the list becomes editable again; the
    // key filter must still turn a typed "." into the locale's ",".
    m_setup = std::make_unique<Setup>(QStringLiteral(","), true);
    m_setup->switchUnits(false);
    QWidget* page = &m_setup->page;
    typeFields(page, {"ComboBox21=0.5", "Edit23=50"});
    QCOMPARE(control<QComboBox>(page, "ComboBox21")->currentText(), QStringLiteral("0,5"));
    QCOMPARE(labelText(page, "Label170"), QStringLiteral(" 52.4"));
    QCOMPARE(m_setup->context.recorder().messages, QStringList());
}

void AirCoilPageTest::errors_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QString>("keys"); // the last one is the key under test
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QStringList>("written");

    const QStringList turnsGroup{"Edit14=1", "Edit15=10", "Edit16=20"};
    QTest::newRow("negative wanted inductance") << "." << turnsGroup << "Edit14" << true << "-" << kFloatingPoint
                                                << kTurnsOutputs << QStringList{};
    QTest::newRow("turns group, lone minus") << "." << QStringList{} << "Edit14" << false << "-"
                                             << notANumber("-") << kTurnsOutputs << QStringList{};
    QTest::newRow("turns group, diameter not a number") << "." << turnsGroup << "Edit15" << false << "x"
                                                        << notANumber("10x") << kTurnsOutputs << QStringList{};

    const QStringList inductanceGroup{"Edit8=10", "Edit9=10", "Edit10=10"};
    QTest::newRow("turns, lone minus") << "." << QStringList{} << "Edit8" << false << "-" << notANumber("-")
                                       << kInductanceOutputs << QStringList{};
    QTest::newRow("turns, two commas") << "," << QStringList{"Edit8=,5"} << "Edit8" << true << "1,"
                                       << notANumber("1,,5") << kInductanceOutputs << QStringList{};
    QTest::newRow("length not a number") << "." << inductanceGroup << "Edit10" << false << "a"
                                         << notANumber("10a") << kInductanceOutputs << QStringList{};

    const QStringList straightGroup{"ComboBox21=1", "Edit23=100"};
    QTest::newRow("negative diameter") << "." << straightGroup << "ComboBox21" << true << "-" << kFloatingPoint
                                       << kStraightOutputs << QStringList{};
    QTest::newRow("diameter, two commas") << "," << QStringList{"ComboBox21=,5", "Edit23=100"} << "ComboBox21"
                                          << true << "1," << notANumber("1,,5") << kStraightOutputs
                                          << QStringList{};
    QTest::newRow("wire length, lone minus") << "." << QStringList{"ComboBox21=1"} << "Edit23" << false << "-"
                                             << notANumber("-") << kStraightOutputs << QStringList{};
}

void AirCoilPageTest::errors() {
    QFETCH(QString, separator);
    QFETCH(QStringList, before);
    QFETCH(QString, field);
    QFETCH(bool, atStart);
    QFETCH(QString, keys);
    QFETCH(QString, message);
    QFETCH(QStringList, outputs);
    QFETCH(QStringList, written);
    m_setup = std::make_unique<Setup>(separator);
    QWidget* page = &m_setup->page;
    typeFields(page, before);
    auto* target = page->findChild<QWidget*>(field);
    QVERIFY(target);
    typeLastKeyMarked(page, target, atStart, keys, outputs);
    QCOMPARE(m_setup->context.recorder().messages, QStringList{message});
    verifyOutputs(page, outputs, written);
}

QTEST_MAIN(AirCoilPageTest)
#include "air_coil_page_test.moc"
