#pragma once

#include <QString>

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
};

// What the program reads from its platform at start, and the services it
// uses. The real program fills it from the user's locale (systemPlatform());
// tests choose every field.
struct PlatformServices {
    int userLanguageId = 1033;   // Windows-style language identifier (1031 German, 1033 US English)
    QString decimalSeparator;    // of the user's numeric locale; may be empty
    QString programFolder;       // where the help files are looked up, with a trailing "/"
    ErrorReporter* errors = nullptr;
    HelpViewer* help = nullptr;
};

} // namespace torvex::gui
