// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program, started in-process as from a German locale with the
// decimal comma, on the offscreen platform; each window is shown when its
// turn comes, and stays shown.
//
// Keystrokes: for one entry field of every calculator (and the gauge list of
// the conversion window, with arrow keys), 1000 key presses sent
// to the field, alternately a digit and Backspace, so the field goes between
// two valid values. Each is timed from sending the key event until it
// returned: the field's change handler runs the recompute and writes every
// output label inside it. Painting happens afterwards, between keystrokes,
// outside the timed part, as it does between a user's keystrokes.
//
// Switches: the language and unit commands of the menu, alternately one way
// and back, each timed until its handler returned.
//
// Every benchmark reports the median and the worst single sample as counters
// (see Samples::report); the time column is the mean wall time.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "in_process.h"

namespace {

using namespace torvex::bench;

struct Started : InProcessProgram {
    Started() {
        // Every page through its tab and every window through its menu
        // command, as a user reaches them; each is built on first use.
        auto* tabs = main()->findChild<QTabWidget*>();
        for (int i = tabs->count() - 1; i >= 0; --i)
            tabs->tabBar()->setCurrentIndex(i);
        for (const char* command : {"Info1", "Schwingkreis1", "Permeabilitt1", "RCu1", "Umrechnungminch1"})
            main()->findChild<QAction*>(QLatin1String(command))->trigger();
    }

    QWidget* window(const char* name) const {
        for (QWidget* w : main()->windows())
            if (w && w->objectName() == QLatin1String(name))
                return w;
        return nullptr;
    }
};

Started* g_program = nullptr;

// One timed step: wall and processor time of `f`.
struct Sample {
    Clock::duration wall, cpu;
};
template <class F> Sample Time(F&& f) {
    const auto c0 = ThreadCpuTime();
    const auto t0 = Clock::now();
    f();
    const auto t1 = Clock::now();
    const auto c1 = ThreadCpuTime();
    return {t1 - t0, c1 - c0};
}

// Samples of one benchmark, in microseconds.
class Samples {
public:
    explicit Samples(std::size_t n) {
        m_wall.reserve(n);
        m_cpu.reserve(n);
    }
    void add(benchmark::State& state, const Sample& s) {
        const double wall = std::chrono::duration<double>(s.wall).count();
        state.SetIterationTime(wall);
        m_wall.push_back(wall * 1e6);
        m_cpu.push_back(std::chrono::duration<double, std::micro>(s.cpu).count());
    }
    // median_us, worst_us: wall time; median_cpu_us, worst_cpu_us: the
    // thread's processor time.
    void report(benchmark::State& state) {
        if (m_wall.empty())
            return;
        state.counters["median_us"] = Median(m_wall);
        state.counters["worst_us"] = *std::max_element(m_wall.begin(), m_wall.end());
        state.counters["median_cpu_us"] = Median(m_cpu);
        state.counters["worst_cpu_us"] = *std::max_element(m_cpu.begin(), m_cpu.end());
    }

private:
    static double Median(std::vector<double> v) {
        std::sort(v.begin(), v.end());
        const std::size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
    std::vector<double> m_wall, m_cpu;
};

// Gives an entry field a text as the user would leave it; a field may be a
// line edit or the edit part of an editable list.
bool SetField(QWidget* window, const char* name, const QString& text) {
    QWidget* w = window->findChild<QWidget*>(QLatin1String(name));
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(text);
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable()) {
        combo->setEditText(text);
        return true;
    }
    return false;
}

// Brings the page that holds `w` to the front, when it is on the main window.
void ShowPageOf(QWidget* w) {
    auto* tabs = g_program->main()->findChild<QTabWidget*>();
    if (!tabs)
        return;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(w))
            tabs->setCurrentIndex(i);
}

struct Field {
    const char* calculator; // names the benchmark
    const char* window;
    const char* field;
    const char* start;                                       // the field's text before each digit is added
    const char* output;                                      // a label the recompute writes, checked once
    std::vector<std::pair<const char*, const char*>> others; // the calculator's other inputs
};

// A key press and its release; only the press changes the text.
void SendKey(QWidget* target, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

void Keystrokes(benchmark::State& state, const Field& f) {
    QWidget* window = g_program->window(f.window);
    auto* edit = window ? window->findChild<QLineEdit*>(QLatin1String(f.field)) : nullptr;
    auto* output = window ? window->findChild<QLabel*>(QLatin1String(f.output)) : nullptr;
    if (!edit || !output) {
        state.SkipWithError("field or output label not found");
        return;
    }
    for (const auto& [name, text] : f.others)
        if (!SetField(window, name, QString::fromUtf8(text))) {
            state.SkipWithError("input not found");
            return;
        }
    window->show();
    ShowPageOf(edit);
    edit->setFocus();
    edit->setText(QString::fromUtf8(f.start));
    QCoreApplication::processEvents();

    // The digit must reach the output; else we would time nothing.
    const QString before = output->text();
    SendKey(edit, Qt::Key_5, QStringLiteral("5"));
    if (output->text() == before) {
        state.SkipWithError("the output did not change on a keystroke");
        return;
    }
    SendKey(edit, Qt::Key_Backspace, QString());
    QCoreApplication::processEvents();
    const qsizetype errorsBefore = g_program->errors.messages.size();

    Samples samples(std::size_t(state.max_iterations));
    bool digit = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, digit ? Qt::Key_5 : Qt::Key_Backspace, Qt::NoModifier,
                        digit ? QStringLiteral("5") : QString());
        samples.add(state, Time([&] { QApplication::sendEvent(edit, &press); }));
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, press.text());
        QApplication::sendEvent(edit, &release);
        QCoreApplication::processEvents();
        digit = !digit;
    }
    if (g_program->errors.messages.size() != errorsBefore)
        state.SkipWithError("a recompute reported an error");
    samples.report(state);
}

// The gauge list of the conversion window has no entry field: its keystroke
// is an arrow key that moves the selection.
void GaugeKeystrokes(benchmark::State& state) {
    QWidget* window = g_program->window("TForm5");
    auto* gauge = window ? window->findChild<QComboBox*>(QStringLiteral("ComboBox3")) : nullptr;
    auto* output = window ? window->findChild<QLabel*>(QStringLiteral("Label3")) : nullptr;
    if (!gauge || !output) {
        state.SkipWithError("gauge list not found");
        return;
    }
    window->show();
    gauge->setFocus();
    gauge->setCurrentIndex(23);
    QCoreApplication::processEvents();
    const QString before = output->text();
    SendKey(gauge, Qt::Key_Down, QString());
    if (output->text() == before) {
        state.SkipWithError("the output did not change on a keystroke");
        return;
    }
    SendKey(gauge, Qt::Key_Up, QString());
    QCoreApplication::processEvents();

    Samples samples(std::size_t(state.max_iterations));
    bool down = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, down ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
        samples.add(state, Time([&] { QApplication::sendEvent(gauge, &press); }));
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier);
        QApplication::sendEvent(gauge, &release);
        QCoreApplication::processEvents();
        down = !down;
    }
    samples.report(state);
}

// A menu command and its way back, alternately, each timed on its own.
void Switches(benchmark::State& state, void (torvex::gui::MainWindow::*there)(),
              void (torvex::gui::MainWindow::*back)()) {
    torvex::gui::MainWindow* main = g_program->main();
    for (QWidget* w : main->windows())
        if (w)
            w->show();
    QCoreApplication::processEvents();

    Samples samples(std::size_t(state.max_iterations));
    bool forth = true;
    for (auto _ : state) {
        samples.add(state, Time([&] { (main->*(forth ? there : back))(); }));
        QCoreApplication::processEvents();
        forth = !forth;
    }
    // An odd count would leave the program in the other state.
    if (!forth)
        (main->*back)();
    samples.report(state);
}

// One entry field of every calculator, with the other inputs filled in so
// that the recompute runs its whole way.
const std::vector<Field>& Fields() {
    // clang-format off
    static const std::vector<Field> fields{
        {"IronPowder", "TForm1", "Edit1", "10", "Label36", {{"Edit3", "7"}, {"Edit2", "20"}}},
        {"FerriteFt", "TForm1", "Edit17", "10", "Label123", {{"Edit18", "7"}, {"Edit19", "20"}}},
        {"Siferrit", "TForm1", "Edit11", "10", "Label66", {{"Edit12", "7"}, {"Edit13", "20"}}},
        {"Ferroxcube", "TForm1", "Edit24", "10", "Label199", {{"Edit25", "7"}, {"Edit26", "20"}}},
        {"UnknownCore", "TForm1", "Edit4", "10", "Label49",
         {{"Edit20", "4,9"}, {"Edit6", "12,7"}, {"Edit7", "7,7"}, {"Edit21", "4,83"}, {"Edit27", "7"}, {"Edit5", "20"}}},
        {"CoilInductance", "TForm1", "Edit8", "10", "Label57", {{"Edit9", "10"}, {"Edit10", "20"}}},
        {"CoilTurns", "TForm1", "Edit14", "1", "Label104", {{"Edit15", "10"}, {"Edit16", "20"}}},
        {"StraightConductor", "TForm1", "Edit23", "100", "Label170", {{"ComboBox21", "0,5"}}},
        {"ResonantFrequency", "TForm2", "Edit1", "10", "Label1", {{"Edit2", "100"}}},
        {"ResonantCapacitance", "TForm2", "Edit3", "10", "Label3", {{"Edit4", "7"}}},
        {"ResonantInductance", "TForm2", "Edit5", "100", "Label5", {{"Edit6", "7"}}},
        {"AlPermeability", "TForm3", "Edit1", "20", "Label4",
         {{"Edit2", "1,96"}, {"Edit3", "12,7"}, {"Edit4", "7,7"}, {"Edit5", "4,83"}, {"Edit6", "0,05"}}},
        {"CopperResistance", "TForm4", "Edit1", "10", "Label3", {{"ComboBox2", "0,5"}, {"Edit3", "60"}}},
        {"ImperialToMetric", "TForm5", "Edit1", "12", "Label1", {}},
        {"MetricToImperial", "TForm5", "Edit2", "12", "Label2", {}},
        {"Fahrenheit", "TForm5", "Edit3", "98", "Label4", {}},
    };
    // clang-format on
    return fields;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    Started started;
    g_program = &started;

    constexpr int kKeys = 1000;
    for (const Field& f : Fields()) {
        const std::string name = std::string("Keystroke/") + f.calculator + "/" + f.window + "." + f.field;
        benchmark::RegisterBenchmark(name.c_str(), [&f](benchmark::State& s) { Keystrokes(s, f); })
            ->Iterations(kKeys)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("Keystroke/GaugeDiameter/TForm5.ComboBox3", GaugeKeystrokes)
        ->Iterations(kKeys)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);

    using torvex::gui::MainWindow;
    constexpr int kSwitches = 200;
    benchmark::RegisterBenchmark(
        "Switch/Language", [](benchmark::State& s) { Switches(s, &MainWindow::showEnglish, &MainWindow::showGerman); })
        ->Iterations(kSwitches)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(
        "Switch/Units", [](benchmark::State& s) { Switches(s, &MainWindow::useUsUnits, &MainWindow::useMetricUnits); })
        ->Iterations(kSwitches)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
