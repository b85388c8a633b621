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

#include "pages/catalogue_pages.h"
#include "support/fake_main_context.h"
#include "support/ui_helpers.h"
#include "text/text_table.h"
#include "widgets/colours.h"
#include "widgets/make.h"

using namespace torvex;
using namespace torvex::gui;
using namespace torvex::test;

namespace {

// What the tests need to know of each page.
struct PageUnderTest {
    const char* sheet;
    CataloguePage* (*make)(MainContext&);
    const char* inductance;
    const char* frequency;
    const char* turns;
    const char* turnsResult;
    const char* message; // the not-available message (SIFERRIT: the ordering-code label)
    std::array<const char*, 5> units; // Da, Di, h, wire length, wire diameter
    const char* hash;
};

const PageUnderTest kPages[] = {
    {"TabSheet1", [](MainContext& c) -> CataloguePage* { return new IronPowderPage(c); }, "Edit1", "Edit3", "Edit2",
     "Label36", "Label33", {"Label10", "Label13", "Label16", "Label22", "Label30"}, "Label240"},
    {"TabSheet2", [](MainContext& c) -> CataloguePage* { return new FerriteFtPage(c); }, "Edit17", "Edit18",
     "Edit19", "Label123", "Label122", {"Label127", "Label128", "Label129", "Label139", "Label140"}, "Label242"},
    {"TabSheet3", [](MainContext& c) -> CataloguePage* { return new SiferritPage(c); }, "Edit11", "Edit12",
     "Edit13", "Label66", "Label67", {"Label89", "Label90", "Label91", "Label84", "Label85"}, "Label243"},
    {"TabSheet6", [](MainContext& c) -> CataloguePage* { return new FerroxcubePage(c); }, "Edit24", "Edit25",
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

// The captions a language switch would set, for looking at the pages in both
// languages (labels and group boxes only).
void ApplyCaptions(QWidget* page, int offset) {
    for (QWidget* w : page->findChildren<QWidget*>()) {
        const int tag = tagOf(w);
        if (!tag)
            continue;
        const std::string_view text = LoadText(tag, offset);
        const QString caption = QString::fromUtf8(text.data(), qsizetype(text.size()));
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(caption);
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            group->setTitle(caption);
    }
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
    std::unique_ptr<FakeMainContext> m_context;
    std::unique_ptr<CataloguePage> m_page;

    // A page as the start-up leaves it: units chosen, then the language
    // command's recompute.
    CataloguePage* startPage(int page, const QString& separator = ".", bool us = false, bool english = false) {
        m_page.reset();
        m_context = std::make_unique<FakeMainContext>(separator, us, english);
        m_page.reset(kPages[page].make(*m_context));
        m_page->show();
        m_page->applyUnits(us);
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

        m_context->mutableState().usUnits = true;
        built->applyUnits(true);
        QCOMPARE(units(), (QStringList{" in", " in", " in", " in", " AWG"}));
        QVERIFY(find<QLabel>(p.hash)->isVisible());
        QCOMPARE(labelText(built, p.hash), QStringLiteral("# "));
        QCOMPARE(labelText(built, qPrintable(da)), daUs);

        m_context->mutableState().usUnits = false;
        built->applyUnits(false);
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

    void controls_data();
    void controls();

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
        ApplyCaptions(built, english ? 1000 : 0);
        m_page->recompute();
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

namespace {

// The named controls of a page: labels whose tag is the number in their name,
// untagged captions with their fixed texts, fields the recompute fills, the
// entry fields (the last one is the dark-green turns field) and the lists.
struct ExpectedList {
    const char* name;
    int tag;
    int count;
    int visibleItems; // 0: not fixed
    const char* shown;
};
struct ControlTable {
    const char* tagged;
    Texts fixed;
    const char* filled;
    const char* entries;
    std::vector<ExpectedList> lists;
    const char* group;
    int groupTag;
};

const ControlTable kControls[] = {
    {"Label5 Label8 Label11 Label17 Label19 Label20 Label28 Label33 Label34 Label75 Label165",
     {{"Label1", "-"}, {"Label4", "AL ="}, {"Label3", " nH/N²"}, {"Label224", " µi = "}, {"Label14", "h"},
      {"Label7", "MHz"}, {"Label23", "XL ="}, {"Label35", "=>"}, {"Label25", "Ω"}, {"Label37", "N"},
      {"Label41", "XL = "}, {"Label42", "Ω"}, {"Label240", "# "}, {"Label10", " mm"}, {"Label13", " mm"},
      {"Label16", " mm"}, {"Label22", " cm"}, {"Label30", " mm"}},
     "Label2 Label6 Label9 Label12 Label15 Label225 Label36 Label21 Label29 Label24 Label26 Label38 Label39 "
     "Label40 Label18 Label27 Label32",
     "Edit1 Edit3 Edit2",
     {{"ComboBox2", 402, 24, 16, "T50"}, {"ComboBox1", 401, 12, 12, "2"}, {"ComboBox9", 0, 4, 0, "µH"},
      {"ComboBox10", 0, 4, 0, "kHz"}},
     "GroupBox1", 301},
    {"Label76 Label114 Label115 Label116 Label117 Label122 Label124 Label125 Label133 Label134 Label137 "
     "Label138 Label142",
     {{"Label164", "-"}, {"Label126", "h"}, {"Label130", "AL ="}, {"Label131", " mH/(1000 N)²"},
      {"Label226", " µi = "}, {"Label145", "XL ="}, {"Label144", "=>"}, {"Label146", "Ω"}, {"Label149", "N"},
      {"Label152", "XL = "}, {"Label151", "Ω"}, {"Label242", "# "}, {"Label127", " mm"}, {"Label128", " mm"},
      {"Label129", " mm"}, {"Label139", " cm"}, {"Label140", " mm"}},
     "Label111 Label112 Label113 Label227 Label121 Label118 Label119 Label120 Label123 Label135 Label136 "
     "Label141 Label132 Label147 Label150 Label148 Label143",
     "Edit17 Edit18 Edit19",
     {{"ComboBox5", 405, 18, 18, "FT50"}, {"ComboBox6", 406, 12, 12, "43"}, {"ComboBox12", 0, 4, 0, "µH"},
      {"ComboBox13", 0, 4, 0, "kHz"}},
     "GroupBox6", 306},
    {"Label70 Label72 Label73 Label74 Label82 Label83 Label86 Label87 Label93 Label156",
     {{"Label88", "h"}, {"Label68", "AL = "}, {"Label69", " nH/N²"}, {"Label228", " µi = "}, {"Label95", "XL ="},
      {"Label96", "=>"}, {"Label101", "Ω"}, {"Label97", "N"}, {"Label103", "XL ="}, {"Label102", "Ω"},
      {"Label243", "# "}, {"Label89", " mm"}, {"Label90", " mm"}, {"Label91", " mm"}, {"Label84", " cm"},
      {"Label85", " mm"}},
     "Label77 Label78 Label79 Label65 Label229 Label67 Label154 Label155 Label66 Label80 Label81 Label92 Label94 "
     "Label98 Label99 Label100 Label71",
     "Edit11 Edit12 Edit13",
     {{"ComboBox3", 403, 19, 16, "R10"}, {"ComboBox4", 404, 8, 0, "N30"}, {"ComboBox14", 0, 4, 0, "µH"},
      {"ComboBox15", 0, 4, 0, "kHz"}},
     "GroupBox5", 305},
    {"Label180 Label188 Label192 Label194 Label198 Label200 Label202 Label205 Label207 Label208",
     {{"Label196", "h"}, {"Label189", "AL = "}, {"Label190", " nH/N²"}, {"Label191", " µi = "},
      {"Label210", "XL ="}, {"Label209", "=>"}, {"Label212", "Ω"}, {"Label214", "N"}, {"Label218", "XL = "},
      {"Label219", "Ω"}, {"Label244", "# "}, {"Label193", " mm"}, {"Label195", " mm"}, {"Label197", " mm"},
      {"Label203", " cm"}, {"Label206", " mm"}},
     "Label181 Label182 Label183 Label187 Label184 Label185 Label186 Label199 Label204 Label201 Label211 "
     "Label213 Label216 Label215 Label217 Label220",
     "Edit24 Edit25 Edit26",
     {{"ComboBox16", 416, 92, 16, "TN 10/6/4"}, {"ComboBox17", 417, 21, 16, "3C11"}, {"ComboBox18", 0, 4, 0, "µH"},
      {"ComboBox19", 0, 4, 0, "kHz"}},
     "GroupBox8", 308},
};

QStringList Names(const char* spaced) { return QString::fromLatin1(spaced).split(' '); }

} // namespace

void CataloguePagesTest::controls_data() {
    QTest::addColumn<int>("page");
    for (int page : {Iron, Ferrite, Siferrit, Ferroxcube})
        QTest::newRow(kPages[page].sheet) << page;
}

void CataloguePagesTest::controls() {
    QFETCH(int, page);
    const ControlTable& t = kControls[page];
    FakeMainContext context;
    std::unique_ptr<CataloguePage> built(kPages[page].make(context));
    QCOMPARE(built->objectName(), QString::fromLatin1(kPages[page].sheet));
    // The start selections below were made without a recompute.
    QCOMPARE(labelText(built.get(), kPages[page].turnsResult), QString());

    for (const QString& name : Names(t.tagged)) {
        auto* label = built->findChild<QLabel*>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(tagOf(label), name.mid(5).toInt());
    }
    for (const auto& [name, text] : t.fixed) {
        auto* label = built->findChild<QLabel*>(name);
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QString::fromUtf8(text));
        QCOMPARE(tagOf(label), 0);
    }
    for (const QString& name : Names(t.filled)) {
        auto* label = built->findChild<QLabel*>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(tagOf(label), 0);
    }
    const QStringList entries = Names(t.entries);
    for (const QString& name : entries) {
        auto* edit = built->findChild<QLineEdit*>(name);
        QVERIFY2(edit, qPrintable(name));
        QVERIFY(edit->text().isEmpty());
        const bool turns = name == entries.last();
        QCOMPARE(edit->palette().color(QPalette::Base), turns ? kTurnsGreen : kEntryLime);
        QCOMPARE(edit->font().bold(), turns);
    }
    for (const ExpectedList& expected : t.lists) {
        auto* list = built->findChild<QComboBox*>(expected.name);
        QVERIFY2(list, expected.name);
        QCOMPARE(tagOf(list), expected.tag);
        QCOMPARE(list->count(), expected.count);
        QVERIFY(!list->isEditable());
        if (expected.visibleItems)
            QCOMPARE(list->maxVisibleItems(), expected.visibleItems);
        QCOMPARE(list->currentText(), QString::fromUtf8(expected.shown));
        QCOMPARE(list->palette().color(QPalette::Button), kListYellow);
    }
    const QStringList inductanceUnits{"nH", "µH", "mH", "H"};
    const QStringList frequencyUnits{"Hz", "kHz", "MHz", "GHz"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(built->findChild<QComboBox*>(t.lists[2].name)->itemText(i), inductanceUnits[i]);
        QCOMPARE(built->findChild<QComboBox*>(t.lists[3].name)->itemText(i), frequencyUnits[i]);
    }
    auto* group = built->findChild<QGroupBox*>(t.group);
    QVERIFY(group);
    QCOMPARE(tagOf(group), t.groupTag);
    QVERIFY(group->isAncestorOf(built->findChild<QLineEdit*>(entries.last())));
}

QTEST_MAIN(CataloguePagesTest)
#include "catalogue_pages_test.moc"
