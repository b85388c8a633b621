// The four catalogue pages driven like a user would: lists picked, numbers
// typed key by key, labels read by their object names.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>
#include <memory>
#include <stdexcept>
#include <vector>

#include "pages/ferrite_ft_page.h"
#include "pages/ferroxcube_page.h"
#include "pages/iron_powder_page.h"
#include "pages/siferrit_page.h"
#include "support/fake_window_context.h"
#include "support/ui_helpers.h"

using namespace torvex;
using namespace torvex::gui;
using namespace torvex::test;

namespace {

// What the tests need to know of each page.
struct PageUnderTest {
    const char* sheet;
    CataloguePage* (*make)(PageContext&);
    const char* inductance;
    const char* frequency;
    const char* turns;
    const char* turnsResult;
    const char* message; // the not-available message (SIFERRIT: the ordering-code label)
    std::array<const char*, 5> units; // Da, Di, h, wire length, wire diameter
    const char* hash;
};

const PageUnderTest kPages[] = {
    {"TabSheet1", [](PageContext& c) -> CataloguePage* { return new IronPowderPage(c); }, "Edit1", "Edit3", "Edit2",
     "Label36", "Label33", {"Label10", "Label13", "Label16", "Label22", "Label30"}, "Label240"},
    {"TabSheet2", [](PageContext& c) -> CataloguePage* { return new FerriteFtPage(c); }, "Edit17", "Edit18",
     "Edit19", "Label123", "Label122", {"Label127", "Label128", "Label129", "Label139", "Label140"}, "Label242"},
    {"TabSheet3", [](PageContext& c) -> CataloguePage* { return new SiferritPage(c); }, "Edit11", "Edit12",
     "Edit13", "Label66", "Label67", {"Label89", "Label90", "Label91", "Label84", "Label85"}, "Label243"},
    {"TabSheet6", [](PageContext& c) -> CataloguePage* { return new FerroxcubePage(c); }, "Edit24", "Edit25",
     "Edit26", "Label199", "Label207", {"Label193", "Label195", "Label197", "Label203", "Label206"}, "Label244"},
};
enum { Iron, Ferrite, Siferrit, Ferroxcube };

using Texts = std::vector<std::pair<const char*, const char*>>;
using Flags = std::vector<std::pair<const char*, bool>>;
using Colours = std::vector<std::pair<const char*, QColor>>;

const QColor kRed{255, 0, 0}, kWhite{255, 255, 255}, kYellow{255, 255, 0};
const QString kNotANumber = QStringLiteral("'%1' ist kein gültiger Fließkommawert");
const QString kInvalidOperation = QStringLiteral("Fehler bei Fließkommaoperation");

// One user action: a list position picked, or keys typed (into an emptied
// field, or appended). A "." in typed keys is sent as the key that is not the
// locale's separator, so that the key filter has to map it.
struct Step {
    const char* control;
    const char* keys = nullptr;
    int position = -1;
    bool append = false;
    int errorsAfter = -1; // messages recorded so far, checked after the step
};

struct Scenario {
    const char* name;
    int page;
    std::vector<Step> steps;
    Texts texts;              // in both systems and languages
    Texts metric, us;
    Texts german, english;
    Flags visible, enabled;
    Colours colours;
    QStringList errors;       // every message shown, in order
};

// Start selections (after the start-up's recompute) and the worked examples.
const std::vector<Scenario>& Scenarios() {
    static const std::vector<Scenario> all = {
        {"T50 mix 2 at start", Iron, {},
         {{"Label2", " 4.90"}, {"Label6", "1...30"}, {"Label225", "10"}, {"Label36", "0.0"}, {"Label24", "0.000"},
          {"Label26", ""}, {"Label38", "0.000"}, {"Label39", "H"}},
         {{"Label9", "12.70"}, {"Label12", "7.70"}, {"Label15", "4.83"}, {"Label29", "0.00"}, {"Label21", "  0"},
          {"Label22", " cm"}},
         {{"Label9", "0.500"}, {"Label12", "0.303"}, {"Label15", "0.190"}, {"Label29", "xxx"}, {"Label21", "0.000"},
          {"Label22", " in"}},
         {}, {}, {{"Label33", false}}, {{"Edit1", true}}, {{"Label27", kRed}, {"Label32", kRed}}, {}},
        {"T50 mix 2, 10 uH at 7 MHz, 20 turns", Iron,
         {{"Edit1", "10"}, {"ComboBox10", nullptr, 2}, {"Edit3", "7"}, {"Edit2", "20"}},
         {{"Label36", "45.2"}, {"Label24", "439.823"}, {"Label26", ""}, {"Label38", "1.960"}, {"Label39", "µH"},
          {"Label40", "86.205"}, {"Label18", ""}},
         {{"Label29", "0.54"}, {"Label21", " 66"}, {"Label22", " cm"}},
         {{"Label9", "0.500"}, {"Label29", "24"}, {"Label21", "2.173"}, {"Label22", " ft"}},
         {}, {}, {}, {}, {}, {}},
        // The mix data come last: a failed recompute keeps the old ones.
        {"iron: not a number keeps the mix data", Iron,
         {{"Edit1", "x", -1, false, 1}, {"ComboBox1", nullptr, 5, false, 2}},
         {{"Label2", " 4.30"}, {"Label6", "1...30"}, {"Label225", "10"}, {"Label36", "0.0"}},
         {}, {}, {}, {}, {{"Label33", false}}, {{"Edit1", true}}, {{"Label27", kRed}, {"Label32", kRed}},
         {kNotANumber.arg("x"), kNotANumber.arg("x")}},

        {"FT50 in 43 at start", Ferrite, {},
         {{"Label111", "0,01...1"}, {"Label112", "1...50"}, {"Label113", "30...600"}, {"Label227", "850"},
          {"Label121", "523.00"}, {"Label123", "0.0"}},
         {{"Label118", "12.70"}, {"Label119", "7.14"}, {"Label120", "4.80"}, {"Label136", "0.00"},
          {"Label135", "  0"}, {"Label139", " cm"}},
         {{"Label118", "0.500"}, {"Label119", "0.281"}, {"Label120", "0.188"}, {"Label136", "xxx"},
          {"Label135", "0.000"}, {"Label139", " in"}},
         {}, {}, {{"Label122", false}}, {{"Edit17", true}}, {}, {}},
        {"FT50 in 43, 100 uH at 3.5 MHz", Ferrite,
         {{"Edit17", "100"}, {"ComboBox13", nullptr, 2}, {"Edit18", "3.5"}},
         {{"Label123", "13.8"}, {"Label141", "2.199"}, {"Label132", "k"}, {"Label147", "0.000"}, {"Label150", "H"}},
         {{"Label136", "1.62"}, {"Label135", " 21"}, {"Label139", " cm"}},
         {{"Label118", "0.500"}, {"Label136", "15"}, {"Label135", "8.253"}, {"Label139", " in"}},
         {}, {}, {}, {}, {}, {}},
        // Material data come first; the cut at the frequency keeps the old XL.
        {"FT: not a number in the frequency", Ferrite,
         {{"Edit17", "100"}, {"Edit18", "1"}, {"Edit18", "x", -1, true, 1}, {"ComboBox6", nullptr, 8, false, 2}},
         {{"Label111", "0,001...1"}, {"Label113", "1...20"}, {"Label227", "3000"}, {"Label121", " 0.00"},
          {"Label123", "0.0"}, {"Label141", "628.319"}, {"Label132", "m"}},
         {}, {}, {}, {}, {{"Label122", true}}, {{"Edit17", false}}, {}, {kNotANumber.arg("1x"), kNotANumber.arg("1x")}},

        {"R10 in N30 at start", Siferrit, {},
         {{"Label65", "1760"}, {"Label229", "4300"}, {"Label67", "B64290-K38-X830"}, {"Label155", "-"},
          {"Label66", "0.0"}},
         {{"Label77", "10.80"}, {"Label78", "5.25"}, {"Label79", "4.00"}, {"Label80", "0.00"}, {"Label81", "  0"}},
         {{"Label77", "0.433"}, {"Label78", "0.199"}, {"Label79", "0.195"}, {"Label80", "xxx"}},
         {{"Label154", "Breitbandübertrager"}}, {{"Label154", "Broadband Transformer"}}, {}, {{"Edit11", true}}, {},
         {}},
        {"R10 in N30, 100 uH at 100 kHz, 10 turns", Siferrit, {{"Edit11", "100"}, {"Edit12", "100"}, {"Edit13", "10"}},
         {{"Label66", "7.5"}, {"Label92", "62.832"}, {"Label94", ""}, {"Label98", "176.000"}, {"Label99", "µH"},
          {"Label100", "110.584"}, {"Label71", ""}},
         {{"Label80", "2.19"}, {"Label81", " 10"}, {"Label84", " cm"}},
         {{"Label80", "12"}, {"Label81", "4.021"}, {"Label84", " in"}},
         {}, {}, {}, {}, {}, {}},
        // Code and application come before the cut at the turns field.
        {"SIFERRIT: not a number in the turns", Siferrit,
         {{"Edit11", "100"}, {"Edit12", "100"}, {"Edit13", "x", -1, false, 1}, {"ComboBox4", nullptr, 0, false, 2}},
         {{"Label65", "   0"}, {"Label229", "2000"}, {"Label154", ""}, {"Label155", ""}, {"Label66", "0.0"},
          {"Label92", "0.000"}, {"Label98", "0.000"}, {"Label99", "H"}},
         {}, {}, {{"Label67", "Dieser Typ ist nicht verfügbar!"}}, {{"Label67", "This type is not available!"}},
         {}, {{"Edit11", false}}, {}, {kNotANumber.arg("x"), kNotANumber.arg("x")}},

        {"TN 10/6/4 in 3C11 at start", Ferroxcube, {},
         {{"Label187", "1750"}, {"Label184", "4300"}, {"Label199", "0.0"}},
         {{"Label181", "10.60"}, {"Label182", "5.20"}, {"Label183", "4.40"}, {"Label204", "0.00"}},
         {{"Label181", "0.417"}, {"Label182", "0.205"}, {"Label183", "0.173"}, {"Label204", "xxx"}},
         {}, {}, {{"Label207", false}}, {{"Edit24", true}}, {{"Label185", kWhite}, {"Label186", kWhite}}, {}},
        // Hand calculation: N = sqrt(100 uH / 1750 nH) = 7.56, D = pi * 5.2 / N,
        // length = (2 * 4.4 + 10.6 - 5.2) * N / 10 cm, XL2 = 2 pi 100 kHz * 175 uH.
        {"TN 10/6/4 in 3C11, 100 uH at 100 kHz, 10 turns", Ferroxcube,
         {{"Edit24", "100"}, {"Edit25", "100"}, {"Edit26", "10"}},
         {{"Label199", "7.6"}, {"Label211", "62.832"}, {"Label216", "175.000"}, {"Label215", "µH"},
          {"Label217", "109.956"}},
         {{"Label204", "2.16"}, {"Label201", " 11"}, {"Label203", " cm"}},
         {{"Label204", "12"}, {"Label201", "4.226"}, {"Label203", " in"}},
         {}, {}, {}, {}, {}, {}},
        {"TN 10/6/4 in 3E5 is not made", Ferroxcube, {{"Edit24", "100"}, {"ComboBox17", nullptr, 9}},
         {{"Label187", "   0"}, {"Label199", "0.0"}, {"Label184", "10000"}, {"Label211", "0.000"}},
         {{"Label181", "10.60"}}, {{"Label181", "0.417"}}, {}, {},
         {{"Label207", true}}, {{"Edit24", false}}, {{"Label185", kYellow}, {"Label186", kWhite}}, {}},
        // µi and swatch come last; the cut at the inductance keeps them.
        {"Ferroxcube: not a number keeps µi and swatch", Ferroxcube,
         {{"Edit24", "x", -1, false, 1}, {"ComboBox17", nullptr, 9, false, 2}},
         {{"Label187", "   0"}, {"Label184", "4300"}}, {}, {}, {}, {},
         {{"Label207", false}}, {{"Edit24", true}}, {{"Label185", kWhite}, {"Label186", kWhite}},
         {kNotANumber.arg("x"), kNotANumber.arg("x")}},

        // A pair that is not made disables the inductance field, which keeps
        // its text; a made pair enables it again with the results of that text.
        // T12 in mix 2: AL 2 nH/N², N = sqrt(100 uH / 2 nH).
        {"iron: back from T12 mix 7", Iron,
         {{"Edit1", "100"}, {"ComboBox2", nullptr, 0}, {"ComboBox1", nullptr, 5}, {"ComboBox1", nullptr, 2}},
         {{"Label36", "223.6"}}, {}, {}, {}, {}, {{"Label33", false}}, {{"Edit1", true}}, {}, {}},
        {"FT: back from FT50 in F", Ferrite, {{"Edit17", "100"}, {"ComboBox6", nullptr, 8}, {"ComboBox6", nullptr, 0}},
         {{"Label123", "13.8"}}, {}, {}, {}, {}, {{"Label122", false}}, {{"Edit17", true}}, {}, {}},
        // R2,5 in N30: AL 440 nH/N², N = sqrt(100 uH / 440 nH).
        {"SIFERRIT: back from R2,5 in N27", Siferrit,
         {{"Edit11", "100"}, {"ComboBox3", nullptr, 0}, {"ComboBox4", nullptr, 0}, {"ComboBox4", nullptr, 1}},
         {{"Label66", "15.1"}, {"Label67", "B64290-P35-X830"}}, {}, {}, {}, {}, {}, {{"Edit11", true}}, {}, {}},
        {"Ferroxcube: back from 3E5", Ferroxcube,
         {{"Edit24", "100"}, {"ComboBox17", nullptr, 9}, {"ComboBox17", nullptr, 1}},
         {{"Label199", "7.6"}}, {}, {}, {}, {}, {{"Label207", false}}, {{"Edit24", true}}, {}, {}},
    };
    return all;
}

QString LabelsShowing(QWidget* page, const QRegularExpression& pattern) {
    QStringList hits;
    for (QLabel* label : page->findChildren<QLabel*>())
        if (label->text().contains(pattern))
            hits << label->objectName() + "=" + label->text();
    return hits.join(", ");
}

} // namespace

class CataloguePagesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FakeWindowContext> m_context;
    std::unique_ptr<CataloguePage> m_page;

    // A page as the start-up leaves it: units chosen, then the language
    // command's recompute.
    CataloguePage* startPage(int page, const QString& separator = ".", bool us = false, bool english = false) {
        m_page.reset();
        m_context = std::make_unique<FakeWindowContext>(separator, us, english);
        m_page.reset(kPages[page].make(*m_context));
        m_page->show();
        m_page->applyUnits();
        m_page->recompute();
        return m_page.get();
    }

    // A control of the current page; a missing one ends the test function.
    template <class W>
    W* find(const char* name) {
        W* w = control<W>(m_page.get(), name);
        if (!w)
            throw std::runtime_error(std::string("no control ") + name);
        return w;
    }

private slots:
    void initTestCase() {
        // Showing a window on the offscreen platform warns each time that it
        // cannot pass size hints on; that says nothing about the pages.
        static QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& where, const QString& message) {
                if (!message.contains(QLatin1String("propagateSizeHints")))
                    previous(type, where, message);
            });
    }
    void cleanup() {
        m_page.reset();
        m_context.reset();
    }

    void outputs_data() {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("us");
        for (std::size_t i = 0; i < Scenarios().size(); ++i)
            for (const char* separator : {",", "."})
                for (bool english : {false, true})
                    for (bool us : {false, true})
                        QTest::addRow("%s, '%s', %s, %s", Scenarios()[i].name, separator, english ? "en" : "de",
                                      us ? "US" : "metric")
                            << int(i) << QString(separator) << english << us;
    }
    void outputs() {
        QFETCH(int, scenario);
        QFETCH(QString, separator);
        QFETCH(bool, english);
        QFETCH(bool, us);
        const Scenario& s = Scenarios()[std::size_t(scenario)];
        QWidget* page = startPage(s.page, separator, us, english);

        for (const Step& step : s.steps) {
            if (!step.keys) {
                choose(find<QComboBox>(step.control), step.position);
            } else {
                auto* field = find<QLineEdit>(step.control);
                QString keys = QString::fromUtf8(step.keys);
                if (separator == ".")
                    keys.replace('.', ',');
                const QString before = step.append ? field->text() : QString();
                if (step.append)
                    QTest::keyClicks(field, keys);
                else
                    retype(field, keys);
                QCOMPARE(field->text(), before + QString::fromUtf8(step.keys).replace('.', separator));
            }
            if (step.errorsAfter >= 0)
                QCOMPARE(m_context->recorder().messages.size(), step.errorsAfter);
        }

        for (const Texts* list : {&s.texts, us ? &s.us : &s.metric, english ? &s.english : &s.german})
            for (const auto& [name, text] : *list)
                QCOMPARE(labelText(page, name), QString::fromUtf8(text));
        for (const auto& [name, on] : s.visible)
            QCOMPARE(find<QWidget>(name)->isVisible(), on);
        for (const auto& [name, on] : s.enabled)
            QCOMPARE(find<QWidget>(name)->isEnabled(), on);
        for (const auto& [name, colour] : s.colours)
            QCOMPARE(find<QWidget>(name)->palette().color(QPalette::Window), colour);
        QCOMPARE(m_context->recorder().messages, s.errors);
    }

    void unitSwitch_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("da"); // its label, then its text in mm and in inches
        QTest::addColumn<QString>("daMetric");
        QTest::addColumn<QString>("daUs");
        QTest::newRow("iron") << int(Iron) << "Label9" << "12.70" << "0.500";
        QTest::newRow("ferrite") << int(Ferrite) << "Label118" << "12.70" << "0.500";
        QTest::newRow("siferrit") << int(Siferrit) << "Label77" << "10.80" << "0.433";
        QTest::newRow("ferroxcube") << int(Ferroxcube) << "Label181" << "10.60" << "0.417";
    }
    void unitSwitch() {
        QFETCH(int, page);
        QFETCH(QString, da);
        QFETCH(QString, daMetric);
        QFETCH(QString, daUs);
        const PageUnderTest& p = kPages[page];
        CataloguePage* built = startPage(page);
        auto units = [&] {
            QStringList texts;
            for (const char* name : p.units)
                texts << labelText(built, name);
            return texts;
        };

        m_context->settings().setUnits(UnitSystem::Us);
        built->applyUnits();
        QCOMPARE(units(), (QStringList{" in", " in", " in", " in", " AWG"}));
        QVERIFY(find<QLabel>(p.hash)->isVisible());
        QCOMPARE(labelText(built, p.hash), QStringLiteral("# "));
        QCOMPARE(labelText(built, qPrintable(da)), daUs);

        m_context->settings().setUnits(UnitSystem::Metric);
        built->applyUnits();
        QCOMPARE(units(), (QStringList{" mm", " mm", " mm", " cm", " mm"}));
        QVERIFY(!find<QLabel>(p.hash)->isVisible());
        QCOMPARE(labelText(built, qPrintable(da)), daMetric);
        QVERIFY(m_context->recorder().messages.isEmpty());
    }

    // Typing a negative number passes a lone "-" and a negative value; neither
    // may ever show as "nan" or "inf", and deleting both gives the start again.
    void minusFive_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("field"); // 0 inductance, 1 frequency, 2 turns
        QTest::addColumn<QStringList>("errors");
        const QString lone = kNotANumber.arg("-");
        for (int page : {Iron, Ferrite, Siferrit, Ferroxcube}) {
            // A negative inductance has no square root; a negative frequency or
            // number of turns is simply computed.
            QTest::addRow("%s inductance", kPages[page].sheet) << page << 0 << QStringList{lone, kInvalidOperation, lone};
            QTest::addRow("%s frequency", kPages[page].sheet) << page << 1 << QStringList{lone, lone};
            QTest::addRow("%s turns", kPages[page].sheet) << page << 2 << QStringList{lone, lone};
        }
    }
    void minusFive() {
        QFETCH(int, page);
        QFETCH(int, field);
        QFETCH(QStringList, errors);
        const PageUnderTest& p = kPages[page];
        QWidget* built = startPage(page);
        auto* edit = find<QLineEdit>(field == 0 ? p.inductance : field == 1 ? p.frequency : p.turns);
        if (field != 0)
            retype(find<QLineEdit>(p.inductance), "10");
        const QString turns = labelText(built, p.turnsResult);
        const QRegularExpression broken("\\b(nan|inf)\\b", QRegularExpression::CaseInsensitiveOption);

        QTest::keyClicks(edit, "-");
        QCOMPARE(LabelsShowing(built, broken), QString());
        QTest::keyClicks(edit, "5");
        QCOMPARE(LabelsShowing(built, broken), QString());
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(LabelsShowing(built, broken), QString());
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(LabelsShowing(built, broken), QString());
        QCOMPARE(labelText(built, p.turnsResult), turns);
        QVERIFY(find<QLineEdit>(p.inductance)->isEnabled());
        QCOMPARE(m_context->recorder().messages, errors);
    }

    // The start selections are made without a recompute: nothing is shown
    // before the start-up's unit command computes the page.
    void builtWithoutRecomputing() {
        for (int page : {Iron, Ferrite, Siferrit, Ferroxcube}) {
            FakeWindowContext context;
            std::unique_ptr<CataloguePage> built(kPages[page].make(context));
            QCOMPARE(labelText(built.get(), kPages[page].turnsResult), QString());
            QVERIFY(context.recorder().messages.isEmpty());
        }
    }

    // Every caption, value and message reads in full in both languages and
    // both measurement systems, on a page no larger than the main window
    // allows.
    void nothingClipped_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("us");
        for (int page : {Iron, Ferrite, Siferrit, Ferroxcube})
            for (bool english : {false, true})
                for (bool us : {false, true})
                    QTest::addRow("%s %s %s", kPages[page].sheet, english ? "en" : "de", us ? "US" : "metric")
                        << page << english << us;
    }
    void nothingClipped() {
        QFETCH(int, page);
        QFETCH(bool, english);
        QFETCH(bool, us);
        QWidget* built = startPage(page, ",", us, english);
        if (page != Siferrit)
            find<QLabel>(kPages[page].message)->show();
        const QSize budget(600, 300);
        const QSize needed = built->minimumSizeHint();
        QVERIFY2(needed.width() <= budget.width() && needed.height() <= budget.height(),
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
        QComboBox* materials = built->findChildren<QComboBox*>().at(1);
        for (int m = 0; m < materials->count(); ++m) {
            choose(materials, m);
            fits();
        }
    }
};

QTEST_MAIN(CataloguePagesTest)
#include "catalogue_pages_test.moc"
