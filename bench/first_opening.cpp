// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The first opening of every secondary window and the first showing of every
// hidden page, in one started program (German locale, decimal comma,
// offscreen platform). Each is timed from the menu command or the tab click
// until the window or page has been painted: building it, its language and
// units, its first recompute, loading a module where it has one.
//
// A window is built only once per process, so one run gives one sample of
// each; scripts/bench.sh runs this program many times and takes medians. The
// argument rotates the order, so that what any first opening in a process
// pays for (a style's first use of a kind of control) falls on each in turn.
//
//   bench_first_opening [rotation]
//
// Output, one line per window or page: <name> <wall µs> <processor µs>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTabWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "in_process.h"

namespace {

using namespace torvex::bench;

// Runs `open`, then the event loop until `shown()` names a widget that has
// been painted; prints the times. False if nothing was painted within 5 s.
bool Time(const char* name, const std::function<void()>& open, const std::function<QWidget*()>& shown) {
    Paints paints;
    const auto c0 = ThreadCpuTime();
    const auto t0 = Clock::now();
    open();
    QWidget* target = shown();
    if (!target)
        return false;
    target->installEventFilter(&paints);
    target->update();
    QElapsedTimer limit;
    limit.start();
    while (paints.count == 0 && limit.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const auto t1 = Clock::now();
    const auto c1 = ThreadCpuTime();
    target->removeEventFilter(&paints);
    std::printf("%s %.1f %.1f\n", name, std::chrono::duration<double, std::micro>(t1 - t0).count(),
                std::chrono::duration<double, std::micro>(c1 - c0).count());
    return paints.count > 0;
}

struct Opening {
    const char* name;
    const char* control; // a menu command, or a tab ("TabSheet2"...)
    const char* shown;   // the window's objectName; empty for a page
};

// clang-format off
constexpr Opening kOpenings[] = {
    {"window:TAboutBox", "Info1", "TAboutBox"},
    {"window:TForm2", "Schwingkreis1", "TForm2"},
    {"window:TForm3", "Permeabilitt1", "TForm3"},
    {"window:TForm4", "RCu1", "TForm4"},
    {"window:TForm5", "Umrechnungminch1", "TForm5"},
    {"window:FerriteImpedanceWindow", "ferriteImpedanceAction", "FerriteImpedanceWindow"},
    {"page:TabSheet2", "TabSheet2", ""},
    {"page:TabSheet3", "TabSheet3", ""},
    {"page:TabSheet6", "TabSheet6", ""},
    {"page:TabSheet4", "TabSheet4", ""},
    {"page:TabSheet5", "TabSheet5", ""},
};
// clang-format on

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rotation = argc > 1 ? std::atoi(argv[1]) : 0;

    InProcessProgram started;
    torvex::gui::MainWindow* main = started.main();
    auto* tabs = main->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    const auto showMain = [main] { main->show(); };
    if (!tabs || !Time("start:TForm1", showMain, [main] { return main; }))
        return 1;

    const int n = int(std::size(kOpenings));
    for (int k = 0; k < n; ++k) {
        const Opening& o = kOpenings[(k + rotation) % n];
        std::function<void()> open;
        std::function<QWidget*()> shown;
        if (*o.shown) {
            QAction* command = main->findChild<QAction*>(QLatin1String(o.control));
            if (!command)
                return 1;
            open = [command] { command->trigger(); };
            shown = [main, o]() -> QWidget* {
                for (QWidget* w : main->windows())
                    if (w->objectName() == QLatin1String(o.shown))
                        return w;
                return nullptr;
            };
        } else {
            int index = -1;
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->widget(i)->objectName() == QLatin1String(o.control))
                    index = i;
            if (index < 0)
                return 1;
            open = [tabs, index] { tabs->tabBar()->setCurrentIndex(index); };
            shown = [tabs] { return tabs->currentWidget(); };
        }
        if (!Time(o.name, open, shown)) {
            std::fprintf(stderr, "%s was not shown\n", o.name);
            return 1;
        }
    }
    return started.errors.messages.isEmpty() ? 0 : 1;
}
