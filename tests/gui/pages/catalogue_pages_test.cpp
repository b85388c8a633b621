// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four catalogue pages driven like a user would: lists picked, numbers
// typed key by key, labels read by their object names. The calculations
// themselves are the engine tests' business; these check that each result
// reaches its label, and how the page looks and reports.
#include <QApplication>
#include <QGroupBox>
#include <QtTest>
#include <memory>

#include "pages/ferrite_ft_page.h"
#include "pages/ferroxcube_page.h"
#include "pages/iron_powder_page.h"
#include "pages/siferrit_page.h"
#include "support/fake_window_context.h"
#include "support/output_checks.h"
#include "widgets/hints.h"

using namespace torvex;
using namespace torvex::gui;
using namespace torvex::test;

namespace {

struct PageUnderTest {
    CataloguePage* (*make)(PageContext&);
    const char* inductance; // entry fields
    const char* frequency;
    const char* materials; // list
    const char* turns;     // the turns for the wanted inductance
    const char* message;   // the not-available message (SIFERRIT: the ordering code)
    QStringList units;     // Da, Di, h, wire length, wire diameter; then the "# " before the gauge
};
enum { Iron, Ferrite, Siferrit, Ferroxcube };

const PageUnderTest& page(int which) {
    // clang-format off
    static const PageUnderTest pages[] = {
        {[](PageContext& c) -> CataloguePage* { return new IronPowderPage(c); },
         "Edit1", "Edit3", "ComboBox1", "Label36", "Label33",
         {"Label10", "Label13", "Label16", "Label22", "Label30", "Label240"}},
        {[](PageContext& c) -> CataloguePage* { return new FerriteFtPage(c); },
         "Edit17", "Edit18", "ComboBox6", "Label123", "Label122",
         {"Label127", "Label128", "Label129", "Label139", "Label140", "Label242"}},
        {[](PageContext& c) -> CataloguePage* { return new SiferritPage(c); },
         "Edit11", "Edit12", "ComboBox4", "Label66", "Label67",
         {"Label89", "Label90", "Label91", "Label84", "Label85", "Label243"}},
        {[](PageContext& c) -> CataloguePage* { return new FerroxcubePage(c); },
         "Edit24", "Edit25", "ComboBox17", "Label199", "Label207",
         {"Label193", "Label195", "Label197", "Label203", "Label206", "Label244"}},
    };
    // clang-format on
    return pages[which];
}

// The pages' worked examples at their start selections (T50 in mix 2, FT50
// in 43, R10 in N30, TN 10/6/4 in 3C11), German with a decimal comma in
// metric units: what the user types, and every label of the page.
struct WorkedExample {
    QStringList typed;
    QStringList shown;
};
const WorkedExample& workedExample(int which) {
    // clang-format off
    static const WorkedExample examples[] = {
        // 10 µH at 7 MHz, 20 turns: AL 4.9 nH/N² gives 45.175 turns.
        {{"Edit1=10", "ComboBox10#2", "Edit3=7", "Edit2=20"},
         {"Label9=12.70", "Label12=7.70", "Label15=4.83", "Label2= 4.90", "Label36=45.2", "Label29=0.50",
          "Label21= 66", "Label22= cm", "Label24=439.823", "Label26=", "Label38=1.960", "Label39=µH",
          "Label40=86.205", "Label18=", "Label6=1...30", "Label225=10"}},
        // 100 µH at 3.5 MHz, no turns typed.
        {{"Edit17=100", "ComboBox13#2", "Edit18=3,5"},
         {"Label111=0,01...1", "Label112=1...50", "Label113=30...600", "Label118=12.70", "Label119=7.14",
          "Label120=4.80", "Label227=850", "Label121=523.00", "Label123=13.8", "Label136=1.31", "Label135= 21",
          "Label139= cm", "Label141=2.199", "Label132=k", "Label147=0.000", "Label150=H", "Label148=0.000",
          "Label143="}},
        // 100 µH at 100 kHz, 10 turns.
        {{"Edit11=100", "Edit12=100", "Edit13=10"},
         {"Label77=10.80", "Label78=5.25", "Label79=4.00", "Label229=4300", "Label65=1760",
          "Label67=B64290-K38-X830", "Label154=Breitbandübertrager", "Label155=-", "Label66=7.5", "Label80=1.51",
          "Label81= 10", "Label84= cm", "Label92=62.832", "Label94=", "Label98=176.000", "Label99=µH",
          "Label100=110.584", "Label71="}},
        // 100 µH at 100 kHz, 10 turns, worked by hand: N = sqrt(100 µH / 1750 nH),
        // D = 5.2 mm · s / (1 + s) with s = sin(π / N), length = (2 · 4.4 + 10.6 − 5.2) mm · N.
        {{"Edit24=100", "Edit25=100", "Edit26=10"},
         {"Label181=10.60", "Label182=5.20", "Label183=4.40", "Label187=1750", "Label199=7.6", "Label204=1.50",
          "Label201= 11", "Label203= cm", "Label211=62.832", "Label213=", "Label216=175.000", "Label215=µH",
          "Label217=109.956", "Label220=", "Label184=4300"}},
    };
    // clang-format on
    return examples[which];
}

QColor face() { return QApplication::palette().color(QPalette::Window); }

} // namespace

class CataloguePagesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakeWindowContext> m_context;
    std::unique_ptr<CataloguePage> m_page;

    // A page as the start-up leaves it: units chosen, then the language
    // command's recompute.
    CataloguePage* start(int which, const QString& separator = ",", bool us = false, bool english = false) {
        m_page.reset();
        m_context = std::make_unique<FakeWindowContext>(separator, us, english);
        m_page.reset(page(which).make(*m_context));
        m_page->show();
        m_page->applyUnits();
        m_page->recompute();
        return m_page.get();
    }
    QStringList& messages() { return m_context->recorder().messages; }

private slots:
    void initTestCase() {
        // Showing a window on the offscreen platform warns each time that it
        // cannot pass size hints on; that says nothing about the pages.
        static QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& where, const QString& message) {
                if (!message.contains(QLatin1String("propagateSizeHints")))
                    previous(type, where, message);
            });
    }
    void cleanup() {
        if (m_page)
            verifyNoNanOrInf(m_page.get());
        m_page.reset();
        m_context.reset();
    }

    // Every result reaches its label. The same example in US units and in
    // English changes the dimensions, the wire and the application text.
    void workedExamples_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("us");
        QTest::addColumn<QStringList>("changed"); // in US units and English, beside the example's texts
        // clang-format off
        QTest::newRow("iron powder") << int(Iron) << false << QStringList{};
        QTest::newRow("iron powder, US")
            << int(Iron) << true
            << QStringList{"Label9=0.500", "Label12=0.303", "Label15=0.190", "Label29=25", "Label21=2.173",
                           "Label22= ft"};
        QTest::newRow("ferrite FT") << int(Ferrite) << false << QStringList{};
        QTest::newRow("ferrite FT, US")
            << int(Ferrite) << true
            << QStringList{"Label118=0.500", "Label119=0.281", "Label120=0.188", "Label136=16", "Label135=8.253",
                           "Label139= in"};
        QTest::newRow("SIFERRIT") << int(Siferrit) << false << QStringList{};
        QTest::newRow("SIFERRIT, US")
            << int(Siferrit) << true
            << QStringList{"Label77=0.433", "Label78=0.199", "Label79=0.195", "Label80=15", "Label81=4.021",
                           "Label84= in", "Label154=Broadband Transformer"};
        QTest::newRow("Ferroxcube") << int(Ferroxcube) << false << QStringList{};
        QTest::newRow("Ferroxcube, US")
            << int(Ferroxcube) << true
            << QStringList{"Label181=0.417", "Label182=0.205", "Label183=0.173", "Label204=15", "Label201=4.226",
                           "Label203= in"};
        // clang-format on
    }
    void workedExamples() {
        QFETCH(int, which);
        QFETCH(bool, us);
        QFETCH(QStringList, changed);
        // In the point locale a typed "," becomes the key filter's ".".
        QWidget* built = start(which, us ? "." : ",", us, us);
        typeFields(built, workedExample(which).typed);
        QStringList expected = changed;
        for (const QString& text : workedExample(which).shown)
            if (changed.filter(QRegularExpression("^" + text.section('=', 0, 0) + "=")).isEmpty())
                expected << text;
        verifyTexts(built, expected);
        QVERIFY(control<QLineEdit>(built, page(which).inductance)->isEnabled());
        QCOMPARE(messages(), QStringList());
    }

    // A pair that is not made: the page says so (the SIFERRIT page in its
    // ordering-code field, in the language shown and a smaller font), and the
    // inductance field takes no input but keeps its text. A made pair undoes
    // it all and computes that text.
    void notMade_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QStringList>("notMade");
        QTest::addColumn<QStringList>("made");
        QTest::addColumn<QString>("turns"); // for 100 µH on the made pair
        // T12 in mix 7 / in mix 2 (AL 2 nH/N²).
        // clang-format off
        QTest::newRow("iron powder") << int(Iron) << QStringList{"ComboBox2#0", "ComboBox1#5"}
                                     << QStringList{"ComboBox1#2"} << "Label36=223.6";
        QTest::newRow("ferrite FT") << int(Ferrite) << QStringList{"ComboBox6#8"} << QStringList{"ComboBox6#0"}
                                    << "Label123=13.8";
        // clang-format on
        // R2,5 in N27 / in N30 (AL 440 nH/N²).
        // clang-format off
        QTest::newRow("SIFERRIT") << int(Siferrit) << QStringList{"ComboBox3#0", "ComboBox4#0"}
                                  << QStringList{"ComboBox4#1"} << "Label66=15.1";
        QTest::newRow("Ferroxcube") << int(Ferroxcube) << QStringList{"ComboBox17#9"}
                                    << QStringList{"ComboBox17#1"} << "Label199=7.6";
        // clang-format on
    }
    void notMade() {
        QFETCH(int, which);
        QFETCH(QStringList, notMade);
        QFETCH(QStringList, made);
        QFETCH(QString, turns);
        const PageUnderTest& p = page(which);
        QWidget* built = start(which);
        auto* message = control<QLabel>(built, p.message);
        auto* inductance = control<QLineEdit>(built, p.inductance);
        typeFields(built, QStringList{QString(p.inductance) + "=100"} + notMade);
        QVERIFY(!inductance->isEnabled());
        QCOMPARE(inductance->text(), QStringLiteral("100"));
        if (which == Siferrit) {
            QCOMPARE(message->text(), QStringLiteral("Dieser Typ ist nicht verfügbar!"));
            QCOMPARE(message->font().pointSize(), 10);
            m_context->settings().setLanguage(Language::English);
            m_page->recompute();
            QCOMPARE(message->text(), QStringLiteral("This type is not available!"));
        } else {
            QVERIFY(message->isVisible());
            QVERIFY(showsHint(message));
        }

        typeFields(built, made);
        QVERIFY(inductance->isEnabled());
        verifyTexts(built, {turns});
        if (which == Siferrit) {
            QCOMPARE(message->text(), QStringLiteral("B64290-P35-X830"));
            QCOMPARE(message->font().pointSize(), 14);
        } else {
            QVERIFY(!message->isVisible());
            QVERIFY(!showsHint(message));
        }
        QCOMPARE(messages(), QStringList());
    }

    // The colour code as painted on the core; a half without paint shows the
    // window's own face.
    void colourCodes_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("material");
        QTest::addColumn<QColor>("upper");
        QTest::addColumn<QColor>("lower");
        // clang-format off
        QTest::newRow("iron mix 2") << int(Iron) << 2 << QColor(255, 0, 0) << QColor(255, 0, 0);
        QTest::newRow("iron mix 18") << int(Iron) << 10 << QColor(255, 0, 0) << QColor(0, 255, 0);
        QTest::newRow("Ferroxcube 3E5") << int(Ferroxcube) << 9 << QColor(255, 255, 0) << QColor(255, 255, 255);
        QTest::newRow("Ferroxcube 3B7, unpainted") << int(Ferroxcube) << 0 << face() << face();
        // clang-format on
    }
    void colourCodes() {
        QFETCH(int, which);
        QFETCH(int, material);
        QWidget* built = start(which);
        typeFields(built, {QStringLiteral("%1#%2").arg(page(which).materials).arg(material)});
        const char* halves[2][2] = {{"Label27", "Label32"}, {"Label185", "Label186"}};
        auto* upper = control<QLabel>(built, halves[which == Ferroxcube][0]);
        auto* lower = control<QLabel>(built, halves[which == Ferroxcube][1]);
        QTEST(upper->palette().color(QPalette::Window), "upper");
        QTEST(lower->palette().color(QPalette::Window), "lower");
        const bool painted = upper->palette().color(QPalette::Window) != face();
        QCOMPARE(upper->autoFillBackground(), painted);
    }

    // A failing recompute reports once and keeps what it showed before the
    // failing step; the labels after it keep their texts.
    void partialResultsBeforeAnError_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QString>("keys"); // typed after the worked example's frequency
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("written"); // as in the worked example
        // clang-format off
        QTest::newRow("iron powder") << int(Iron) << "x" << notANumber("7x")
                                     << QStringList{"Label9", "Label12", "Label15", "Label2", "Label36", "Label29",
                                                    "Label21", "Label22"};
        QTest::newRow("ferrite FT") << int(Ferrite) << "x" << notANumber("3,5x")
                                    << QStringList{"Label111", "Label112", "Label113", "Label118", "Label119",
                                                   "Label120", "Label227", "Label121", "Label123", "Label136",
                                                   "Label135"};
        QTest::newRow("SIFERRIT") << int(Siferrit) << "x" << notANumber("100x")
                                  << QStringList{"Label77", "Label78", "Label79", "Label229", "Label65", "Label67",
                                                 "Label154", "Label155", "Label66", "Label80", "Label81"};
        // clang-format on
        // 1e4931 kHz are beyond the largest number in Hz.
        // clang-format off
        QTest::newRow("Ferroxcube, overflow") << int(Ferroxcube) << "e4929" << kFloatingPoint
                                              << QStringList{"Label181", "Label182", "Label183", "Label187",
                                                             "Label199", "Label204", "Label201"};
        // clang-format on
    }
    void partialResultsBeforeAnError() {
        QFETCH(int, which);
        QFETCH(QString, keys);
        QFETCH(QString, message);
        QFETCH(QStringList, written);
        const PageUnderTest& p = page(which);
        QWidget* built = start(which);
        typeFields(built, workedExample(which).typed);
        // Every label the recompute writes is one of the worked example's.
        QStringList outputs;
        for (const QString& text : workedExample(which).shown)
            outputs << text.section('=', 0, 0);
        typeLastKeyMarked(built, control<QLineEdit>(built, p.frequency), false, keys, outputs);
        QCOMPARE(messages(), QStringList{message});
        QStringList shown;
        for (const QString& text : workedExample(which).shown)
            if (written.contains(text.section('=', 0, 0)))
                shown << text;
        verifyOutputs(built, outputs, shown);
    }

    void unitSwitch() {
        for (int which : {Iron, Ferrite, Siferrit, Ferroxcube}) {
            const PageUnderTest& p = page(which);
            CataloguePage* built = start(which);
            auto units = [&] {
                QStringList texts;
                for (const QString& name : p.units)
                    texts << labelText(built, qPrintable(name));
                return texts;
            };
            auto* gaugeMark = control<QLabel>(built, qPrintable(p.units.last()));
            m_context->settings().setUnits(UnitSystem::Us);
            built->applyUnits();
            QCOMPARE(units(), (QStringList{" in", " in", " in", " in", " AWG", "# "}));
            QVERIFY(gaugeMark->isVisible());
            m_context->settings().setUnits(UnitSystem::Metric);
            built->applyUnits();
            QCOMPARE(units(), (QStringList{" mm", " mm", " mm", " cm", " mm", "# "}));
            QVERIFY(!gaugeMark->isVisible());
            QCOMPARE(messages(), QStringList());
        }
    }

    // Typing a negative number passes a lone "-", reported once per key, and
    // a negative value; deleting both gives the start again.
    void minusFive_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<QStringList>("errors");
        const QString lone = notANumber("-");
        // A negative inductance has no square root.
        for (int which : {Iron, Ferrite, Siferrit, Ferroxcube})
            QTest::addRow("%s", page(which).inductance) << which << QStringList{lone, kFloatingPoint, lone};
    }
    void minusFive() {
        QFETCH(int, which);
        QWidget* built = start(which);
        auto* edit = control<QLineEdit>(built, page(which).inductance);
        const QString turns = labelText(built, page(which).turns);
        QTest::keyClicks(edit, "-5");
        verifyNoNanOrInf(built);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(labelText(built, page(which).turns), turns);
        QVERIFY(edit->isEnabled());
        QTEST(messages(), "errors");
    }

    // The start selections are made without a recompute: nothing is shown
    // before the start-up's unit command computes the page.
    void builtWithoutRecomputing() {
        for (int which : {Iron, Ferrite, Siferrit, Ferroxcube}) {
            FakeWindowContext context;
            std::unique_ptr<CataloguePage> built(page(which).make(context));
            QCOMPARE(labelText(built.get(), page(which).turns), QString());
            QVERIFY(context.recorder().messages.isEmpty());
        }
    }

    // Every caption, value and message reads in full in both languages and
    // both measurement systems, on a page no larger than the main window
    // allows.
    void nothingClipped_data() {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("us");
        for (int which : {Iron, Ferrite, Siferrit, Ferroxcube})
            for (bool english : {false, true})
                for (bool us : {false, true})
                    QTest::addRow("%s %s %s", page(which).materials, english ? "en" : "de", us ? "US" : "metric")
                        << which << english << us;
    }
    void nothingClipped() {
        QFETCH(int, which);
        QFETCH(bool, english);
        QFETCH(bool, us);
        QWidget* built = start(which, ",", us, english);
        if (which != Siferrit)
            control<QLabel>(built, page(which).message)->show();
        const QSize needed = built->minimumSizeHint();
        QVERIFY2(needed.width() <= 600 && needed.height() <= 300,
                 qPrintable(QStringLiteral("%1x%2").arg(needed.width()).arg(needed.height())));
        built->resize(needed);
        auto fits = [&] {
            QCoreApplication::processEvents();
            for (QLabel* label : built->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty())
                    continue;
                const QRect room = label->contentsRect().adjusted(label->margin(), 0, -label->margin(), 0);
                const QString what = label->objectName() + ": " + label->text();
                if (label->wordWrap())
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(what));
                else
                    QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= room.width(), qPrintable(what));
            }
            for (QGroupBox* group : built->findChildren<QGroupBox*>())
                QVERIFY(group->fontMetrics().horizontalAdvance(group->title()) < group->width());
        };
        fits(); // with the message shown
        // Every material's texts (ranges, application, µi; on the SIFERRIT
        // page also the message that replaces the code of a pair not made).
        auto* materials = control<QComboBox>(built, page(which).materials);
        for (int m = 0; m < materials->count(); ++m) {
            choose(materials, m);
            fits();
        }
    }
};

QTEST_MAIN(CataloguePagesTest)
#include "catalogue_pages_test.moc"
