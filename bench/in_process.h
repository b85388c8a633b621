// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the benchmarks that run the whole program in-process share: the
// program started as from a German locale with the decimal comma, message
// boxes and help replaced (a benchmark never waits for a user), and the
// clocks and counters they time with.

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>

#include <time.h>

#include <chrono>
#include <memory>

#include "main_window.h"
#include "platform/platform.h"
#include "program.h"

namespace torvex::bench {

using Clock = std::chrono::steady_clock;

// The time this thread has run on a processor. On a loaded machine a sample's
// wall time can include a whole scheduler tick (4 ms) given to another
// process; the thread's own processor time does not, so both are reported.
inline Clock::duration ThreadCpuTime() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec);
}

class RecordingErrors : public gui::ErrorReporter {
public:
    void showError(const QString& message) override { messages << message; }
    QStringList messages;
};

class NoHelp : public gui::HelpViewer {
public:
    void showContents(const QString&) override {}
    void showContext(const QString&, int) override {}
    void close() override {}
};

// Counts the paints of the widget it filters.
class Paints : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
    int count = 0;
};

struct InProcessProgram {
    RecordingErrors errors;
    NoHelp help;
    std::unique_ptr<gui::Program> program;

    InProcessProgram() {
        gui::PlatformServices services;
        services.chooseFromLanguageId(1031);
        services.decimalSeparator = QStringLiteral(",");
        services.programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        services.errors = &errors;
        services.help = &help;
        program = std::make_unique<gui::Program>(services);
    }

    gui::MainWindow* main() const { return program->mainWindow(); }
};

} // namespace torvex::bench
