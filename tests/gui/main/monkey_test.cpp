// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A seeded random walk of user actions over every window of the started
// program. After every action: no text on screen is "nan" or "inf", at most one
// error message was shown, and, when the action raised none, recomputing every
// calculator of the window it touched gives exactly the same labels (texts and
// looks) and leaves the same fields taking input.
//
// TORVEX_MONKEY_SEED and TORVEX_MONKEY_ACTIONS choose the walk; a failure
// prints both, so the walk up to the failing action can be replayed.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <functional>
#include <random>
#include <vector>

#include "pages/air_coil_page.h"
#include "pages/ferrite_ft_page.h"
#include "pages/ferroxcube_page.h"
#include "pages/iron_powder_page.h"
#include "pages/siferrit_page.h"
#include "pages/unknown_core_page.h"
#include "started_program.h"
#include "support/ui_helpers.h"
#include "tools/about_window.h"
#include "tools/al_permeability_window.h"
#include "tools/conversion_window.h"
#include "tools/copper_resistance_window.h"
#include "tools/resonance_window.h"

using namespace torvex;
using test::StartedProgram;

namespace {

constexpr std::uint32_t kDefaultSeed = 20260407;
constexpr int kDefaultActions = 3000;
// A fresh program, started from another locale, after this many actions.
constexpr int kActionsPerStart = 750;
// How many earlier actions a failure report lists.
constexpr std::size_t kHistory = 12;

// One calculator: its window, its name and the inputs bound to it.
struct Calculator {
    const char* window;
    const char* name;
    QStringList inputs;
    std::function<void(gui::Program&)> recompute;

    QString key() const { return QLatin1String(window) + QLatin1Char('.') + QLatin1String(name); }
};

const std::vector<Calculator>& Calculators() {
    using P = gui::Program;
    // clang-format off
    static const std::vector<Calculator> table{
        {"TForm1", "ironPowder", {"ComboBox2", "ComboBox1", "Edit1", "ComboBox9", "Edit3", "ComboBox10", "Edit2"},
         [](P& p) { p.mainWindow()->ironPowderPage().recompute(); }},
        {"TForm1", "ferriteFt", {"ComboBox5", "ComboBox6", "Edit17", "ComboBox12", "Edit18", "ComboBox13", "Edit19"},
         [](P& p) { p.mainWindow()->ferriteFtPage().recompute(); }},
        {"TForm1", "siferrit", {"ComboBox3", "ComboBox4", "Edit11", "ComboBox14", "Edit12", "ComboBox15", "Edit13"},
         [](P& p) { p.mainWindow()->siferritPage().recompute(); }},
        {"TForm1", "ferroxcube",
         {"ComboBox16", "ComboBox17", "Edit24", "ComboBox18", "Edit25", "ComboBox19", "Edit26"},
         [](P& p) { p.mainWindow()->ferroxcubePage().recompute(); }},
        {"TForm1", "unknownCore",
         {"Edit20", "ComboBox7", "Edit4", "ComboBox8", "Edit6", "Edit7", "Edit21", "Edit27", "ComboBox20", "Edit5",
          "BitBtn1", "BitBtn2"},
         [](P& p) { p.mainWindow()->unknownCorePage().recompute(); }},
        {"TForm1", "coilTurns", {"Edit14", "ComboBox11", "Edit15", "Edit16"},
         [](P& p) { p.mainWindow()->airCoilPage().recomputeCoilTurns(); }},
        {"TForm1", "coilInductance", {"Edit8", "Edit9", "Edit10"},
         [](P& p) { p.mainWindow()->airCoilPage().recomputeCoilInductance(); }},
        {"TForm1", "straightConductor", {"ComboBox21", "Edit23", "RadioButton1", "RadioButton2"},
         [](P& p) { p.mainWindow()->airCoilPage().recomputeStraightConductor(); }},
        {"TForm2", "frequency", {"Edit1", "ComboBox1", "Edit2", "ComboBox2"},
         [](P& p) { p.resonance().recomputeFrequency(); }},
        {"TForm2", "capacitance", {"Edit3", "ComboBox3", "Edit4", "ComboBox4"},
         [](P& p) { p.resonance().recomputeCapacitance(); }},
        {"TForm2", "inductance", {"Edit5", "ComboBox5", "Edit6", "ComboBox6"},
         [](P& p) { p.resonance().recomputeInductance(); }},
        {"TForm3", "alPermeability", {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"},
         [](P& p) { p.alPermeability().recompute(); }},
        {"TForm4", "copperResistance", {"Edit1", "ComboBox1", "ComboBox2", "Edit3"},
         [](P& p) { p.copper().recompute(); }},
        {"TForm5", "imperialToMetric", {"Edit1", "ComboBox1"},
         [](P& p) { p.conversion().recomputeImperialToMetric(); }},
        {"TForm5", "metricToImperial", {"Edit2", "ComboBox2"},
         [](P& p) { p.conversion().recomputeMetricToImperial(); }},
        {"TForm5", "gaugeDiameter", {"ComboBox3"}, [](P& p) { p.conversion().recomputeGaugeDiameter(); }},
        {"TForm5", "fahrenheit", {"Edit3"}, [](P& p) { p.conversion().recomputeFahrenheit(); }},
    };
    // clang-format on
    return table;
}

// The language command recomputes these; the unit command every calculator
// of the main window and the copper-resistance window.
const QStringList kLanguageRecomputes{"TForm1.straightConductor", "TForm1.ironPowder", "TForm1.siferrit",
                                      "TForm1.ferriteFt", "TForm1.ferroxcube"};

// What a user types, by how often: mostly digits, now and then a separator,
// a sign, an exponent, a blank or a stray letter. The letters hold no "n", so
// no field a user fills can spell "nan" or "inf": any such word on screen was
// written by the program.
struct Keys {
    int weight;
    QString characters;
};
// clang-format off
const Keys kTyped[] = {
    {70, QStringLiteral("0123456789")},
    {10, QStringLiteral(".,")},
    {5, QStringLiteral("+-")},
    {5, QStringLiteral("eE")},
    {3, QStringLiteral(" ")},
    {7, QStringLiteral("abcdxyzkmAXZ\u00B5\u00E4\u00B2")},
};
// clang-format on

const QStringList kPasteCorpus{"0",
                               "-0",
                               "1e4000",
                               "-1e4000",
                               "1e-4000",
                               "1e4932",
                               "1.1e4932",
                               "1,1e4932",
                               "1e4933",
                               "-1e4933",
                               "1e-4951",
                               "1e-4960",
                               "1,5",
                               "1.5",
                               ",5",
                               ".5",
                               "5,",
                               "5.",
                               "-",
                               "+",
                               ",",
                               ".",
                               "e",
                               "E",
                               "5e",
                               "5E+",
                               "1e-",
                               " 12 ",
                               "  ",
                               "1 2",
                               "0x1A",
                               "1,2,3",
                               "1.2.3",
                               "--1",
                               "+-1",
                               "1e1e1",
                               "\u00B5",
                               "12abc",
                               "99999999999999999999999999",
                               "0.000000000000000000001",
                               "-5",
                               "-0,001",
                               "1e9",
                               "1e-9",
                               "1e12",
                               "-1e-12",
                               "1e2000",
                               "-1e2466",
                               "1e-2470"};

// A word "nan" or "inf" (any case) not inside a longer word: "Resonanz" and
// "Info" are captions, "NAN", "-inf" or "1.#INF" are broken numbers.
const QRegularExpression kNotANumber(QStringLiteral("(?<![a-z])(nan|inf)(?![a-z])"),
                                     QRegularExpression::CaseInsensitiveOption);

// The two messages of the program; group 3 is the refused text.
const QRegularExpression
    kKnownMessage(QStringLiteral("^(Fehler bei Fließkommaoperation|('(.*)' ist kein gültiger Fließkommawert))$"),
                  QRegularExpression::DotMatchesEverythingOption);

// What one action did: which windows it touched and which calculators it ran.
struct Step {
    QString description;
    QList<QWidget*> windows;
    QSet<QString> ran;
    bool captions = false; // a language or unit switch: captions change, and windows fit them
};

struct Locale {
    int languageId;
    const char* separator;
};
constexpr Locale kLocales[] = {{1031, ","}, {1031, "."}, {1033, "."}, {1033, ","},
                               {2057, "."}, {3079, ","}, {1036, ","}, {1033, ""}};

class Monkey {
public:
    Monkey(std::uint32_t seed, int actions) : m_seed(seed), m_actions(actions), m_random(seed) {}

    // Empty when every action ran clean; else what failed and how to replay it.
    QString run() {
        for (m_index = 0; m_index < m_actions; ++m_index) {
            if (m_index % kActionsPerStart == 0)
                start();
            const int messagesBefore = int(m_program->errors.messages.size());
            const QHash<QWidget*, QSize> sizes = shownSizes();
            Step step = act();
            remember(step.description);
            m_everRan.unite(step.ran);
            ++m_kinds[step.description.section(QLatin1Char(' '), 0, 0)];
            // A label's new size reaches its window one layout per pass.
            for (int pass = 0; pass < 4; ++pass)
                QCoreApplication::processEvents();
            if (QString failure = check(step, messagesBefore, sizes); !failure.isEmpty())
                return report(failure);
        }
        return {};
    }

    // What the walk did, for the log.
    QString summary() const {
        QStringList kinds;
        for (auto it = m_kinds.constBegin(); it != m_kinds.constEnd(); ++it)
            kinds << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
        return QStringLiteral("%1; messages: %2 conversion, %3 floating-point; %4 recomputes checked again")
            .arg(kinds.join(QStringLiteral(", ")))
            .arg(m_conversionMessages)
            .arg(m_floatingPointMessages)
            .arg(m_recomputed);
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }
    template <class T> T* pickFrom(const QList<T*>& list) {
        return list.isEmpty() ? nullptr : list.at(pick(int(list.size())));
    }

    void start() {
        const Locale& locale = kLocales[pick(int(std::size(kLocales)))];
        m_program.reset();
        m_program = std::make_unique<StartedProgram>(locale.languageId, QString::fromUtf8(locale.separator));
        m_program->main()->show();
        // A page of the main window computes as it is built, the conversion
        // window its gauge row; the other calculators wait for input.
        m_everRan = allCalculatorsOf({QStringLiteral("TForm1")});
        m_everRan << QStringLiteral("TForm5.gaugeDiameter");
        remember(QStringLiteral("start with language %1 and separator \"%2\"")
                     .arg(locale.languageId)
                     .arg(QString::fromUtf8(locale.separator)));
    }

    gui::Program& program() { return *m_program->program; }
    gui::MainWindow* main() { return m_program->main(); }
    QList<QWidget*> windows() { return main()->windows(); }

    QList<QWidget*> shownWindows() {
        QList<QWidget*> shown;
        for (QWidget* w : windows())
            if (w->isVisible())
                shown << w;
        return shown;
    }

    template <class W> QList<W*> usable() {
        QList<W*> found;
        for (QWidget* window : shownWindows())
            for (W* w : window->findChildren<W*>())
                if (w->isVisible() && w->isEnabled())
                    found << w;
        return found;
    }

    // The fields a user can type into: line edits and editable lists.
    QList<QWidget*> fields() {
        QList<QWidget*> found;
        for (QLineEdit* edit : usable<QLineEdit>())
            if (!qobject_cast<QComboBox*>(edit->parentWidget()) && !edit->isReadOnly())
                found << edit;
        for (QComboBox* list : usable<QComboBox>())
            if (list->isEditable())
                found << list;
        return found;
    }

    static QLineEdit* editOf(QWidget* field) {
        if (auto* list = qobject_cast<QComboBox*>(field))
            return list->lineEdit();
        return qobject_cast<QLineEdit*>(field);
    }

    static QString nameOf(const QWidget* w) { return w->window()->objectName() + QLatin1Char('/') + w->objectName(); }

    // The calculators bound to a control.
    QSet<QString> calculatorsOf(const QWidget* control) {
        QSet<QString> found;
        const QString window = control->window()->objectName();
        for (const Calculator& c : Calculators())
            if (window == QLatin1String(c.window) && c.inputs.contains(control->objectName()))
                found << c.key();
        return found;
    }

    Step act() {
        // A user who sees a text refused mostly puts it right next.
        if (QWidget* refused = m_refused.data();
            refused && refused->isVisible() && refused->isEnabled() && editOf(refused)) {
            m_refused.clear();
            if (chance(70))
                return correct(refused);
        }
        m_refused.clear();
        const int roll = pick(100);
        if (roll < 40)
            return typeCharacter();
        if (roll < 52)
            return deleteCharacters();
        if (roll < 62)
            return paste();
        if (roll < 74)
            return pickListPosition();
        if (roll < 77)
            return clickRadioButton();
        if (roll < 80)
            return clickCopyButton();
        if (roll < 85)
            return switchPage();
        if (roll < 89)
            return openWindow();
        if (roll < 91)
            return closeWindow();
        if (roll < 93)
            return switchUnits();
        if (roll < 96)
            return switchLanguage();
        if (roll < 99)
            return aboutKeys();
        return contextHelp();
    }

    // Runs a change of a field's text; the field's calculators ran when the
    // text changed.
    Step changeField(QWidget* field, const QString& what, const std::function<void(QLineEdit*)>& change) {
        QLineEdit* edit = editOf(field);
        const QString before = edit->text();
        change(edit);
        const QString after = edit->text();
        Step step{QStringLiteral("%1 in %2: \"%3\" -> \"%4\"").arg(what, nameOf(field), elide(before), elide(after)),
                  {field->window()},
                  {}};
        if (after != before)
            step.ran = calculatorsOf(field);
        return step;
    }

    static QString elide(const QString& text) {
        return text.size() <= 60 ? text
                                 : text.left(28) + QStringLiteral("...(%1 chars)...").arg(text.size()) + text.right(20);
    }

    QChar typedCharacter() {
        int roll = pick(100);
        for (const Keys& keys : kTyped) {
            if (roll < keys.weight)
                return keys.characters.at(pick(int(keys.characters.size())));
            roll -= keys.weight;
        }
        return QLatin1Char('0');
    }

    void placeCursor(QLineEdit* edit) {
        if (chance(30))
            edit->setCursorPosition(pick(int(edit->text().size()) + 1));
    }

    Step typeCharacter() {
        QWidget* field = pickFrom(fields());
        if (!field)
            return openWindow();
        const QChar c = typedCharacter();
        return changeField(field, QStringLiteral("type '%1'").arg(c), [&](QLineEdit* edit) {
            placeCursor(edit);
            if (c.unicode() < 128)
                QTest::keyClick(field, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        });
    }

    Step deleteCharacters() {
        QWidget* field = pickFrom(fields());
        if (!field)
            return openWindow();
        const int how = pick(4);
        const QString what = how == 0  ? QStringLiteral("select all and delete")
                             : how < 3 ? QStringLiteral("backspace")
                                       : QStringLiteral("delete");
        return changeField(field, what, [&](QLineEdit* edit) {
            if (how == 0) {
                QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(field, Qt::Key_Backspace);
                return;
            }
            edit->setCursorPosition(pick(int(edit->text().size()) + 1));
            QTest::keyClick(field, how < 3 ? Qt::Key_Backspace : Qt::Key_Delete);
        });
    }

    QString digits(int count) {
        QString run;
        run.reserve(count);
        for (int i = 0; i < count; ++i)
            run += QLatin1Char(char('0' + pick(10)));
        return run;
    }

    // A number as the user's locale writes it, of any size the type holds.
    QString wellFormedNumber() {
        QString text;
        if (chance(20))
            text += QLatin1Char('-');
        text += digits(1 + pick(6));
        if (chance(60))
            text += main()->settings().decimalSeparator() + digits(pick(6));
        if (chance(40)) {
            const int exponent = chance(10) ? pick(9900) - 4950 : pick(61) - 30;
            text += QStringLiteral("e%1").arg(exponent);
        }
        return text;
    }

    QString pasteText() {
        const int kind = pick(10);
        if (kind < 3)
            return kPasteCorpus.at(pick(int(kPasteCorpus.size())));
        if (kind == 3) {
            // A long run of digits, sometimes with a separator or an exponent.
            QString run = digits(chance(20) ? 1000 + pick(4000) : 20 + pick(200));
            if (chance(40))
                run.insert(pick(int(run.size())), chance(50) ? QLatin1Char('.') : QLatin1Char(','));
            if (chance(30))
                run += QStringLiteral("e-") + digits(1 + pick(4));
            return run;
        }
        if (kind < 7)
            return wellFormedNumber();
        // A few pieces of the number grammar, in any order.
        QString text;
        const int pieces = 1 + pick(5);
        for (int i = 0; i < pieces; ++i) {
            switch (pick(7)) {
            case 0:
                text += chance(50) ? QLatin1Char('.') : QLatin1Char(',');
                break;
            case 1:
                text += chance(50) ? QLatin1Char('-') : QLatin1Char('+');
                break;
            case 2:
                text += chance(50) ? QLatin1Char('e') : QLatin1Char('E');
                if (chance(50))
                    text += chance(50) ? QLatin1Char('-') : QLatin1Char('+');
                text += chance(30) ? QString::number(4900 + pick(100)) : digits(pick(3));
                break;
            case 3:
                text += QLatin1Char(' ');
                break;
            case 4:
                text += typedCharacter();
                break;
            default:
                text += digits(1 + pick(8));
                break;
            }
        }
        return text;
    }

    // A paste goes past the key filter: the text arrives as it is.
    Step paste() {
        QWidget* field = pickFrom(fields());
        if (!field)
            return openWindow();
        const QString text = pasteText();
        const bool replace = chance(50);
        return changeField(field, QStringLiteral("paste \"%1\"%2").arg(elide(text), replace ? " over all" : ""),
                           [&](QLineEdit* edit) {
                               if (replace) {
                                   edit->selectAll();
                               } else {
                                   placeCursor(edit);
                               }
                               edit->insert(text);
                           });
    }

    Step correct(QWidget* field) {
        const QString text = chance(30) ? QString() : wellFormedNumber();
        return changeField(field, QStringLiteral("correct to \"%1\"").arg(text), [&](QLineEdit* edit) {
            edit->selectAll();
            edit->insert(text);
        });
    }

    Step pickListPosition() {
        QList<QComboBox*> lists;
        for (QComboBox* list : usable<QComboBox>())
            if (list->count() > 0)
                lists << list;
        QComboBox* list = pickFrom(lists);
        if (!list)
            return switchPage();
        const int position = pick(list->count());
        test::choose(list, position);
        return {QStringLiteral("pick %1 (\"%2\") in %3").arg(position).arg(list->itemText(position), nameOf(list)),
                {list->window()},
                calculatorsOf(list)};
    }

    Step clickRadioButton() {
        QRadioButton* radio = pickFrom(usable<QRadioButton>());
        if (!radio)
            return switchPage();
        radio->click();
        return {QStringLiteral("click %1").arg(nameOf(radio)), {radio->window()}, calculatorsOf(radio)};
    }

    Step clickCopyButton() {
        QList<QPushButton*> buttons;
        for (QPushButton* button : usable<QPushButton>())
            if (button->objectName().startsWith(QLatin1String("BitBtn")))
                buttons << button;
        QPushButton* button = pickFrom(buttons);
        if (!button)
            return switchPage();
        button->click();
        return {QStringLiteral("click %1").arg(nameOf(button)), {button->window()}, calculatorsOf(button)};
    }

    Step switchPage() {
        auto* pages = main()->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        const int page = pick(pages->count());
        pages->tabBar()->setCurrentIndex(page);
        return {QStringLiteral("show page %1").arg(page), {main()}, {}};
    }

    // Every window, from the menu or the tool bar; the first opening builds it.
    Step openWindow() {
        const StartedProgram::Opener& opener = StartedProgram::kOpeners[pick(int(std::size(StartedProgram::kOpeners)))];
        QWidget* window = m_program->open(opener.control);
        return {QStringLiteral("open with %1").arg(QLatin1String(opener.control)), {window}, {}};
    }

    Step closeWindow() {
        QList<QWidget*> others = shownWindows();
        others.removeAll(main());
        QWidget* window = pickFrom(others);
        if (!window)
            return openWindow();
        if (window->objectName() == QLatin1String("TAboutBox") && chance(50))
            window->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
        else
            window->close();
        return {QStringLiteral("close %1").arg(window->objectName()), {window}, {}};
    }

    QSet<QString> allCalculatorsOf(const QStringList& windowNames) {
        QSet<QString> keys;
        for (const Calculator& c : Calculators())
            if (windowNames.contains(QLatin1String(c.window)))
                keys << c.key();
        return keys;
    }

    Step switchUnits() {
        const char* name = chance(50) ? "inchfootAWG1" : "mmcm1";
        m_program->action(name)->trigger();
        // The copper-resistance window follows if it has been built.
        return {QStringLiteral("units %1").arg(QLatin1String(name)), windows(),
                allCalculatorsOf(
                    {QStringLiteral("TForm1"), m_program->find("TForm4") ? QStringLiteral("TForm4") : QString()}),
                true};
    }

    Step switchLanguage() {
        const bool english = chance(50);
        QString how;
        if (QWidget* about = m_program->find("TAboutBox"); about && about->isVisible() && chance(50)) {
            const char* image = english ? "Image2" : "Image1";
            QTest::mouseClick(program().about().findChild<QWidget*>(QLatin1String(image)), Qt::LeftButton);
            how = QStringLiteral("About's %1").arg(QLatin1String(image));
        } else {
            const char* command = english ? "English1" : "Deutsch1";
            m_program->action(command)->trigger();
            how = QLatin1String(command);
        }
        return {QStringLiteral("language by %1").arg(how), windows(),
                QSet<QString>(kLanguageRecomputes.begin(), kLanguageRecomputes.end()), true};
    }

    // The hidden picture swap: Ctrl+Alt+Shift with Q, E, X, now and then
    // another key or chord, and the five seconds running out.
    Step aboutKeys() {
        auto* about = m_program->find<gui::AboutWindow>("TAboutBox");
        if (!about || !about->isVisible()) {
            main()->showAbout();
            return {QStringLiteral("open About"), {&program().about()}, {}};
        }
        if (about->timer()->isActive() && chance(20)) {
            about->restoreProgramPicture();
            return {QStringLiteral("About's five seconds pass"), {about}, {}};
        }
        static constexpr Qt::Key kKeys[] = {Qt::Key_Q, Qt::Key_E, Qt::Key_X, Qt::Key_Q,
                                            Qt::Key_E, Qt::Key_X, Qt::Key_A};
        const Qt::Key key = kKeys[pick(int(std::size(kKeys)))];
        Qt::KeyboardModifiers chord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
        if (chance(15))
            chord &= ~Qt::KeyboardModifiers(Qt::AltModifier);
        QTest::keyClick(about, key, chord);
        return {QStringLiteral("About key %1 with modifiers %2").arg(QKeySequence(key).toString()).arg(int(chord)),
                {about},
                {}};
    }

    Step contextHelp() {
        if (chance(50)) {
            main()->showContextHelp();
            return {QStringLiteral("F1"), {}, {}};
        }
        m_program->action("Help1")->trigger();
        return {QStringLiteral("Help1"), {}, {}};
    }

    // --- checks -----------------------------------------------------------

    QHash<QWidget*, QSize> shownSizes() {
        QHash<QWidget*, QSize> sizes;
        for (QWidget* window : shownWindows())
            sizes.insert(window, window->size());
        return sizes;
    }

    QString check(const Step& step, int messagesBefore, const QHash<QWidget*, QSize>& sizesBefore) {
        const QStringList& messages = m_program->errors.messages;
        const int raised = int(messages.size()) - messagesBefore;
        if (raised > 1)
            return QStringLiteral("%1 messages for one action: %2")
                .arg(raised)
                .arg(messages.mid(messagesBefore).join(QStringLiteral(" | ")));
        for (qsizetype i = messagesBefore; i < messages.size(); ++i)
            if (QString wrong = unexpectedMessage(messages[i]); !wrong.isEmpty())
                return wrong;
        if (QString broken = notANumberOnScreen(); !broken.isEmpty())
            return broken;
        if (!step.captions)
            if (QString resized = resizedWindow(sizesBefore); !resized.isEmpty())
                return resized;
        for (qsizetype i = messagesBefore; i < messages.size(); ++i) {
            if (messages[i].startsWith(QLatin1String("Fehler")))
                ++m_floatingPointMessages;
            else
                ++m_conversionMessages;
        }
        if (raised == 0)
            return recomputeAgain(step);
        return {};
    }

    QString notANumberOnScreen() {
        for (QWidget* window : windows()) {
            for (QLabel* label : window->findChildren<QLabel*>())
                if (kNotANumber.match(label->text()).hasMatch())
                    return QStringLiteral("%1 shows \"%2\"").arg(nameOf(label), elide(label->text()));
            for (QLineEdit* edit : window->findChildren<QLineEdit*>())
                if (kNotANumber.match(edit->text()).hasMatch())
                    return QStringLiteral("%1 holds \"%2\"").arg(nameOf(edit), elide(edit->text()));
            for (QComboBox* list : window->findChildren<QComboBox*>())
                if (kNotANumber.match(list->currentText()).hasMatch())
                    return QStringLiteral("%1 shows \"%2\"").arg(nameOf(list), elide(list->currentText()));
        }
        return {};
    }

    // A message is one of the two the program has, and a text it refuses
    // is one that stands in a field.
    QString unexpectedMessage(const QString& message) {
        const QRegularExpressionMatch known = kKnownMessage.match(message);
        if (!known.hasMatch())
            return QStringLiteral("unexpected message: %1").arg(elide(message));
        if (known.captured(2).isEmpty())
            return {};
        const QString refused = known.captured(3);
        for (QWidget* window : windows()) {
            for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
                // A list that stopped being editable drops its line edit
                // later; that one is no field any more.
                auto* list = qobject_cast<QComboBox*>(edit->parentWidget());
                if (list && list->lineEdit() != edit)
                    continue;
                if (edit->text() == refused) {
                    m_refused = list ? static_cast<QWidget*>(list) : edit;
                    return {};
                }
            }
        }
        return QStringLiteral("refused text \"%1\" is in no field").arg(elide(refused));
    }

    // A fixed-size window keeps its size whatever its labels show; only new
    // captions (language, units) may change it.
    QString resizedWindow(const QHash<QWidget*, QSize>& before) {
        for (auto it = before.constBegin(); it != before.constEnd(); ++it) {
            QWidget* window = it.key();
            if (windows().contains(window) && window->isVisible() && window->size() != it.value())
                return QStringLiteral("%1 changed its size from %2x%3 to %4x%5")
                    .arg(window->objectName())
                    .arg(it.value().width())
                    .arg(it.value().height())
                    .arg(window->width())
                    .arg(window->height());
        }
        return {};
    }

    // What a recompute shows: every label's text and look (shown or not,
    // its colour and size of type), and which fields take input.
    using Snapshot = QList<QPair<QString, QString>>;
    static Snapshot labelsOf(const QWidget* window) {
        Snapshot snapshot;
        for (const QLabel* label : window->findChildren<QLabel*>())
            snapshot << qMakePair(label->objectName(),
                                  QStringLiteral("%1 [%2 %3 %4pt]")
                                      .arg(label->text(), label->isHidden() ? "hidden" : "shown",
                                           label->autoFillBackground() ? label->palette().color(QPalette::Window).name()
                                                                       : QStringLiteral("face"))
                                      .arg(label->font().pointSize()));
        for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
            if (!edit->objectName().isEmpty())
                snapshot << qMakePair(edit->objectName(),
                                      edit->isEnabled() ? QStringLiteral("[enabled]") : QStringLiteral("[disabled]"));
        return snapshot;
    }

    // Recomputing from the same inputs changes nothing. A calculator the
    // action did not run may still fail on an input the user left wrong
    // earlier; one it ran without an error must not fail now. A calculator
    // that has never run still shows the window's start texts; it is left so.
    QString recomputeAgain(const Step& step) {
        QList<QWidget*> done;
        for (QWidget* window : step.windows) {
            if (!window || done.contains(window))
                continue;
            done << window;
            const Snapshot before = labelsOf(window);
            for (const Calculator& c : Calculators()) {
                // A page not built yet has nothing to recompute.
                if (window->objectName() != QLatin1String(c.window) || !m_everRan.contains(c.key()) ||
                    !window->findChild<QWidget*>(c.inputs.first()))
                    continue;
                const qsizetype messages = m_program->errors.messages.size();
                c.recompute(program());
                ++m_recomputed;
                if (m_program->errors.messages.size() > messages && step.ran.contains(c.key()))
                    return QStringLiteral("recomputing %1 again raised \"%2\"")
                        .arg(c.key(), m_program->errors.messages.last());
            }
            const Snapshot after = labelsOf(window);
            for (qsizetype i = 0; i < before.size() && i < after.size(); ++i)
                if (before[i] != after[i])
                    return QStringLiteral("recomputing %1 again changed %2 from \"%3\" to \"%4\"")
                        .arg(window->objectName(), before[i].first, elide(before[i].second), elide(after[i].second));
        }
        return {};
    }

    void remember(const QString& description) {
        m_history.push_back(QStringLiteral("#%1 %2").arg(m_index).arg(description));
        if (m_history.size() > kHistory)
            m_history.pop_front();
    }

    QString report(const QString& failure) {
        QStringList lines;
        lines << QStringLiteral("monkey seed %1, action %2 of %3: %4")
                     .arg(m_seed)
                     .arg(m_index)
                     .arg(m_actions)
                     .arg(failure);
        lines << QStringLiteral("replay: TORVEX_MONKEY_SEED=%1 TORVEX_MONKEY_ACTIONS=%2").arg(m_seed).arg(m_index + 1);
        lines << QStringLiteral("last actions:");
        for (const QString& line : m_history)
            lines << QStringLiteral("  ") + line;
        return lines.join(QLatin1Char('\n'));
    }

    std::uint32_t m_seed;
    int m_actions;
    int m_index = 0;
    std::mt19937 m_random;
    std::unique_ptr<StartedProgram> m_program;
    QSet<QString> m_everRan;
    QPointer<QWidget> m_refused; // the field whose text the last action refused
    QMap<QString, int> m_kinds;
    int m_conversionMessages = 0;
    int m_floatingPointMessages = 0;
    int m_recomputed = 0;
    std::deque<QString> m_history;
};

template <class T> T fromEnvironment(const char* name, T fallback) {
    bool ok = false;
    const qulonglong value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? T(value) : fallback;
}

// The offscreen platform warns at every window it cannot raise or size as
// asked; thousands of these would bury the walk's own report.
QtMessageHandler g_testHandler = nullptr;
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_testHandler(type, context, message);
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { g_testHandler = qInstallMessageHandler(quietPlatform); }
    void randomWalk();
};

void MonkeyTest::randomWalk() {
    const auto seed = fromEnvironment<std::uint32_t>("TORVEX_MONKEY_SEED", kDefaultSeed);
    const int actions = fromEnvironment<int>("TORVEX_MONKEY_ACTIONS", kDefaultActions);
    qInfo("monkey: seed %u, %d actions", seed, actions);
    Monkey monkey(seed, actions);
    const QString failure = monkey.run();
    if (!failure.isEmpty())
        QFAIL(qPrintable(failure));
    qInfo("monkey: %d actions ran clean: %s", actions, qPrintable(monkey.summary()));
}

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
