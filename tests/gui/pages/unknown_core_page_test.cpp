#include <QPushButton>
#include <QtTest>
#include <memory>

#include "pages/unknown_core_page.h"
#include "support/fake_window_context.h"
#include "support/output_checks.h"
#include "tools/al_permeability_window.h"

using namespace torvex;
using namespace torvex::test;

namespace {

const QStringList kOutputs{"Label49", "Label31", "Label43", "Label167", "Label233",
                           "Label235", "Label50", "Label53", "Label236", "Label239"};


// The page as the main window starts it: units chosen, which computes the
// page once. The AL-and-µi window is built when a test types into it.
struct Setup {
    explicit Setup(const QString& separator, bool usUnits = false) : context(separator, usUnits), page(context) {
        page.applyUnits();
        context.recorder().messages.clear();
    }
    QWidget* tool() { return &context.alPermeabilityWindow(); }
    FakeWindowContext context;
    gui::UnknownCorePage page;
};

} // namespace

class UnknownCorePageTest : public QObject {
    Q_OBJECT
private slots:
    void alUnits_data();
    void alUnits();
    void results_data();
    void results();
    void takeOverAl_data();
    void takeOverAl();
    void takeOverDimensions();
    void takeOverBadDimension();
    void unitSwitch();
    void errors_data();
    void errors();
    void cleanup();

private:
    std::unique_ptr<Setup> m_setup;
};

void UnknownCorePageTest::cleanup() {
    if (m_setup)
        verifyNoNanOrInf(&m_setup->page);
    m_setup.reset();
}

void UnknownCorePageTest::alUnits_data() {
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("al");
    // The same core in each customary AL unit; 10 µH need 20 turns on it.
    QTest::newRow("nH/N²") << 0 << "25";
    QTest::newRow("µH/(100 N)²") << 1 << "250";
    QTest::newRow("µH/(1000 N)²") << 2 << "25000";
    QTest::newRow("mH/(1000 N)²") << 3 << "25";
}

void UnknownCorePageTest::alUnits() {
    QFETCH(int, unit);
    QFETCH(QString, al);
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    QWidget* page = &m_setup->page;
    typeFields(page, {"Edit4=10", "Edit20=" + al});
    choose(control<QComboBox>(page, "ComboBox7"), unit);
    QCOMPARE(labelText(page, "Label49"), QStringLiteral(" 20"));
    QVERIFY(m_setup->context.recorder().messages.isEmpty());
}

void UnknownCorePageTest::results_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("usUnits");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    // AL 4.9 nH/N² on a 12.7/7.7/4.83 mm core, 10 µH at 7 MHz, 20 turns: the
    // catalogue T50 in mix 2 worked by hand (45.175 turns shown whole).
    const QStringList t50{"Edit20=4.9", "Edit6=12.7", "Edit7=7.7", "Edit21=4.83", "Edit4=10", "Edit27=7000", "Edit5=20"};
    const QStringList t50Results{"Label49= 45",     "Label31=0.54",  "Label43= 66",   "Label167= cm",
                                 "Label233=439.823", "Label235=",     "Label50=1.960", "Label53=µH",
                                 "Label236=86.205", "Label239="};
    QTest::newRow("point") << "." << false << t50 << t50Results;
    // Typed with points in a comma locale: the key filter makes them commas.
    QTest::newRow("comma") << "," << false << t50 << t50Results;
    QTest::newRow("comma typed") << "," << false
                                 << QStringList{"Edit20=4,9", "Edit6=12,7", "Edit7=7,7", "Edit21=4,83",
                                                "Edit4=10",   "Edit27=7000", "Edit5=20"}
                                 << t50Results;
    QTest::newRow("US units") << "." << true << t50
                              << QStringList{"Label49= 45", "Label31=24", "Label43=2.173", "Label167= ft",
                                             "Label233=439.823"};
    // Without AL the turns are "xxx" and the wire results 0, but XL is still
    // that of the wanted inductance.
    const QStringList noAl{"Edit6=12.7", "Edit7=7.7", "Edit21=4.83", "Edit4=10", "Edit27=7000", "Edit5=20"};
    QTest::newRow("no AL") << "." << false << noAl
                           << QStringList{"Label49=xxx",       "Label31=0.00",  "Label43=  0", "Label233=439.823",
                                          "Label50=0.000",     "Label53=H",     "Label236=0.000"};
    QTest::newRow("no AL, US units") << "." << true << noAl << QStringList{"Label49=xxx", "Label31=xxx"};
    QTest::newRow("AL 0") << "." << false << QStringList{"Edit20=0", "Edit4=10", "Edit27=7000"}
                          << QStringList{"Label49=xxx", "Label233=439.823"};
}

void UnknownCorePageTest::results() {
    QFETCH(QString, separator);
    QFETCH(bool, usUnits);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    m_setup = std::make_unique<Setup>(separator, usUnits);
    QWidget* page = &m_setup->page;
    typeFields(page, typed);
    for (const QString& e : expected)
        QCOMPARE(labelText(page, e.section('=', 0, 0).toLatin1().constData()), e.section('=', 1));
    QVERIFY(control<QLineEdit>(page, "Edit4")->isEnabled());
    QCOMPARE(m_setup->context.recorder().messages, QStringList());
}

void UnknownCorePageTest::takeOverAl_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("toolTyped"); // into the AL-and-µi window
    QTest::addColumn<QString>("alField");       // Edit20 after the take-over
    QTest::addColumn<QString>("turns");         // Label49 for 10 µH

    // 10 turns measuring 2.5 µH: AL "25.00".
    QTest::newRow("comma locale") << "," << QStringList{"Edit1=10", "Edit2=2,5"} << "25,00" << " 20";
    QTest::newRow("point locale") << "." << QStringList{"Edit1=10", "Edit2=2.5"} << "25.00" << " 20";
    // AL below 10 comes with a leading blank (" 2.50"), which is kept.
    QTest::newRow("leading blank") << "," << QStringList{"Edit1=10", "Edit2=0,25"} << " 2,50" << " 63";
    QTest::newRow("tool shows xxx") << "," << QStringList{"Edit2=2,5"} << "" << "xxx";
    QTest::newRow("tool not computed yet") << "," << QStringList{} << "" << "xxx";
}

void UnknownCorePageTest::takeOverAl() {
    QFETCH(QString, separator);
    QFETCH(QStringList, toolTyped);
    QFETCH(QString, alField);
    QFETCH(QString, turns);
    m_setup = std::make_unique<Setup>(separator);
    QWidget* page = &m_setup->page;
    typeFields(m_setup->tool(), toolTyped);
    // Another AL and unit were chosen before.
    typeFields(page, {"Edit4=10", "Edit20=7"});
    choose(control<QComboBox>(page, "ComboBox7"), 2);

    QTest::mouseClick(control<QPushButton>(page, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(page, "Edit20")->text(), alField);
    QCOMPARE(control<QComboBox>(page, "ComboBox7")->currentIndex(), 0);
    QCOMPARE(labelText(page, "Label49"), turns);
    QCOMPARE(m_setup->context.recorder().messages, QStringList());
}

void UnknownCorePageTest::takeOverDimensions() {
    m_setup = std::make_unique<Setup>(QStringLiteral(","));
    QWidget* page = &m_setup->page;
    // The coating is not taken over, and the dimensions are taken as typed.
    typeFields(m_setup->tool(), {"Edit3=12.7", "Edit4=7.7", "Edit5=4.83", "Edit6=0.05"});
    typeFields(page, {"Edit20=4.9", "Edit4=10", "Edit7=99"});

    QTest::mouseClick(control<QPushButton>(page, "BitBtn2"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(page, "Edit6")->text(), QStringLiteral("12,7"));
    QCOMPARE(control<QLineEdit>(page, "Edit7")->text(), QStringLiteral("7,7"));
    QCOMPARE(control<QLineEdit>(page, "Edit21")->text(), QStringLiteral("4,83"));
    QCOMPARE(labelText(page, "Label31"), QStringLiteral("0.54"));
    QCOMPARE(labelText(page, "Label43"), QStringLiteral(" 66"));
    QCOMPARE(m_setup->context.recorder().messages, QStringList());
}

void UnknownCorePageTest::takeOverBadDimension() {
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    QWidget* page = &m_setup->page;
    typeFields(m_setup->tool(), {"Edit3=12.7", "Edit4=7.7x", "Edit5="});
    typeFields(page, {"Edit20=4.9", "Edit4=10", "Edit21=3"});
    m_setup->context.recorder().messages.clear();
    markUntouched(page, kOutputs);

    QTest::mouseClick(control<QPushButton>(page, "BitBtn2"), Qt::LeftButton);
    // All three texts are copied, even the bad and the empty one; the one
    // recompute stops at the bad text after showing the turns.
    QCOMPARE(control<QLineEdit>(page, "Edit7")->text(), QStringLiteral("7.7x"));
    QCOMPARE(control<QLineEdit>(page, "Edit21")->text(), QString());
    QCOMPARE(m_setup->context.recorder().messages, QStringList{notANumber("7.7x")});
    verifyOutputs(page, kOutputs, {"Label49= 45"});
}

void UnknownCorePageTest::unitSwitch() {
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    gui::UnknownCorePage& page = m_setup->page;
    typeFields(&page, {"Edit20=4.9", "Edit6=12.7", "Edit7=7.7", "Edit21=4.83", "Edit4=10"});

    // The main window's unit command sets the units, then runs the page's step.
    m_setup->context.settings().setUnits(UnitSystem::Us);
    page.applyUnits();
    QCOMPARE(labelText(&page, "Label166"), QStringLiteral(" AWG"));
    QCOMPARE(labelText(&page, "Label245"), QStringLiteral("# "));
    QVERIFY(!control<QLabel>(&page, "Label245")->isHidden());
    QCOMPARE(labelText(&page, "Label31"), QStringLiteral("24")); // recomputed in gauges
    QCOMPARE(labelText(&page, "Label167"), QStringLiteral(" ft"));

    m_setup->context.settings().setUnits(UnitSystem::Metric);
    page.applyUnits();
    QCOMPARE(labelText(&page, "Label166"), QStringLiteral(" mm"));
    QCOMPARE(labelText(&page, "Label167"), QStringLiteral(" cm"));
    QVERIFY(control<QLabel>(&page, "Label245")->isHidden());
    QCOMPARE(labelText(&page, "Label31"), QStringLiteral("0.54"));
    // The typed dimensions are in mm in both systems.
    for (const char* unit : {"Label45", "Label46", "Label157"})
        QCOMPARE(labelText(&page, unit), QStringLiteral(" mm"));
}

void UnknownCorePageTest::errors_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("before");  // typed first, without errors
    QTest::addColumn<QString>("field");       // then the last keys go here
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("written"); // outputs the failed recompute still wrote

    const QStringList core{"Edit20=4.9", "Edit6=12.7", "Edit7=7.7", "Edit21=4.83", "Edit4=10", "Edit27=7000", "Edit5=20"};
    // The root of a negative L/AL fails before the turns are shown.
    QTest::newRow("negative AL") << "." << core << "Edit20" << true << "-" << kFloatingPoint << QStringList{};
    QTest::newRow("negative inductance") << "." << core << "Edit4" << true << "-" << kFloatingPoint << QStringList{};
    QTest::newRow("lone minus") << "." << QStringList{} << "Edit4" << false << "-" << notANumber("-")
                                << QStringList{};
    // ",5" is read as 0.5; "1," in front of it makes "1,5" and then "1,,5".
    QTest::newRow("two commas") << "," << QStringList{"Edit20=25", "Edit4=,5"} << "Edit4" << true << "1,"
                                << notANumber("1,,5") << QStringList{};
    QTest::newRow("two commas, point locale") << "." << QStringList{"Edit20=25", "Edit4=.5"} << "Edit4" << true
                                              << "1," << notANumber("1..5") << QStringList{};
    // Dimensions are read after the turns are shown.
    QTest::newRow("dimension not a number") << "." << core << "Edit7" << false << "x" << notANumber("7.7x")
                                            << QStringList{"Label49= 45"};
    QTest::newRow("frequency not a number") << "." << core << "Edit27" << false << "k" << notANumber("7000k")
                                            << QStringList{"Label49= 45", "Label31=0.54", "Label43= 66"};
}

void UnknownCorePageTest::errors() {
    QFETCH(QString, separator);
    QFETCH(QStringList, before);
    QFETCH(QString, field);
    QFETCH(bool, atStart);
    QFETCH(QString, keys);
    QFETCH(QString, message);
    QFETCH(QStringList, written);
    m_setup = std::make_unique<Setup>(separator);
    QWidget* page = &m_setup->page;
    typeFields(page, before);
    auto* target = control<QLineEdit>(page, field.toLatin1().constData());
    typeLastKeyMarked(page, target, atStart, keys, kOutputs);
    QCOMPARE(m_setup->context.recorder().messages, QStringList{message});
    verifyOutputs(page, kOutputs, written);
    QVERIFY(control<QLineEdit>(page, "Edit4")->isEnabled());
}

QTEST_MAIN(UnknownCorePageTest)
#include "unknown_core_page_test.moc"
