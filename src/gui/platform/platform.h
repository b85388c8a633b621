// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "settings.h"

namespace torvex::gui {

// Shows a recompute's failure to the user. Tests replace it by a recorder.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void showError(const QString& message) = 0;
};

// Opens the program's help files. Tests replace it by a recorder.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showContents(const QString& helpFile) = 0;
    virtual void showContext(const QString& helpFile, int context) = 0;
    virtual void close() = 0;
    // The language has changed and `helpFile` is its help: an open viewer
    // shows the topic it shows now from that file; a closed one stays closed.
    virtual void followLanguage(const QString& helpFile) { (void)helpFile; }
};

// What the program reads from its platform at start, and the services it
// uses. The real program fills it from the user's locale (SystemPlatform);
// tests choose every field, or a language identifier for the first two.
struct PlatformServices {
    // The start language and measurement system; these defaults are what a
    // US English locale gives.
    Language language = Language::English;
    UnitSystem units = UnitSystem::Us;
    QString decimalSeparator; // of the user's numeric locale; may be empty
    QString programFolder;    // where the help files are looked up, with a trailing "/"
    // Where the settings file lives; empty: nothing is read or written.
    QString settingsFolder;
    bool forgetSettings = false; // start from nothing stored
    ErrorReporter* errors = nullptr;
    HelpViewer* help = nullptr;

    // Language and units as a locale with this Windows-style language
    // identifier chooses them (1031 German, 1033 US English, ...).
    void chooseFromLanguageId(int languageId);
};

} // namespace torvex::gui
