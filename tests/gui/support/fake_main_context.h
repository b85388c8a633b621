#pragma once

#include <QList>
#include <QWidget>
#include <memory>

#include "main_context.h"
#include "support/recorders.h"
#include "widgets/decimal_key_filter.h"

namespace torvex::test {

// A stand-in for the main window, so that a page or a tool window can be
// built and driven on its own.
class FakeMainContext : public gui::MainContext {
public:
    explicit FakeMainContext(const QString& separator = QStringLiteral("."), bool usUnits = false,
                             bool english = false);

    const gui::ProgramState& state() const override { return m_state; }
    gui::ErrorReporter& errors() override { return m_errors; }
    gui::DecimalKeyFilter& keyFilter() override { return *m_keyFilter; }
    QWidget* alPermeabilityWindow() const override { return m_alWindow; }
    void registerWindow(QWidget* window) override { registered << window; }
    void invokeStartLanguage() override { ++startLanguageCalls; }
    void languageCommand(bool english) override { languageCommands << english; }

    gui::ProgramState& mutableState() { return m_state; }
    void setSeparator(const QString& separator);
    void setAlPermeabilityWindow(QWidget* w) { m_alWindow = w; }
    RecordingErrorReporter& recorder() { return m_errors; }

    QList<QWidget*> registered;
    int startLanguageCalls = 0;
    QList<bool> languageCommands;

private:
    gui::ProgramState m_state;
    RecordingErrorReporter m_errors;
    std::unique_ptr<gui::DecimalKeyFilter> m_keyFilter;
    QWidget* m_alWindow = nullptr;
};

} // namespace torvex::test
