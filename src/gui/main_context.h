#pragma once

#include <QString>
#include <QStringList>

#include "calc/writes.h"

class QWidget;

namespace torvex::gui {

class ErrorReporter;
class DecimalKeyFilter;

// The program-wide state that the main window holds and its pages read.
struct ProgramState {
    QString decimalSeparator;   // the locale's, read last at start (empty until then)
    std::string decimalSeparatorUtf8;
    QString languageCode;       // low byte of the language identifier, two hex digits ("07": German)
    bool usLocale = false;      // the start locale is US English (1033)
    bool usUnits = false;       // inch, foot and AWG shown
    int languageOffset = 0;     // 0 German, 1000 English
    QStringList awgNames;       // "0000" ... "40"; index 23 is "20"

    // What the engine's calculators read; points into this state.
    torvex::Environment environment() const {
        return {decimalSeparatorUtf8, usUnits, languageOffset == 1000};
    }
};

// What a page of the main window needs from the window around it. The main
// window implements it; page tests may give a simpler one.
class MainContext {
public:
    virtual ~MainContext() = default;
    virtual const ProgramState& state() const = 0;
    virtual ErrorReporter& errors() = 0;
    virtual DecimalKeyFilter& keyFilter() = 0;
    // The AL-and-µi window (for the unknown-cores page's take-over); null
    // while it does not exist.
    virtual QWidget* alPermeabilityWindow() const = 0;

    // Windows created after the main window register themselves (in creation
    // order, for the language switch) and then re-apply the start language.
    virtual void registerWindow(QWidget* window) = 0;
    virtual void invokeStartLanguage() = 0;
    // The menu's language commands (Deutsch1Click / English1Click).
    virtual void languageCommand(bool english) = 0;
};

} // namespace torvex::gui
