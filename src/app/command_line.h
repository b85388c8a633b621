// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvex::app {

struct OptionSpec {
    char shortName;            // '\0': none
    std::string_view longName; // without the leading "--"
    std::string_view help;     // one line of --help
    // Options answered on the terminal give their answer here; the program
    // then ends without starting Qt. nullptr: the program starts.
    std::string (*answer)();
};

std::string HelpText();
std::string VersionText();

// The program's own options; adding one is adding a row, and main() then
// asks for it by its long name.
inline constexpr std::array kOptions{
    OptionSpec{'h', "help", "show this help and exit", &HelpText},
    OptionSpec{'v', "version", "show the version and license and exit", &VersionText},
    OptionSpec{'\0', "reset-settings", "start as on first use, forgetting the remembered choices", nullptr},
};

// A long option name checked while compiling: asking for an option that has
// no row above does not build.
class OptionName {
public:
    consteval OptionName(const char* name) : m_name(name) {
        if (std::none_of(kOptions.begin(), kOptions.end(), [&](const OptionSpec& o) { return o.longName == m_name; }))
            throw "no such option in kOptions";
    }
    std::string_view text() const { return m_name; }

private:
    std::string_view m_name;
};

// The program's own options are read twice. Before Qt starts, everything
// that is not ours is left for Qt ("-platform offscreen", "-style fusion"),
// except a "--name" that is not ours: Qt writes its options with one dash,
// so a typo such as "--verison" is refused before any window system is
// touched. After QApplication has taken its own options out of argv,
// whatever is left is an error.
enum class Stage { BeforeQt, AfterQt };

class CommandLine {
public:
    // args are the arguments after the program's name.
    static CommandLine Read(const std::vector<std::string_view>& args, Stage stage);
    static CommandLine Read(int argc, const char* const* argv, Stage stage);

    bool isSet(OptionName name) const;
    // The first option that ends the program, in the order given ("--help
    // --version" shows the help), when there is one.
    const OptionSpec* firstEnding() const { return m_firstEnding; }
    // Set when the line cannot be obeyed: the message for stderr, without
    // the program's name.
    const std::string& error() const { return m_error; }

private:
    std::vector<std::string_view> m_set; // long names
    const OptionSpec* m_firstEnding = nullptr;
    std::string m_error;
};

// What main() does before the window system is touched: prints the answer
// to --help or --version, or the error, and gives the exit code (0, or 2 for
// a wrong command line; 1 when stdout could not be written). Nothing when
// the program goes on.
std::optional<int> Answer(const CommandLine& commandLine);

} // namespace torvex::app
