// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "started_program.h"
#include "widgets/hints.h"
#include "widgets/language.h"
#include "widgets/make.h"

using namespace torvex;
using gui::make;

namespace {

// A window holding one component of every kind the language switch knows,
// each with a text or hint of its own before the switch.
struct SampleWindow {
    SampleWindow() {
        window.setProperty("tag", 352);
        gui::setHint(make<QLabel>(&window, "Label8", 8), QStringLiteral("old | hint"));
        make<QLabel>(&window, "Fixed")->setText(QStringLiteral("µH"));
        make<QPushButton>(&window, "BitBtn1", 321);
        gui::setHint(make<QRadioButton>(&window, "RadioButton1", 223), QStringLiteral("kept"));
        make<QToolButton>(&window, "ToolButton6", 484)->setText(QStringLiteral("?"));
        make<QGroupBox>(&window, "GroupBox1", 301);
        make<QCheckBox>(&window, "CheckBox1", 5);
        make<QComboBox>(&window, "ComboBox2", 402);
        make<QLineEdit>(&window, "Edit20", 470)->setText(QStringLiteral("12"));
        QPixmap picture(8, 8);
        picture.fill(Qt::blue);
        make<QLabel>(&window, "Image1", 358)->setPixmap(picture);
        auto* tabs = make<QTabWidget>(&window, "PageControl1");
        tabs->addTab(make<QWidget>(tabs, "TabSheet1", 261), QString());
        window.addAction(make<QAction>(&window, "Permeabilitt1", 273));
    }
    QWidget window;
};

QString captionOf(QObject* o) {
    if (auto* a = qobject_cast<QAction*>(o))
        return a->text();
    if (auto* g = qobject_cast<QGroupBox*>(o))
        return g->title();
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->pixmap().isNull() ? l->text() : QStringLiteral("<picture>");
    if (auto* b = qobject_cast<QAbstractButton*>(o))
        return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(o))
        return e->text();
    if (auto* tabs = o->parent() ? qobject_cast<QTabWidget*>(o->parent()->parent()) : nullptr)
        return tabs->tabText(tabs->indexOf(static_cast<QWidget*>(o)));
    return {};
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void appliesTextsByKind_data();
    void appliesTextsByKind();
    void mainWindowTextsAndHints_data();
    void mainWindowTextsAndHints();
};

void LanguageTest::appliesTextsByKind_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("component");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");

    // clang-format off
    QTest::newRow("label without hint id loses its hint") << false << "Label8" << "Da" << "";
    QTest::newRow("untagged label unchanged") << false << "Fixed" << "µH" << "";
    QTest::newRow("bitmap button") << false << "BitBtn1" << "AL-Wert aus Tool"
                                   << "AL-Wert aus Tool übernehmen oder direkt eingeben";
    QTest::newRow("radio button keeps its hint") << false << "RadioButton1" << "ohne Skin-Effekt" << "kept";
    QTest::newRow("tool-bar button: hint only") << false << "ToolButton6" << "?"
                                                << "Hilfe | Hilfe auch über F1 zur jeweiligen Seite.";
    QTest::newRow("group box") << false << "GroupBox1" << " Induktivität aus Windungszahl berechnen " << "";
    QTest::newRow("check box") << false << "CheckBox1" << "Frequenzbereich" << "";
    QTest::newRow("combo box: hint only") << false << "ComboBox2" << ""
                                          << "Kerngröße | Mit den Pfeiltasten oder dem Mausrad erhält man einen "
                                             "Überblick über verfügbare Kerngrößen.";
    QTest::newRow("edit field: hint only") << false << "Edit20" << "12"
                                           << "AL-Wert aus Datenblatt o.ä. | Bitte auf Maßeinheit achten!";
    QTest::newRow("image keeps its picture") << false << "Image1" << "<picture>"
                                             << "Die deutsche Oberfläche und Hilfe ... | ... wird bei Programmstart "
                                                "automatisch eingestellt.";
    QTest::newRow("page") << false << "TabSheet1" << "Eisenpulver T .. - .." << "";
    QTest::newRow("menu item") << false << "Permeabilitt1" << "&AL und Permeabilität" << "";
    QTest::newRow("en label") << true << "Label8" << "OD" << "";
    QTest::newRow("en radio button") << true << "RadioButton1" << "without skin effect" << "kept";
    QTest::newRow("en image") << true << "Image1" << "<picture>" << "Change to German!";
    QTest::newRow("en page") << true << "TabSheet1" << "Iron Powder T .. - .." << "";
    QTest::newRow("en menu item") << true << "Permeabilitt1" << "&AL and Permeability" << "";
    // clang-format on
}

void LanguageTest::appliesTextsByKind() {
    QFETCH(bool, english);
    QFETCH(QString, component);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    SampleWindow sample;
    // From the other language, so that every text has to change.
    gui::ApplyLanguage({&sample.window}, english ? Language::German : Language::English);
    gui::ApplyLanguage({&sample.window}, english ? Language::English : Language::German);

    QObject* o = sample.window.findChild<QObject*>(component);
    QVERIFY(o);
    QCOMPARE(captionOf(o), caption);
    QCOMPARE(gui::hintOf(o), hint);
    if (auto* w = qobject_cast<QWidget*>(o))
        QCOMPARE(w->toolTip(), gui::ShortHint(hint));
    QCOMPARE(sample.window.windowTitle(),
             english ? QStringLiteral(" Calculating Resonant Circuits") : QStringLiteral(" Schwingkreis-Berechnung"));
}

void LanguageTest::mainWindowTextsAndHints_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("status");

    // clang-format off
    QTest::newRow("German") << false << "Eisenpulver T .. - .." << "Kerngröße "
                            << " Mit den Pfeiltasten oder dem Mausrad erhält man einen Überblick über verfügbare "
                               "Kerngrößen.";
    QTest::newRow("English") << true << "Iron Powder T .. - .." << "Core size "
                             << " Using arrow keys or mouse wheel you can look for available core sizes.";
    // clang-format on
}

void LanguageTest::mainWindowTextsAndHints() {
    QFETCH(bool, english);
    QFETCH(QString, page);
    QFETCH(QString, tooltip);
    QFETCH(QString, status);
    test::StartedProgram p(english ? 1031 : 1033, QStringLiteral("."));
    // Switched away from the start language by the menu.
    p.action(english ? "English1" : "Deutsch1")->trigger();

    QCOMPARE(p.find<QTabWidget>("PageControl1")->tabText(0), page);
    QWidget* sizes = p.find("ComboBox2");
    QCOMPARE(sizes->toolTip(), tooltip);
    // Untagged menu items keep their captions in both languages.
    QCOMPARE(p.action("English1")->text(), QStringLiteral("&English"));
    QCOMPARE(p.action("Info1")->text(), QStringLiteral("&Info"));
    QCOMPARE(p.main()->windowTitle(), QStringLiteral(" Torvex 1.1.2"));

    // The status line shows the long part of the hint under the mouse, or
    // nothing over a control without one; a highlighted menu item its own.
    auto* statusBar = p.find<QStatusBar>("StatusBar1");
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(sizes, &enter);
    QCOMPARE(statusBar->currentMessage(), status);
    QApplication::sendEvent(p.find("Label10"), &enter);
    QCOMPARE(statusBar->currentMessage(), QString());
    p.action("inchfootAWG1")->showStatusText(p.main());
    QCOMPARE(statusBar->currentMessage(), QStringLiteral("AWG = American Wire Gauge"));
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
