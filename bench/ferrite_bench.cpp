// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ferrite impedance window, opened from the program's menu on the
// offscreen platform, as from a German locale with the decimal comma.
//
// Keystroke: 1000 key presses into the turns field, alternately a digit and
// Backspace (11 and 115 turns), each timed from sending the key event until
// the window has recomputed and the plot is drawn again: the key is handled
// (the engine recomputes the outputs and the curves, the labels and the
// series take them), then the posted events run, which paint what changed,
// the plot included (each step checks that the plot was painted). That is
// what has to fit into one frame (16 ms). Its first opening is timed with
// every other window's by bench_first_opening.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "in_process.h"

namespace {

using namespace torvex::bench;

struct Started : InProcessProgram {
    QWidget* window = nullptr;

    Started() {
        auto* open = program->mainWindow()->findChild<QAction*>(QStringLiteral("ferriteImpedanceAction"));
        if (!open)
            return;
        open->trigger();
        QCoreApplication::processEvents();
        for (QWidget* w : program->mainWindow()->windows())
            if (w->objectName() == QLatin1String("FerriteImpedanceWindow"))
                window = w;
    }
};

Started* g_started = nullptr;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Keystrokes(benchmark::State& state) {
    QWidget* window = g_started->window;
    auto* turns = window ? window->findChild<QLineEdit*>(QStringLiteral("turnsField")) : nullptr;
    auto* resistance = window ? window->findChild<QLabel*>(QStringLiteral("resistanceLabel")) : nullptr;
    auto* plot = window ? window->findChild<QChartView*>(QStringLiteral("impedancePlot")) : nullptr;
    if (!turns || !resistance || !plot) {
        state.SkipWithError(qPrintable(g_started->errors.messages.value(0, QStringLiteral("window not found"))));
        return;
    }
    turns->setFocus();
    turns->setText(QStringLiteral("11"));
    turns->end(false);
    QCoreApplication::processEvents();
    const QString before = resistance->text();
    Paints paints;
    plot->viewport()->installEventFilter(&paints);

    std::vector<double> wall, cpu;
    wall.reserve(std::size_t(state.max_iterations));
    cpu.reserve(std::size_t(state.max_iterations));
    bool digit = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, digit ? Qt::Key_5 : Qt::Key_Backspace, Qt::NoModifier,
                        digit ? QStringLiteral("5") : QString());
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, press.text());
        const int painted = paints.count;
        const auto c0 = ThreadCpuTime();
        const auto t0 = Clock::now();
        QApplication::sendEvent(turns, &press);
        QApplication::sendEvent(turns, &release);
        QCoreApplication::processEvents();
        const auto t1 = Clock::now();
        const auto c1 = ThreadCpuTime();
        const double seconds = std::chrono::duration<double>(t1 - t0).count();
        state.SetIterationTime(seconds);
        wall.push_back(seconds * 1e6);
        cpu.push_back(std::chrono::duration<double, std::micro>(c1 - c0).count());
        if ((digit && resistance->text() == before) || paints.count == painted) {
            state.SkipWithError("a keystroke did not change the outputs or redraw the plot");
            return;
        }
        digit = !digit;
    }
    if (!g_started->errors.messages.isEmpty()) {
        state.SkipWithError("a recompute reported an error");
        return;
    }
    state.counters["median_us"] = Median(wall);
    state.counters["worst_us"] = *std::max_element(wall.begin(), wall.end());
    state.counters["median_cpu_us"] = Median(cpu);
    state.counters["worst_cpu_us"] = *std::max_element(cpu.begin(), cpu.end());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    Started started;
    g_started = &started;
    benchmark::RegisterBenchmark("FerriteKeystroke/FerriteImpedanceWindow.turnsField", Keystrokes)
        ->Iterations(1000)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
