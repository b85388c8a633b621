// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The one list of every named component of every window, with its kind and
// tag: the names are what tests and tools find the program by, and the tags
// choose the texts. The other tests check behaviour and invariants only.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QSet>
#include <QTabBar>
#include <QTest>

#include "started_program.h"
#include "text/text_table.h"
#include "widgets/colours.h"
#include "widgets/make.h"
#include "widgets/result_label.h"

using namespace torvex;
using test::StartedProgram;

namespace {

// Per window and kind: the objectNames, "Name=tag" where the tag is not 0.
struct Entry {
    const char* window;
    const char* kind;
    const char* names;
};

// clang-format off
const Entry kInventory[] = {
    {"TForm1", "window", "TForm1=351"},
    {"TForm1", "QMenuBar", "MainMenu1"},
    {"TForm1", "QMenu", "Sprache1 Tools1 Units1 fileMenu"},
    {"TForm1", "QAction",
     "Deutsch1=278 English1 Help1=279 Info1 Permeabilitt1=273 RCu1=275 Schwingkreis1=274 Sprache1=276 "
     "Tools1 Umrechnungminch1=272 Units1=271 copyResultsAction=2001 ferriteImpedanceAction=2101 fileMenu=2000 "
     "inchfootAWG1 mmcm1 printAction=2003 saveResultsAction=2002"},
    {"TForm1", "QToolBar", "ToolBar1"},
    {"TForm1", "QToolButton", "ToolButton1=481 ToolButton2=482 ToolButton3=483 ToolButton5=485 ToolButton6=484 "
                             "ferriteImpedanceButton=2102"},
    {"TForm1", "QFrame", "ToolButton4"},
    {"TForm1", "QTabWidget", "PageControl1"},
    {"TForm1", "QWidget", "TabSheet1=261 TabSheet2=262 TabSheet3=263 TabSheet4=264 TabSheet5=265 TabSheet6=266"},
    {"TForm1", "QStatusBar", "StatusBar1"},
    {"TForm1", "QGroupBox",
     "GroupBox1=301 GroupBox2=302 GroupBox3=303 GroupBox4=304 GroupBox5=305 GroupBox6=306 "
     "GroupBox7=307 GroupBox8=308"},
    {"TForm1", "QLabel",
     "Label1 Label2 Label3 Label4 Label5=5 Label6 Label7 Label8=8 Label9 Label10 Label11=11 Label12 "
     "Label13 Label14 Label15 Label16 Label17=17 Label18 Label19=19 Label20=20 Label21 Label22 "
     "Label23 Label24 Label25 Label26 Label27 Label28=28 Label29 Label30 Label31 Label32 Label33=33 "
     "Label34=34 Label35 Label36 Label37 Label38 Label39 Label40 Label41 Label42 Label43 Label44 "
     "Label45 Label46 Label47=47 Label48=48 Label49 Label50 Label51=51 Label52 Label53 Label54=54 "
     "Label55 Label57 Label58=58 Label59 Label60=60 Label61=61 Label62 Label63 Label64 Label65 "
     "Label66 Label67 Label68 Label69 Label70=70 Label71 Label72=72 Label73=73 Label74=74 Label75=75 "
     "Label76=76 Label77 Label78 Label79 Label80 Label81 Label82=82 Label83=83 Label84 Label85 "
     "Label86=86 Label87=87 Label88 Label89 Label90 Label91 Label92 Label93=93 Label94 Label95 "
     "Label96 Label97 Label98 Label99 Label100 Label101 Label102 Label103 Label104 Label105=105 "
     "Label106=106 Label107 Label108=108 Label109 Label110 Label111 Label112 Label113 Label114=114 "
     "Label115=115 Label116=116 Label117=117 Label118 Label119 Label120 Label121 Label122=122 "
     "Label123 Label124=124 Label125=125 Label126 Label127 Label128 Label129 Label130 Label131 "
     "Label132 Label133=133 Label134=134 Label135 Label136 Label137=137 Label138=138 Label139 "
     "Label140 Label141 Label142=142 Label143 Label144 Label145 Label146 Label147 Label148 Label149 "
     "Label150 Label151 Label152 Label153=153 Label154 Label155 Label156=156 Label157 Label158=158 "
     "Label159=159 Label160 Label161 Label162 Label163 Label164 Label165=165 Label166 Label167 "
     "Label168=168 Label169 Label170 Label171 Label172 Label173 Label174=174 Label175=175 Label176 "
     "Label177=177 Label178 Label179 Label180=180 Label181 Label182 Label183 Label184 Label185 "
     "Label186 Label187 Label188=188 Label189 Label190 Label191 Label192=192 Label193 Label194=194 "
     "Label195 Label196 Label197 Label198=198 Label199 Label200=200 Label201 Label202=202 Label203 "
     "Label204 Label205=205 Label206 Label207=207 Label208=208 Label209 Label210 Label211 Label212 "
     "Label213 Label214 Label215 Label216 Label217 Label218 Label219 Label220 Label224 Label225 "
     "Label226 Label227 Label228 Label229 Label230=230 Label231 Label232 Label233 Label234 Label235 "
     "Label236 Label237 Label238 Label239 Label240 Label241 Label242 Label243 Label244 Label245 "
     "Label246"},
    {"TForm1", "QLineEdit",
     "Edit1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 Edit8 Edit9 Edit10 Edit11 Edit12 Edit13 Edit14 Edit15 "
     "Edit16 Edit17 Edit18 Edit19 Edit20=470 Edit21 Edit23 Edit24 Edit25 Edit26 Edit27"},
    {"TForm1", "QComboBox",
     "ComboBox1=401 ComboBox2=402 ComboBox3=403 ComboBox4=404 ComboBox5=405 ComboBox6=406 "
     "ComboBox7=407 ComboBox8 ComboBox9 ComboBox10 ComboBox11 ComboBox12 ComboBox13 ComboBox14 "
     "ComboBox15 ComboBox16=416 ComboBox17=417 ComboBox18 ComboBox19 ComboBox20 ComboBox21"},
    {"TForm1", "QPushButton", "BitBtn1=321 BitBtn2=322"},
    {"TForm1", "QRadioButton", "RadioButton1=223 RadioButton2=222"},
    {"TAboutBox", "window", "TAboutBox=356"},
    {"TAboutBox", "QFrame", "Panel1"},
    {"TAboutBox", "QLabel",
     "Comments Copyright=256 Image1=358 Image2=359 Image3 Produktname=255 ProgramIcon Version materialDataLabel=2400"},
    {"TAboutBox", "QPushButton", "OKButton licenceButton=2050"},
    {"TAboutBox", "QTimer", "Timer1"},
    {"TForm2", "window", "TForm2=352"},
    {"TForm2", "QGroupBox", "GroupBox1 GroupBox2 GroupBox3"},
    {"TForm2", "QLabel", "Label1 Label2 Label3 Label4 Label5 Label6"},
    {"TForm2", "QLineEdit", "Edit1 Edit2 Edit3 Edit4 Edit5 Edit6"},
    {"TForm2", "QComboBox", "ComboBox1 ComboBox2 ComboBox3 ComboBox4 ComboBox5 ComboBox6"},
    {"TForm3", "window", "TForm3=353"},
    {"TForm3", "QGroupBox", "GroupBox1=309"},
    {"TForm3", "QLabel",
     "Label1 Label2 Label3 Label4 Label5 Label6=246 Label7=247 Label8=248 Label9=249 Label10 "
     "Label11=251 Label12 Label13=253 Label14 Label15 Label16 Label17=252 Label18 Label19 Label20 "
     "Label21 Label22 Label23 Label24 Label25 Label26 Label27 Label28"},
    {"TForm3", "QLineEdit", "Edit1 Edit2 Edit3 Edit4 Edit5 Edit6"},
    {"TForm4", "window", "TForm4=354"},
    {"TForm4", "QLabel",
     "Label1=241 Label2 Label3 Label4 Label5=245 Label6 Label7 Label8 Label9 Label10=250 Label11 "
     "Label12"},
    {"TForm4", "QLineEdit", "Edit1 Edit3"},
    {"TForm4", "QComboBox", "ComboBox1 ComboBox2"},
    {"TForm5", "window", "TForm5=355"},
    {"TForm5", "QGroupBox", "GroupBox1 GroupBox2 GroupBox3"},
    {"TForm5", "QLabel",
     "Label1 Label2 Label3 Label4 Label5 Label6 Label7 Label8 Label9 Label10 Label11 Label12 Label13"},
    {"TForm5", "QLineEdit", "Edit1 Edit2 Edit3"},
    {"TForm5", "QComboBox", "ComboBox1 ComboBox2 ComboBox3"},
    {"FerriteImpedanceWindow", "window", "FerriteImpedanceWindow=2100"},
    {"FerriteImpedanceWindow", "QGroupBox", "chokeGroup=2145 coreGroup=2110 windingGroup=2120 workingGroup=2130"},
    {"FerriteImpedanceWindow", "QComboBox", "frequencyUnitList=2133 materialList=2114 sizeList=2112"},
    {"FerriteImpedanceWindow", "QWidget", "stackSpin=2116"},
    {"FerriteImpedanceWindow", "QLineEdit",
     "bandFromField=2147 bandToField=2149 capacitanceField=2124 frequencyField=2132 targetField=2151 turnsField=2122"},
    {"FerriteImpedanceWindow", "QLabel",
     "bandCaption=2146 bandToCaption=2148 bandUnit capacitanceCaption=2123 capacitanceUnit chokeTurnsCaption=2152 "
     "chokeTurnsLabel dataMessageLabel dimensionsLabel frequencyCaption=2131 impedanceCaption=2139 impedanceLabel "
     "inductanceCaption=2136 inductanceLabel materialCaption=2113 muImagCaption=2135 muImagLabel muRealCaption=2134 "
     "muRealLabel qCaption=2140 qLabel reactanceCaption=2138 reactanceLabel resistanceCaption=2137 resistanceLabel "
     "resonanceCaption=2141 resonanceLabel sizeCaption=2111 sourceLabel stackCaption=2115 targetCaption=2150 "
     "targetUnit turnsCaption=2121"},
    {"FerriteImpedanceWindow", "QPushButton", "importButton=2155"},
    {"FerriteImpedanceWindow", "QFrame", "impedancePlot"},
};
// clang-format on

// The kinds, most specific first; a component is of the first it inherits.
const char* const kKinds[] = {"QAction",    "QMenu",       "QMenuBar",     "QToolBar",  "QToolButton", "QStatusBar",
                              "QTabWidget", "QPushButton", "QRadioButton", "QGroupBox", "QComboBox",   "QLineEdit",
                              "QLabel",     "QTimer",      "QFrame",       "QWidget",   "QObject"};

QString kindOf(const QObject* o) {
    for (const char* kind : kKinds)
        if (o->inherits(kind))
            return QLatin1String(kind);
    return {};
}

// Qt names some parts of its own controls ("qt_tabwidget_tabbar", the tab
// bar's "ScrollLeftButton", the main window's "_layout"); they are not the
// program's.
bool isQtPart(const QObject* o) {
    return o->objectName().startsWith(QLatin1String("qt_")) || o->objectName().startsWith(QLatin1Char('_')) ||
           qobject_cast<const QTabBar*>(o->parent());
}

QList<QObject*> namedComponents(QWidget* window) {
    QList<QObject*> found;
    for (QObject* o : window->findChildren<QObject*>())
        if (!o->objectName().isEmpty() && !isQtPart(o))
            found << o;
    return found;
}

using Listing = QMap<QString, QStringList>; // "window kind" -> sorted "Name=tag"

Listing listingOf(const QList<QWidget*>& windows) {
    Listing listing;
    for (QWidget* window : windows) {
        const int windowTag = gui::tagOf(window);
        listing[window->objectName() + QStringLiteral(" window")]
            << QStringLiteral("%1=%2").arg(window->objectName()).arg(windowTag);
        for (QObject* o : namedComponents(window)) {
            const int tag = gui::tagOf(o);
            listing[window->objectName() + QLatin1Char(' ') + kindOf(o)]
                << (tag ? QStringLiteral("%1=%2").arg(o->objectName()).arg(tag) : o->objectName());
        }
    }
    for (QStringList& names : listing)
        names.sort();
    return listing;
}

bool textExists(int id, Language language) { return !LoadText(id, language).empty(); }

} // namespace

class InventoryTest : public QObject {
    Q_OBJECT
private slots:
    void everyNameKindAndTag();
    void namesAreUniqueWithinTheirWindow();
    void everyTagHasTextsInBothLanguages();
    void coloursMarkTheRolesOfFields_data();
    void coloursMarkTheRolesOfFields();
};

void InventoryTest::everyNameKindAndTag() {
    StartedProgram p(1031, QStringLiteral(","));
    p.openEverything();
    p.action("ferriteImpedanceAction")->trigger();
    Listing expected;
    for (const Entry& e : kInventory) {
        QStringList names = QString::fromLatin1(e.names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        expected[QLatin1String(e.window) + QLatin1Char(' ') + QLatin1String(e.kind)] << names;
    }
    for (QStringList& names : expected)
        names.sort();
    const Listing built = listingOf(p.main()->windows());

    QStringList differences;
    QSet<QString> keys(expected.keyBegin(), expected.keyEnd());
    keys.unite(QSet<QString>(built.keyBegin(), built.keyEnd()));
    for (const QString& key : keys) {
        const QStringList wanted = expected.value(key), present = built.value(key);
        const QSet<QString> want(wanted.begin(), wanted.end()), have(present.begin(), present.end());
        for (const QString& name : want - have)
            differences << QStringLiteral("missing %1 %2").arg(key, name);
        for (const QString& name : have - want)
            differences << QStringLiteral("unexpected %1 %2").arg(key, name);
    }
    differences.sort();
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
}

// A menu and the action that opens it share their name; otherwise a name is
// one component's in its window.
void InventoryTest::namesAreUniqueWithinTheirWindow() {
    StartedProgram p(2057, QStringLiteral("."));
    p.openEverything();
    p.action("ferriteImpedanceAction")->trigger();
    for (QWidget* window : p.main()->windows()) {
        QSet<QString> widgets, others;
        for (QObject* o : namedComponents(window)) {
            QSet<QString>& seen = o->isWidgetType() ? widgets : others;
            QVERIFY2(!seen.contains(o->objectName()), qPrintable(window->objectName() + "/" + o->objectName()));
            seen << o->objectName();
        }
    }
}

// A tag names a caption (tag) or a hint (tag + 500); each text it names is
// there in both languages or in neither.
void InventoryTest::everyTagHasTextsInBothLanguages() {
    StartedProgram p(1031, QStringLiteral(","));
    p.openEverything();
    p.action("ferriteImpedanceAction")->trigger();
    QList<QObject*> tagged;
    for (QWidget* window : p.main()->windows())
        tagged << window << namedComponents(window);
    for (QObject* o : tagged) {
        const int tag = gui::tagOf(o);
        if (!tag)
            continue;
        const QByteArray what = (o->objectName() + QStringLiteral("=%1").arg(tag)).toLatin1();
        QVERIFY2(textExists(tag, Language::German) || textExists(tag + 500, Language::German), what);
        for (int id : {tag, tag + 500})
            QVERIFY2(textExists(id, Language::German) == textExists(id, Language::English), what);
    }
}

void InventoryTest::coloursMarkTheRolesOfFields_data() {
    QTest::addColumn<int>("languageId");
    // clang-format off
    QTest::newRow("metric") << 1031;
    QTest::newRow("US units") << 1033;
    // clang-format on
}

// Lists that must hold a choice are yellow, entry fields lime, the turns
// field of a second calculation dark green with white bold text, results
// white (the conversion window's inch diameter stands on the tooltip colour).
void InventoryTest::coloursMarkTheRolesOfFields() {
    QFETCH(int, languageId);
    StartedProgram p(languageId, QStringLiteral("."));
    p.openEverything();
    p.action("ferriteImpedanceAction")->trigger();
    auto background = [](const QWidget* w) { return w->palette().color(QPalette::Base); };
    for (QWidget* window : p.main()->windows()) {
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            if (qobject_cast<QComboBox*>(edit->parentWidget()))
                continue;
            const QByteArray name = (window->objectName() + "/" + edit->objectName()).toLatin1();
            if (edit->font().bold())
                QVERIFY2(background(edit) == gui::kTurnsGreen && edit->palette().color(QPalette::Text) == Qt::white,
                         name);
            else
                QVERIFY2(background(edit) == gui::kEntryLime, name);
        }
        for (QComboBox* list : window->findChildren<QComboBox*>())
            QVERIFY2(background(list) == (list->isEditable() ? gui::kEntryLime : gui::kListYellow),
                     qPrintable(window->objectName() + "/" + list->objectName()));
        for (gui::ResultLabel* result : window->findChildren<gui::ResultLabel*>()) {
            const bool onTooltip =
                window->objectName() == QLatin1String("TForm5") && result->objectName() == QLatin1String("Label13");
            QVERIFY2(result->palette().color(QPalette::Window) ==
                         (onTooltip ? gui::tooltipBackground() : gui::kResultWhite),
                     qPrintable(window->objectName() + "/" + result->objectName()));
        }
    }
}

QTEST_MAIN(InventoryTest)
#include "inventory_test.moc"
