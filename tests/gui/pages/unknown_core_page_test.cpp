// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

const QStringList kOutputs{"Label49",  "Label31", "Label43", "Label167", "Label233",
                           "Label235", "Label50", "Label53", "Label236", "Label239"};

// The T50 core in mix 2 typed by hand: AL 4.9 nH/N², 12.7/7.7/4.83 mm, 10 µH
// at 7 MHz and 20 turns; 45.175 turns are shown whole.
const QStringList kT50{"Edit20=4.9", "Edit6=12.7", "Edit7=7.7", "Edit21=4.83", "Edit4=10", "Edit27=7000", "Edit5=20"};
const QStringList kT50Shown{"Label49= 45", "Label31=0.50",  "Label43= 66", "Label167= cm",    "Label233=439.823",
                            "Label235=",   "Label50=1.960", "Label53=µH",  "Label236=86.205", "Label239="};

// The page as the main window starts it: units chosen, which computes the
// page once. The AL-and-µi window is built when a test types into it.
struct Setup {
    explicit Setup(const QString& separator, bool usUnits = false) : context(separator, usUnits), page(context) {
        page.applyUnits();
        context.recorder().messages.clear();
    }
    QWidget* tool() { return &context.alPermeabilityWindow(); }
    QStringList& messages() { return context.recorder().messages; }
    FakeWindowContext context;
    gui::UnknownCorePage page;
};

} // namespace

class UnknownCorePageTest : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void takeOverAl_data();
    void takeOverAl();
    void takeOverDimensions();
    void takeOverBadDimensionReportsOnce();
    void unitSwitch();
    void partialResultsBeforeAnError_data();
    void partialResultsBeforeAnError();
    void cleanup();

private:
    std::unique_ptr<Setup> m_setup;
};

void UnknownCorePageTest::cleanup() {
    if (m_setup)
        verifyNoNanOrInf(&m_setup->page);
    m_setup.reset();
}

void UnknownCorePageTest::results_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("usUnits");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    // clang-format off
    QTest::newRow("T50, point") << "." << false << kT50 << kT50Shown;
    // clang-format on
    // The key filter turns the typed points into the locale's commas.
    // clang-format off
    QTest::newRow("T50, comma") << "," << false << kT50 << kT50Shown;
    QTest::newRow("T50, US units") << "." << true << kT50
                                   << QStringList{"Label49= 45", "Label31=25", "Label43=2.173", "Label167= ft"};
    // clang-format on
    // The same AL in µH/(1000 N)², the third unit.
    // clang-format off
    QTest::newRow("AL unit") << "." << false << QStringList{"Edit4=10", "Edit20=4900", "ComboBox7#2"}
                             << QStringList{"Label49= 45"};
    // clang-format on
    // Without AL the turns are "xxx", but XL is still that of the wanted inductance.
    // clang-format off
    QTest::newRow("no AL") << "." << false << kT50.mid(1)
                           << QStringList{"Label49=xxx", "Label31=0.00", "Label43=  0", "Label233=439.823"};
    // clang-format on
}

void UnknownCorePageTest::results() {
    QFETCH(QString, separator);
    QFETCH(bool, usUnits);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    m_setup = std::make_unique<Setup>(separator, usUnits);
    typeFields(&m_setup->page, typed);
    verifyTexts(&m_setup->page, expected);
    QVERIFY(control<QLineEdit>(&m_setup->page, "Edit4")->isEnabled());
    QCOMPARE(m_setup->messages(), QStringList());
}

void UnknownCorePageTest::takeOverAl_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("toolTyped"); // into the AL-and-µi window
    QTest::addColumn<QString>("alField");       // Edit20 after the take-over
    QTest::addColumn<QString>("turns");         // Label49 for 10 µH

    // 10 turns measuring 2.5 µH: AL "25.00".
    // clang-format off
    QTest::newRow("comma locale") << "," << QStringList{"Edit1=10", "Edit2=2,5"} << "25,00" << " 20";
    QTest::newRow("point locale") << "." << QStringList{"Edit1=10", "Edit2=2.5"} << "25.00" << " 20";
    // clang-format on
    // AL below 10 comes with a leading blank (" 2.50"), which is kept.
    // clang-format off
    QTest::newRow("leading blank") << "," << QStringList{"Edit1=10", "Edit2=0,25"} << " 2,50" << " 63";
    QTest::newRow("tool shows xxx") << "," << QStringList{"Edit2=2,5"} << "" << "xxx";
    QTest::newRow("tool not computed yet") << "," << QStringList{} << "" << "xxx";
    // clang-format on
}

// The AL comes in nH/N², so the unit goes back to it; one recompute.
void UnknownCorePageTest::takeOverAl() {
    QFETCH(QString, separator);
    QFETCH(QStringList, toolTyped);
    QFETCH(QString, alField);
    QFETCH(QString, turns);
    m_setup = std::make_unique<Setup>(separator);
    QWidget* page = &m_setup->page;
    typeFields(m_setup->tool(), toolTyped);
    typeFields(page, {"Edit4=10", "Edit20=7", "ComboBox7#2"});

    QTest::mouseClick(control<QPushButton>(page, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(page, "Edit20")->text(), alField);
    QCOMPARE(control<QComboBox>(page, "ComboBox7")->currentIndex(), 0);
    verifyTexts(page, {"Label49=" + turns});
    QCOMPARE(m_setup->messages(), QStringList());
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
    verifyTexts(page, {"Label31=0.50", "Label43= 66"});
    QCOMPARE(m_setup->messages(), QStringList());
}

// All three texts are copied, even a bad and an empty one; the one recompute
// stops at the bad text after showing the turns, and reports it once.
void UnknownCorePageTest::takeOverBadDimensionReportsOnce() {
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    QWidget* page = &m_setup->page;
    typeFields(m_setup->tool(), {"Edit3=12.7", "Edit4=7.7x", "Edit5="});
    typeFields(page, {"Edit20=4.9", "Edit4=10", "Edit21=3"});
    m_setup->messages().clear();
    markUntouched(page, kOutputs);

    QTest::mouseClick(control<QPushButton>(page, "BitBtn2"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>(page, "Edit7")->text(), QStringLiteral("7.7x"));
    QCOMPARE(control<QLineEdit>(page, "Edit21")->text(), QString());
    QCOMPARE(m_setup->messages(), QStringList{notANumber("7.7x")});
    verifyOutputs(page, kOutputs, {"Label49= 45"});
}

void UnknownCorePageTest::unitSwitch() {
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    gui::UnknownCorePage& page = m_setup->page;
    typeFields(&page, kT50);

    // The main window's unit command sets the units, then runs the page's step.
    m_setup->context.settings().setUnits(UnitSystem::Us);
    page.applyUnits();
    verifyTexts(&page, {"Label166= AWG", "Label245=# ", "Label31=25", "Label167= ft"});
    QVERIFY(!control<QLabel>(&page, "Label245")->isHidden());

    m_setup->context.settings().setUnits(UnitSystem::Metric);
    page.applyUnits();
    // The typed dimensions are in mm in both systems.
    verifyTexts(&page, {"Label166= mm", "Label167= cm", "Label31=0.50", "Label45= mm", "Label46= mm", "Label157= mm"});
    QVERIFY(control<QLabel>(&page, "Label245")->isHidden());
    QCOMPARE(m_setup->messages(), QStringList());
}

void UnknownCorePageTest::partialResultsBeforeAnError_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("written"); // outputs the failed recompute still showed

    // The root of a negative L/AL fails before the turns are shown.
    // clang-format off
    QTest::newRow("negative AL") << "Edit20" << true << "-" << kFloatingPoint << QStringList{};
    // clang-format on
    // Dimensions are read after the turns are shown, the frequency after the wire.
    // clang-format off
    QTest::newRow("dimension not a number") << "Edit7" << false << "x" << notANumber("7.7x")
                                            << QStringList{"Label49= 45"};
    QTest::newRow("frequency not a number") << "Edit27" << false << "k" << notANumber("7000k")
                                            << QStringList{"Label49= 45", "Label31=0.50", "Label43= 66"};
    // clang-format on
}

void UnknownCorePageTest::partialResultsBeforeAnError() {
    QFETCH(QString, field);
    QFETCH(bool, atStart);
    QFETCH(QString, keys);
    QFETCH(QString, message);
    QFETCH(QStringList, written);
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    QWidget* page = &m_setup->page;
    typeFields(page, kT50);
    typeLastKeyMarked(page, control<QLineEdit>(page, qPrintable(field)), atStart, keys, kOutputs);
    QCOMPARE(m_setup->messages(), QStringList{message});
    verifyOutputs(page, kOutputs, written);
}

QTEST_MAIN(UnknownCorePageTest)
#include "unknown_core_page_test.moc"
