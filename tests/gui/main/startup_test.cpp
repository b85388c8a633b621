#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "started_program.h"
#include "support/ui_helpers.h"
#include "tools/tool_windows.h"

using namespace torvex;
using torvex::test::StartedProgram;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void startsFromLocale_data();
    void startsFromLocale();
    void windowsAreCreatedInOrderAndCarryTheStartLanguage_data();
    void windowsAreCreatedInOrderAndCarryTheStartLanguage();
    void frameAndDefaults();
};

void StartupTest::startsFromLocale_data() {
    QTest::addColumn<int>("languageId");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("usUnits");

    QTest::newRow("1031 German, comma") << 1031 << "," << false << false;
    QTest::newRow("1031 German, point") << 1031 << "." << false << false;
    QTest::newRow("2055 Swiss German") << 2055 << "." << false << false;
    QTest::newRow("3079 Austrian German") << 3079 << "," << false << false;
    QTest::newRow("1033 US English, point") << 1033 << "." << true << true;
    QTest::newRow("1033 US English, comma") << 1033 << "," << true << true;
    QTest::newRow("2057 British English") << 2057 << "." << true << false;
    QTest::newRow("2057 British English, comma") << 2057 << "," << true << false;
}

void StartupTest::startsFromLocale() {
    QFETCH(int, languageId);
    QFETCH(QString, separator);
    QFETCH(bool, english);
    QFETCH(bool, usUnits);
    StartedProgram p(languageId, separator);
    const gui::ProgramState& state = p.main()->state();

    QCOMPARE(state.languageOffset, english ? 1000 : 0);
    QCOMPARE(state.languageCode, english ? QStringLiteral("09") : QStringLiteral("07"));
    QCOMPARE(state.usLocale, languageId == 1033);
    QCOMPARE(state.usUnits, usUnits);
    QCOMPARE(state.decimalSeparator, separator);
    QCOMPARE(state.awgNames.size(), 44);
    QCOMPARE(state.awgNames.at(23), QStringLiteral("20"));

    QCOMPARE(p.action("Deutsch1")->isChecked(), !english);
    QCOMPARE(p.action("English1")->isChecked(), english);
    QCOMPARE(p.action("inchfootAWG1")->isChecked(), usUnits);
    QCOMPARE(p.action("mmcm1")->isChecked(), !usUnits);

    auto* pages = p.find<QTabWidget>("PageControl1");
    QVERIFY(pages);
    QCOMPARE(pages->tabText(0), english ? QStringLiteral("Iron Powder T .. - ..") : QStringLiteral("Eisenpulver T .. - .."));
    QCOMPARE(p.action("Sprache1")->text(),
             english ? QStringLiteral("&Language (Sprache)") : QStringLiteral("Sprache (&Language)"));
    QCOMPARE(test::labelText(p.main(), "Label8"), english ? QStringLiteral("OD") : QStringLiteral("Da"));
    QCOMPARE(test::labelText(p.main(), "Label10"), usUnits ? QStringLiteral(" in") : QStringLiteral(" mm"));
    QCOMPARE(p.find("Label240")->isHidden(), !usUnits);
    QCOMPARE(p.main()->helpFile(),
             StartedProgram::kFolder + (english ? QStringLiteral("torvex11_e.hlp") : QStringLiteral("torvex11_d.hlp")));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("Torvex 1.1.2"));
    // The start computes every page with empty inputs: nothing may fail.
    QCOMPARE(p.errors.messages, QStringList());
}

void StartupTest::windowsAreCreatedInOrderAndCarryTheStartLanguage_data() {
    QTest::addColumn<int>("languageId");
    QTest::addColumn<QStringList>("titles"); // TForm1, TAboutBox, TForm2 ... TForm5

    QTest::newRow("German") << 1031
                            << QStringList{" Torvex 1.1.2", " Software für Funkamateure", " Schwingkreis-Berechnung", " AL und µi ermitteln",
                                           " R Cu berechnen", " Umrechnung Inch (Zoll) <-> Meter"};
    QTest::newRow("English") << 2057
                             << QStringList{" Torvex 1.1.2", " Software for Radio Amateurs", " Calculating Resonant Circuits", " Determine AL and µi",
                                            " Resistance of Copper Wire", " Metric Conversion"};
}

void StartupTest::windowsAreCreatedInOrderAndCarryTheStartLanguage() {
    QFETCH(int, languageId);
    QFETCH(QStringList, titles);
    StartedProgram p(languageId, QStringLiteral(","));

    QStringList names, shownTitles;
    for (QWidget* w : p.main()->windows())
        names << w->objectName();
    QCOMPARE(names, (QStringList{"TForm1", "TAboutBox", "TForm2", "TForm3", "TForm4", "TForm5"}));

    // Opened from the tool bar for the first time, each already speaks the
    // start language.
    for (const char* button : {"ToolButton2", "ToolButton1", "ToolButton3", "ToolButton5"})
        p.find<QToolButton>(button)->click();
    p.action("Info1")->trigger();
    for (QWidget* w : p.main()->windows()) {
        QVERIFY2(w == p.main() || w->isVisible(), qPrintable(w->objectName()));
        shownTitles << w->windowTitle();
    }
    QCOMPARE(shownTitles, titles);
    auto* group = p.find("TForm3")->findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    QVERIFY(group);
    QCOMPARE(group->title(), languageId == 1031 ? QStringLiteral(" Magnetische Formkenngrößen berechnen ")
                                                : QStringLiteral(" Calculating core parameters "));
    QVERIFY(!QApplication::activeModalWidget());

    // Closed, a window is only hidden: opened again it keeps its inputs.
    QWidget* alWindow = p.find("TForm3");
    test::retype(alWindow->findChild<QLineEdit*>(QStringLiteral("Edit1")), QStringLiteral("7"));
    alWindow->close();
    p.action("Permeabilitt1")->trigger();
    QVERIFY(alWindow->isVisible());
    QCOMPARE(alWindow->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(), QStringLiteral("7"));
}

void StartupTest::frameAndDefaults() {
    StartedProgram p(1031, QStringLiteral(","));
    gui::TForm1* main = p.main();
    QCOMPARE(main->property("tag").toInt(), 351);
    QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 10);

    // Tool bar: five buttons with their tags in order, the separator between.
    QStringList toolBar;
    for (const char* name : {"ToolButton1", "ToolButton2", "ToolButton3", "ToolButton5", "ToolButton4", "ToolButton6"})
        toolBar << QString::number(p.find(name)->property("tag").toInt());
    QCOMPARE(toolBar, (QStringList{"481", "482", "483", "485", "0", "484"}));

    auto* pages = p.find<QTabWidget>("PageControl1");
    QStringList sheets;
    for (int i = 0; i < pages->count(); ++i)
        sheets << pages->widget(i)->objectName();
    QCOMPARE(sheets, (QStringList{"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet4", "TabSheet5"}));
    QCOMPARE(pages->currentIndex(), 0);

    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("ComboBox2"));
    QCOMPARE(p.find<QComboBox>("ComboBox2")->currentText(), QStringLiteral("T50"));
    // Not resizable: the window is held at its layout's size.
    QCOMPARE(main->minimumSize(), main->maximumSize());
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
