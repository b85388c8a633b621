// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "started_program.h"
#include "support/ui_helpers.h"

using namespace torvex;
using test::StartedProgram;

namespace {
QPair<QString, int> opened(const QString& file, int context) {
    return qMakePair(StartedProgram::kFolder + file, context);
}
} // namespace

class CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void unitCommandsSwitchAndAlwaysRunInFull();
    void helpFollowsTheLanguage();
    void contextHelp_data();
    void contextHelp();
    void keyFilter_data();
    void keyFilter();
    void closingTheMainWindowEndsTheProgram();
    void aCommandShowsOneMessageAtMost();
    void ferriteWindowTakesOverTheFerritePage();
};

void CommandsTest::unitCommandsSwitchAndAlwaysRunInFull() {
    StartedProgram p(1031, QStringLiteral(","));
    QWidget* copper = p.window("TForm4");
    p.showPage("TabSheet5");
    auto* wire = p.find<QComboBox>("ComboBox21");
    auto* conductorLength = p.find<QLineEdit>("Edit23");
    auto* copperLength = copper->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    QVERIFY(wire && conductorLength && copperLength);

    p.action("inchfootAWG1")->trigger();
    QVERIFY(p.action("inchfootAWG1")->isChecked());
    QVERIFY(!p.action("mmcm1")->isChecked());
    QVERIFY(p.main()->settings().usUnits());
    QCOMPARE(test::labelText(p.main(), "Label10"), QStringLiteral(" in"));
    QVERIFY(!p.find("Label240")->isHidden());
    QCOMPARE(wire->count(), 44);
    QCOMPARE(wire->currentText(), QStringLiteral("20"));
    QCOMPARE(test::labelText(copper, "Label7"), QStringLiteral(" AWG"));

    p.action("mmcm1")->trigger();
    QVERIFY(!p.action("inchfootAWG1")->isChecked());
    QVERIFY(p.action("mmcm1")->isChecked());
    QCOMPARE(test::labelText(p.main(), "Label10"), QStringLiteral(" mm"));
    QVERIFY(p.find("Label240")->isHidden());
    QCOMPARE(test::labelText(copper, "Label7"), QStringLiteral(" mm"));

    // Choosing the system already shown still clears both length inputs.
    test::retype(conductorLength, QStringLiteral("5"));
    test::retype(copperLength, QStringLiteral("3"));
    p.action("mmcm1")->trigger();
    QCOMPARE(conductorLength->text(), QString());
    QCOMPARE(copperLength->text(), QString());
    QVERIFY(p.action("mmcm1")->isChecked());
    QCOMPARE(p.errors.messages, QStringList());
}

void CommandsTest::helpFollowsTheLanguage() {
    StartedProgram p(3079, QStringLiteral(","));
    p.action("Help1")->trigger();
    p.action("English1")->trigger();
    QCOMPARE(p.main()->helpFile(), StartedProgram::kFolder + QStringLiteral("torvex11_e.hlp"));
    p.find<QToolButton>("ToolButton6")->click();
    p.action("Deutsch1")->trigger();
    p.action("Help1")->trigger();
    QCOMPARE(p.help.opened, (QList<QPair<QString, int>>{opened("torvex11_d.hlp", -1), opened("torvex11_e.hlp", -1),
                                                        opened("torvex11_d.hlp", -1)}));
    // An open help window is told each language's file.
    QCOMPARE(p.help.followed.mid(p.help.followed.size() - 2),
             (QStringList{StartedProgram::kFolder + QStringLiteral("torvex11_e.hlp"),
                          StartedProgram::kFolder + QStringLiteral("torvex11_d.hlp")}));
}

void CommandsTest::contextHelp_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page"); // of the main window
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("context");

    // clang-format off
    QTest::newRow("iron powder") << "TForm1" << 0 << "ComboBox2" << 41;
    QTest::newRow("ferrite FT") << "TForm1" << 1 << "ComboBox5" << 42;
    QTest::newRow("SIFERRIT") << "TForm1" << 2 << "ComboBox3" << 43;
    QTest::newRow("Ferroxcube") << "TForm1" << 3 << "ComboBox16" << 44;
    QTest::newRow("unknown cores") << "TForm1" << 4 << "Edit4" << 45;
    QTest::newRow("air cores") << "TForm1" << 5 << "Edit8" << 46;
    QTest::newRow("tab bar stands for its page") << "TForm1" << 2 << "qt_tabwidget_tabbar" << 43;
    QTest::newRow("AL and permeability") << "TForm3" << -1 << "Edit1" << 50;
    QTest::newRow("resonant circuit") << "TForm2" << -1 << "Edit1" << 51;
    QTest::newRow("copper resistance") << "TForm4" << -1 << "Edit1" << 52;
    QTest::newRow("metric conversion") << "TForm5" << -1 << "Edit1" << 53;
    // clang-format on
}

void CommandsTest::contextHelp() {
    QFETCH(QString, window);
    QFETCH(int, page);
    QFETCH(QString, focus);
    QFETCH(int, context);
    const QString german = QStringLiteral("torvex11_d.hlp");
    const QString english = QStringLiteral("torvex11_e.hlp");
    for (int language : {1031, 2057}) {
        StartedProgram p(language, QStringLiteral("."));
        QWidget* w = p.window(window.toLatin1().constData());
        QVERIFY(w);
        if (page >= 0)
            p.showPage(page);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget* field = w->findChild<QWidget*>(focus);
        QVERIFY(field);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        // Then in the other language, switched from the menu: the help
        // follows the language shown, not the one the program started in.
        p.action(language == 1031 ? "English1" : "Deutsch1")->trigger();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_F1);
        const QList<QPair<QString, int>> expected = language == 1031
                                                        ? QList{opened(german, context), opened(english, context)}
                                                        : QList{opened(english, context), opened(german, context)};
        QCOMPARE(p.help.opened, expected);
    }
}

void CommandsTest::keyFilter_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    // clang-format off
    QTest::newRow("comma locale, point typed") << "," << "1.5" << "1,5";
    QTest::newRow("comma locale, comma typed") << "," << "1,5" << "1,5";
    QTest::newRow("point locale, comma typed") << "." << "1,5" << "1.5";
    QTest::newRow("letters pass") << "." << "a,b" << "a.b";
    // clang-format on
}

void CommandsTest::keyFilter() {
    QFETCH(QString, separator);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    StartedProgram p(1031, separator);
    auto* inductance = p.find<QLineEdit>("Edit1");
    QVERIFY(inductance);
    test::retype(inductance, typed);
    QCOMPARE(inductance->text(), shown);

    // Pasted text is taken as it is.
    QApplication::clipboard()->setText(typed);
    inductance->clear();
    inductance->paste();
    QCOMPARE(inductance->text(), typed);
}

void CommandsTest::closingTheMainWindowEndsTheProgram() {
    StartedProgram p(1031, QStringLiteral(","));
    p.main()->show();
    p.action("Schwingkreis1")->trigger();
    p.action("RCu1")->trigger();
    QVERIFY(p.find("TForm2")->isVisible());

    QVERIFY(p.main()->close());
    QCOMPARE(p.help.closed, 1);
    for (QWidget* w : p.main()->windows())
        QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
}

// The unit and language commands recompute many calculators. With wrong
// texts left on several pages each would fail; the user still sees one
// message per command, the first, and every page is recomputed.
void CommandsTest::aCommandShowsOneMessageAtMost() {
    StartedProgram p(1031, QStringLiteral(","));
    p.showEveryPage();
    test::retype(p.find("Edit1"), QStringLiteral("-"));
    test::retype(p.find("Edit17"), QStringLiteral("x"));
    test::retype(p.find("Edit11"), QStringLiteral("+"));
    test::retype(p.find("Edit20"), QStringLiteral("a"));
    test::retype(p.find("Edit24"), QStringLiteral("5"));
    QCOMPARE(p.errors.messages.size(), 4);
    const QString metricDa = test::labelText(p.main(), "Label181"); // Ferroxcube, the last page

    // clang-format off
    const struct {
        const char* command;
        QString firstMessage;
    } commands[] = {
        {"inchfootAWG1", QStringLiteral("'-' ist kein gültiger Fließkommawert")},
        {"mmcm1", QStringLiteral("'-' ist kein gültiger Fließkommawert")},
        // The language command recomputes the straight conductor first, then
        // the iron-powder page.
        {"English1", QStringLiteral("'-' ist kein gültiger Fließkommawert")},
        {"Deutsch1", QStringLiteral("'-' ist kein gültiger Fließkommawert")},
    };
    // clang-format on
    for (const auto& c : commands) {
        p.errors.messages.clear();
        p.action(c.command)->trigger();
        QCOMPARE(p.errors.messages, QStringList{c.firstMessage});
    }
    // The Ferroxcube page, after the failing ones, was still recomputed: its
    // outer diameter is shown in inches.
    p.action("inchfootAWG1")->trigger();
    QVERIFY(test::labelText(p.main(), "Label181") != metricDa);
    // The pages' own recomputes report every failure again.
    p.errors.messages.clear();
    test::retype(p.find("Edit11"), QStringLiteral("++"));
    test::retype(p.find("Edit17"), QStringLiteral("xx"));
    QCOMPARE(p.errors.messages.size(), 4);
}

// Built on its first opening, from the tool bar or the menu; opened while
// the ferrite page is in front, the window takes that page over.
void CommandsTest::ferriteWindowTakesOverTheFerritePage() {
    StartedProgram p(1031, QStringLiteral(","));
    QCOMPARE(p.find("FerriteImpedanceWindow"), nullptr);
    p.showPage("TabSheet2");
    test::choose(p.find<QComboBox>("ComboBox5"), 17);       // FT240
    test::retype(p.find("Edit17"), QStringLiteral("100"));  // µH: N = 8.98
    test::retype(p.find("Edit18"), QStringLiteral("1500")); // kHz
    QTest::mouseClick(p.find<QToolButton>("ferriteImpedanceButton"), Qt::LeftButton);
    QWidget* w = p.find("FerriteImpedanceWindow");
    QVERIFY(w && w->isVisible());
    const auto shown = [w](const char* name) {
        if (auto* list = w->findChild<QComboBox*>(QLatin1String(name)))
            return list->currentText();
        return w->findChild<QLineEdit*>(QLatin1String(name))->text();
    };
    const QStringList fields{"sizeList", "materialList", "turnsField", "frequencyField", "frequencyUnitList"};
    QStringList taken;
    for (const QString& name : fields)
        taken << shown(name.toLatin1().constData());
    QCOMPARE(taken, (QStringList{"FT240", "43", "9", "1500", "kHz"}));

    // From another page the window keeps what it shows.
    test::retype(w->findChild<QLineEdit*>(QStringLiteral("turnsField")), QStringLiteral("12"));
    w->close();
    p.showPage("TabSheet1");
    p.action("ferriteImpedanceAction")->trigger();
    QCOMPARE(p.find("FerriteImpedanceWindow"), w);
    QCOMPARE(shown("turnsField"), QStringLiteral("12"));
    QVERIFY(p.errors.messages.isEmpty());

    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->findChild<QLineEdit*>(QStringLiteral("turnsField")), Qt::Key_F1);
    QCOMPARE(p.help.opened, (QList{opened(QStringLiteral("torvex11_d.hlp"), 54)}));
}

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
