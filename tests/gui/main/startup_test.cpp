// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "pages/unknown_core_page.h"
#include "platform/application_title.h"
#include "started_program.h"
#include "support/ui_helpers.h"
#include "tools/copper_resistance_window.h"
#include "version.h"

using namespace torvex;
using torvex::test::StartedProgram;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void startsFromLocale_data();
    void startsFromLocale();
    void startBuildsTheFrontPageAloneAndOpeningBuildsTheRest_data();
    void startBuildsTheFrontPageAloneAndOpeningBuildsTheRest();
    void startSelections();
    void frameAndDefaults();
    void versionTextsAgreeWithTheProject();
    void aWindowBuiltLateShowsTheChoicesOfNow();
};

void StartupTest::startsFromLocale_data() {
    QTest::addColumn<int>("languageId");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("usUnits");

    // clang-format off
    QTest::newRow("1031 German, comma") << 1031 << "," << false << false;
    QTest::newRow("1031 German, point") << 1031 << "." << false << false;
    QTest::newRow("2055 Swiss German") << 2055 << "." << false << false;
    QTest::newRow("3079 Austrian German") << 3079 << "," << false << false;
    QTest::newRow("1033 US English, point") << 1033 << "." << true << true;
    QTest::newRow("1033 US English, comma") << 1033 << "," << true << true;
    QTest::newRow("2057 British English") << 2057 << "." << true << false;
    QTest::newRow("2057 British English, comma") << 2057 << "," << true << false;
    // clang-format on
}

void StartupTest::startsFromLocale() {
    QFETCH(int, languageId);
    QFETCH(QString, separator);
    QFETCH(bool, english);
    QFETCH(bool, usUnits);
    StartedProgram p(languageId, separator);
    const gui::DisplaySettings& settings = p.main()->settings();

    QCOMPARE(settings.english(), english);
    QCOMPARE(settings.usUnits(), usUnits);
    QCOMPARE(settings.decimalSeparator(), separator);

    QCOMPARE(p.action("Deutsch1")->isChecked(), !english);
    QCOMPARE(p.action("English1")->isChecked(), english);
    QCOMPARE(p.action("inchfootAWG1")->isChecked(), usUnits);
    QCOMPARE(p.action("mmcm1")->isChecked(), !usUnits);

    auto* pages = p.find<QTabWidget>("PageControl1");
    QVERIFY(pages);
    QCOMPARE(pages->tabText(0),
             english ? QStringLiteral("Iron Powder T .. - ..") : QStringLiteral("Eisenpulver T .. - .."));
    QCOMPARE(p.action("Sprache1")->text(),
             english ? QStringLiteral("&Language (Sprache)") : QStringLiteral("Sprache (&Language)"));
    QCOMPARE(test::labelText(p.main(), "Label8"), english ? QStringLiteral("OD") : QStringLiteral("Da"));
    QCOMPARE(test::labelText(p.main(), "Label10"), usUnits ? QStringLiteral(" in") : QStringLiteral(" mm"));
    QCOMPARE(p.find("Label240")->isHidden(), !usUnits);
    QCOMPARE(test::labelText(p.window("TForm4"), "Label7"), usUnits ? QStringLiteral(" AWG") : QStringLiteral(" mm"));
    QCOMPARE(p.main()->helpFile(),
             StartedProgram::kFolder + (english ? QStringLiteral("torvex11_e.hlp") : QStringLiteral("torvex11_d.hlp")));
    // The start computes every page with empty inputs: nothing may fail.
    QCOMPARE(p.errors.messages, QStringList());
}

void StartupTest::startBuildsTheFrontPageAloneAndOpeningBuildsTheRest_data() {
    QTest::addColumn<int>("languageId");
    QTest::addColumn<QStringList>("titles"); // TForm1, TAboutBox, TForm2 ... TForm5, in the order opened

    // clang-format off
    QTest::newRow("German") << 1031
                            << QStringList{" Torvex 1.1.2", " Software für Funkamateure", " Schwingkreis-Berechnung", " AL und µi ermitteln",
                                           " R Cu berechnen", " Umrechnung Inch (Zoll) <-> Meter"};
    QTest::newRow("English") << 2057
                             << QStringList{" Torvex 1.1.2", " Software for Radio Amateurs", " Calculating Resonant Circuits", " Determine AL and µi",
                                            " Resistance of Copper Wire", " Metric Conversion"};
    // clang-format on
}

void StartupTest::startBuildsTheFrontPageAloneAndOpeningBuildsTheRest() {
    QFETCH(int, languageId);
    QFETCH(QStringList, titles);
    StartedProgram p(languageId, QStringLiteral(","));

    // At start: the main window, and on it the front page only.
    QCOMPARE(p.main()->windows(), QList<QWidget*>{p.main()});
    QTabWidget* pages = p.pages();
    for (int i = 1; i < pages->count(); ++i)
        QVERIFY2(pages->widget(i)->children().isEmpty(), qPrintable(pages->widget(i)->objectName()));
    QCOMPARE(p.find("ComboBox5"), nullptr);
    // A page shown for the first time is built, computed, in the start language.
    p.showPage("TabSheet2");
    QCOMPARE(p.find<QComboBox>("ComboBox5")->currentText(), QStringLiteral("FT50"));
    QCOMPARE(test::labelText(p.main(), "Label124"), languageId == 1031 ? QStringLiteral("Da") : QStringLiteral("OD"));
    QVERIFY(!test::labelText(p.main(), "Label118").isEmpty());

    // Opened for the first time, from the menu or the tool bar, each window
    // already speaks the start language; windows() lists them as built.
    QStringList names, shownTitles;
    for (const char* opener : {"Info1", "ToolButton2", "Permeabilitt1", "ToolButton3", "Umrechnungminch1"})
        p.open(opener);
    for (QWidget* w : p.main()->windows()) {
        names << w->objectName();
        QVERIFY2(w == p.main() || w->isVisible(), qPrintable(w->objectName()));
        shownTitles << w->windowTitle();
    }
    QCOMPARE(names, (QStringList{"TForm1", "TAboutBox", "TForm2", "TForm3", "TForm4", "TForm5"}));
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

// The default selection of every list of the main window.
void StartupTest::startSelections() {
    StartedProgram p(1031, QStringLiteral(","));
    p.showEveryPage();
    // clang-format off
    const QList<QPair<const char*, const char*>> selections{
        {"ComboBox2", "T50"},        {"ComboBox1", "2"},    {"ComboBox9", "µH"},  {"ComboBox10", "kHz"},
        {"ComboBox5", "FT50"},       {"ComboBox6", "43"},   {"ComboBox12", "µH"}, {"ComboBox13", "kHz"},
        {"ComboBox3", "R10"},        {"ComboBox4", "N30"},  {"ComboBox14", "µH"}, {"ComboBox15", "kHz"},
        {"ComboBox16", "TN 10/6/4"}, {"ComboBox17", "3C11"}, {"ComboBox18", "µH"}, {"ComboBox19", "kHz"},
        {"ComboBox7", "nH/N²"},      {"ComboBox8", "µH"},   {"ComboBox20", "kHz"}, {"ComboBox11", "µH"}};
    for (const auto& [name, shown] : selections) {
        auto* list = p.find<QComboBox>(name);
        QVERIFY2(list, name);
        QCOMPARE(list->currentText(), QString::fromUtf8(shown));
    }
    // clang-format on
}

void StartupTest::frameAndDefaults() {
    StartedProgram p(1031, QStringLiteral(","));
    gui::MainWindow* main = p.main();
    QVERIFY(!(main->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 10);

    auto* pages = p.find<QTabWidget>("PageControl1");
    QStringList sheets;
    for (int i = 0; i < pages->count(); ++i)
        sheets << pages->widget(i)->objectName();
    QCOMPARE(sheets, (QStringList{"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet6", "TabSheet4", "TabSheet5"}));
    QCOMPARE(pages->currentIndex(), 0);

    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QCOMPARE(main->focusWidget()->objectName(), QStringLiteral("ComboBox2"));
    // Not resizable: the window is held at its layout's size, which the
    // pages built later fit into.
    QCOMPARE(main->minimumSize(), main->maximumSize());
    const QSize size = main->size();
    for (const char* sheet : StartedProgram::kSheets) {
        p.showPage(sheet);
        QCoreApplication::processEvents();
        QCOMPARE(main->size(), size);
    }
}

// The captions that carry the version are the program's own texts; they must
// say the version the project builds.
void StartupTest::versionTextsAgreeWithTheProject() {
    const QString version = QString::fromLatin1(kVersion.data(), qsizetype(kVersion.size()));
    StartedProgram p(1031, QStringLiteral(","));
    p.open("Info1");
    for (const char* language : {"Deutsch1", "English1"}) {
        p.action(language)->trigger();
        QCOMPARE(p.main()->windowTitle(), QStringLiteral(" Torvex ") + version);
        QCOMPARE(gui::ApplicationTitle(), QStringLiteral("Torvex ") + version);
        // Qt appends a display name to every window's title on the screen.
        QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
        QCOMPARE(test::labelText(p.find("TAboutBox"), "Version"), QStringLiteral("Version ") + version);
    }
}

// A page or window built after a switch of units and language shows what
// is chosen now; the copper-resistance window too takes the units shown,
// not those of the start. The copy buttons build the AL-and-µi window they
// read.
void StartupTest::aWindowBuiltLateShowsTheChoicesOfNow() {
    StartedProgram p(1031, QStringLiteral(","));
    p.action("inchfootAWG1")->trigger();
    p.action("English1")->trigger();
    QWidget* copper = p.open("ToolButton3");
    QCOMPARE(test::labelText(copper, "Label7"), QStringLiteral(" AWG"));
    QCOMPARE(copper->windowTitle(), QStringLiteral(" Resistance of Copper Wire"));

    p.showPage("TabSheet2");
    QCOMPARE(test::labelText(p.main(), "Label127"), QStringLiteral(" in"));
    QCOMPARE(test::labelText(p.main(), "Label124"), QStringLiteral("OD"));
    p.showPage("TabSheet4");
    p.find<QPushButton>("BitBtn2")->click();
    QCOMPARE(p.main()->windows().size(), 3);
    QWidget* al = p.main()->windows().last();
    QCOMPARE(al->objectName(), QStringLiteral("TForm3"));
    QCOMPARE(al->windowTitle(), QStringLiteral(" Determine AL and µi"));
    QVERIFY(!al->isVisible());
    QCOMPARE(p.errors.messages, QStringList());
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
