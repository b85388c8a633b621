// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/platform.h"

namespace torvex::gui {

// The platform's error handler as the pages and tool windows see it. A menu
// command recomputes many calculators, each of which may fail on a text the
// user left behind; the command is one action of the user and shows one
// message at most, the first, while every calculator still runs.
class CommandErrors : public ErrorReporter {
public:
    explicit CommandErrors(ErrorReporter& platform) : m_platform(platform) {}

    void showError(const QString& message) override;

    // Marks one command while it lives; commands may nest.
    class Command {
    public:
        explicit Command(CommandErrors& errors);
        ~Command();
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;

    private:
        CommandErrors& m_errors;
    };

    // Drops every message while it lives: putting back what the last run
    // left must not greet the user with a failure it never caused today.
    class Silence {
    public:
        explicit Silence(CommandErrors& errors) : m_errors(errors) { ++m_errors.m_silenced; }
        ~Silence() { --m_errors.m_silenced; }
        Silence(const Silence&) = delete;
        Silence& operator=(const Silence&) = delete;

    private:
        CommandErrors& m_errors;
    };

private:
    ErrorReporter& m_platform;
    int m_silenced = 0;
    int m_depth = 0;
    bool m_reported = false;
};

} // namespace torvex::gui
