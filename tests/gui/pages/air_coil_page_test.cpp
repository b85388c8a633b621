// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
    QStringList& messages() { return context.recorder().messages; }
    FakeWindowContext context;
    gui::AirCoilPage page;
};

} // namespace

class AirCoilPageTest : public QObject {
    Q_OBJECT
private slots:
    void startTexts();
    void results_data();
    void results();
    void skinOptions();
    void unitSwitch();
    void wireFieldFiltersKeysAfterSwitch();
    void partialResultsBeforeAnError_data();
    void partialResultsBeforeAnError();
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
    verifyTexts(&s.page, {"Label62= µH", "Label57=xxx", "Label104=xxx", "Label170=xxx"});
}

// Each group's results reach their labels. Worked by hand: Nagaoka's
// coefficient by Lundin, l = µ0 π r² N² k / length for the coils, and
// 2·l·(ln(4·l/D) − C) nH for the straight wire.
void AirCoilPageTest::results_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("usUnits");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");

    // clang-format off
    QTest::newRow("10 turns, 10 x 10 mm") << "," << false << QStringList{"Edit8=10", "Edit9=10,0", "Edit10=10.0"}
                                          << QStringList{"Label57=679.448", "Label62=nH"};
    QTest::newRow("10 turns, 0.5 x 1 in") << "." << true << QStringList{"Edit8=10", "Edit9=0.5", "Edit10=1"}
                                          << QStringList{"Label57=512.742", "Label62=nH"};
    // clang-format on
    // 15.738 turns, 0.49443 m of wire, at most 1.2708 mm wire.
    // clang-format off
    QTest::newRow("1000 nH on 10 x 20 mm")
        << "." << false << QStringList{"ComboBox11#0", "Edit14=1000", "Edit15=10", "Edit16=20"}
        << QStringList{"Label104= 15.7", "Label52=49.44", "Label55=cm", "Label178=1.271", "Label179=mm"};
    // clang-format on
    // 13.965 turns, 557.19 mm of wire, 1.8188 mm wire (gauge 14).
    // clang-format off
    QTest::newRow("1 uH on 0.5 x 1 in") << "." << true << QStringList{"Edit14=1", "Edit15=0.5", "Edit16=1"}
                                        << QStringList{"Label104= 14.0", "Label52=1.828", "Label55= ft",
                                                       "Label178=14", "Label179= AWG"};
    QTest::newRow("1 mm, 100 mm") << "," << false << QStringList{"ComboBox21=1", "Edit23=100"}
                                  << QStringList{"Label170=104.8"};
    // clang-format on
    // "0000" is gauge −3 (11.686 mm), not the number 0 its name reads as.
    // clang-format off
    QTest::newRow("gauge 0000, 4 in") << "." << true << QStringList{"ComboBox21#0", "Edit23=4"}
                                      << QStringList{"Label170= 56.9"};
    // clang-format on
}

void AirCoilPageTest::results() {
    QFETCH(QString, separator);
    QFETCH(bool, usUnits);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    m_setup = std::make_unique<Setup>(separator, usUnits);
    typeFields(&m_setup->page, typed);
    verifyTexts(&m_setup->page, expected);
    QCOMPARE(m_setup->messages(), QStringList());
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
    verifyTexts(page, {"Label170=104.8"});
    // The options differ by 2·l·0.25 nH (l = 10 cm).
    QTest::mouseClick(with, Qt::LeftButton);
    verifyTexts(page, {"Label170= 99.8"});
    QVERIFY(!without->isChecked());
    QTest::mouseClick(without, Qt::LeftButton);
    verifyTexts(page, {"Label170=104.8"});
}

void AirCoilPageTest::unitSwitch() {
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    QWidget* page = &m_setup->page;
    auto* wire = control<QComboBox>(page, "ComboBox21");
    // Metric while metric is shown still empties the conductor's inputs.
    typeFields(page, {"ComboBox21=1", "Edit23=100"});
    m_setup->switchUnits(false);
    QCOMPARE(wire->currentText(), QString());
    QCOMPARE(control<QLineEdit>(page, "Edit23")->text(), QString());
    verifyTexts(page, {"Label170=xxx"});

    typeFields(page, {"ComboBox21=1", "Edit23=100", "Edit15=10", "Edit16=20", "Edit14=1"});
    m_setup->switchUnits(true);
    QCOMPARE(wire->count(), 44);
    QCOMPARE(wire->itemText(0), QStringLiteral("0000"));
    QCOMPARE(wire->itemText(43), QStringLiteral("40"));
    QCOMPARE(wire->currentText(), QStringLiteral("20"));
    QVERIFY(!wire->isEditable());
    QCOMPARE(wire->palette().color(QPalette::Base), gui::kListYellow);
    QCOMPARE(control<QLineEdit>(page, "Edit23")->text(), QString());
    // The turns group was recomputed in inches (10 x 20 in).
    verifyTexts(page, {"Label169= AWG", "Label246=# ", "Label172= in", "Label170=xxx", "Label109= in", "Label110= in",
                       "Label63= in", "Label64= in", "Label241=# ", "Label179= AWG"});
    QVERIFY(!control<QLabel>(page, "Label246")->isHidden());
    QVERIFY(!control<QLabel>(page, "Label241")->isHidden());

    m_setup->switchUnits(false);
    QVERIFY(wire->isEditable());
    QCOMPARE(wire->count(), 0);
    QCOMPARE(wire->palette().color(QPalette::Base), gui::kEntryLime);
    verifyTexts(page, {"Label169= mm", "Label172= mm", "Label170=xxx", "Label109= mm", "Label110= mm", "Label63= mm",
                       "Label64= mm", "Label104= 15.7", "Label55=cm", "Label179=mm"});
    QVERIFY(control<QLabel>(page, "Label246")->isHidden());
    QVERIFY(control<QLabel>(page, "Label241")->isHidden());
    QCOMPARE(m_setup->messages(), QStringList());
}

// The typed field is made anew when the list becomes editable again; the key
// filter must still turn a typed "." into the locale's ",".
void AirCoilPageTest::wireFieldFiltersKeysAfterSwitch() {
    m_setup = std::make_unique<Setup>(QStringLiteral(","), true);
    m_setup->switchUnits(false);
    QWidget* page = &m_setup->page;
    typeFields(page, {"ComboBox21=0.5", "Edit23=50"});
    QCOMPARE(control<QComboBox>(page, "ComboBox21")->currentText(), QStringLiteral("0,5"));
    verifyTexts(page, {"Label170= 52.4"});
    QCOMPARE(m_setup->messages(), QStringList());
}

// A failing recompute of one group reports once and leaves its labels as
// they were; the other groups are not touched.
void AirCoilPageTest::partialResultsBeforeAnError_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QString>("keys"); // the last one is the key under test
    QTest::addColumn<QString>("message");

    // clang-format off
    QTest::newRow("negative wanted inductance") << QStringList{"Edit14=1", "Edit15=10", "Edit16=20"} << "Edit14"
                                                << true << "-" << kFloatingPoint;
    QTest::newRow("coil length not a number") << QStringList{"Edit8=10", "Edit9=10", "Edit10=10"} << "Edit10"
                                              << false << "a" << notANumber("10a");
    QTest::newRow("negative wire diameter") << QStringList{"ComboBox21=1", "Edit23=100"} << "ComboBox21" << true
                                            << "-" << kFloatingPoint;
    // clang-format on
}

void AirCoilPageTest::partialResultsBeforeAnError() {
    QFETCH(QStringList, before);
    QFETCH(QString, field);
    QFETCH(bool, atStart);
    QFETCH(QString, keys);
    QFETCH(QString, message);
    m_setup = std::make_unique<Setup>(QStringLiteral("."));
    QWidget* page = &m_setup->page;
    typeFields(page, before);
    const QStringList outputs = kTurnsOutputs + kInductanceOutputs + kStraightOutputs;
    typeLastKeyMarked(page, page->findChild<QWidget*>(field), atStart, keys, outputs);
    QCOMPARE(m_setup->messages(), QStringList{message});
    verifyOutputs(page, outputs, {});
}

QTEST_MAIN(AirCoilPageTest)
#include "air_coil_page_test.moc"
