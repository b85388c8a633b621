// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "command_line.h"

#include <cstdio>

#include "version.h"

namespace torvex::app {
namespace {

const OptionSpec* FindOption(std::string_view arg) {
    for (const OptionSpec& option : kOptions) {
        if (arg.size() > 2 && arg.substr(0, 2) == "--" && arg.substr(2) == option.longName)
            return &option;
        if (option.shortName && arg.size() == 2 && arg[0] == '-' && arg[1] == option.shortName)
            return &option;
    }
    return nullptr;
}

std::string Quoted(std::string_view arg) { return "'" + std::string(arg) + "'"; }

} // namespace

CommandLine CommandLine::Read(const std::vector<std::string_view>& args, Stage stage) {
    CommandLine line;
    for (std::string_view arg : args) {
        if (const OptionSpec* option = FindOption(arg)) {
            line.m_set.push_back(option->longName);
            if (option->answer) {
                line.m_firstEnding = option;
                break;
            }
        } else if (arg.substr(0, 2) == "--") {
            line.m_error = "unknown option " + Quoted(arg);
            break;
        } else if (stage == Stage::AfterQt) {
            line.m_error = (arg.substr(0, 1) == "-" ? "unknown option " : "unexpected argument ") + Quoted(arg);
            break;
        }
    }
    return line;
}

CommandLine CommandLine::Read(int argc, const char* const* argv, Stage stage) {
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return Read(args, stage);
}

bool CommandLine::isSet(OptionName name) const {
    return std::find(m_set.begin(), m_set.end(), name.text()) != m_set.end();
}

std::string HelpText() {
    std::string text = "Usage: torvex [option]...\n"
                       "Calculates coils wound on toroidal ring cores, and air-core coils.\n"
                       "\n"
                       "Options:\n";
    for (const OptionSpec& option : kOptions) {
        std::string names = option.shortName ? std::string{'-', option.shortName, ','} : std::string("   ");
        names += " --" + std::string(option.longName);
        names.resize(std::max<std::size_t>(names.size() + 2, 22), ' ');
        text += "  " + names + std::string(option.help) + "\n";
    }
    text += "\n"
            "Qt's own options, such as -platform, -style or -reverse, are passed on to Qt.\n"
            "The help on using the program is in its Help menu (F1).\n";
    return text;
}

std::string VersionText() {
    return "Torvex " + std::string(kVersion) +
           "\n"
           "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
           "This is free software: you are free to change and redistribute it.\n"
           "There is NO WARRANTY, to the extent permitted by law.\n";
}

std::optional<int> Answer(const CommandLine& commandLine) {
    if (!commandLine.error().empty()) {
        std::fprintf(stderr, "torvex: %s\nTry 'torvex --help' for more information.\n", commandLine.error().c_str());
        return 2;
    }
    const OptionSpec* ending = commandLine.firstEnding();
    if (!ending)
        return std::nullopt;
    const std::string text = ending->answer();
    // A full disk or a closed pipe must not look like success to a script.
    const bool written = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
    if (!written) {
        std::fprintf(stderr, "torvex: could not write to standard output\n");
        return 1;
    }
    return 0;
}

} // namespace torvex::app
