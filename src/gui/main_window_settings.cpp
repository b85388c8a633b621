// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the main window keeps between runs: the language and units the user
// chose, the page in front, and the inputs and places of the pages and the
// tool windows.

#include <QTabWidget>
#include <array>
#include <utility>

#include "main_window.h"
#include "pages/page.h"
#include "platform/command_errors.h"
#include "platform/settings_store.h"
#include "tools/ferrite_window_opener.h"
#include "tools/tool_window.h"

namespace torvex::gui {

namespace {

const QString kProgram; // the group of the program's own choices
const QString kLanguage = QStringLiteral("language");
const QString kUnits = QStringLiteral("units");
const QString kPage = QStringLiteral("page");

template <class Choice> using ChoiceNames = std::array<std::pair<Choice, const char*>, 2>;
constexpr ChoiceNames<Language> kLanguageNames{{{Language::German, "German"}, {Language::English, "English"}}};
constexpr ChoiceNames<UnitSystem> kUnitNames{{{UnitSystem::Metric, "metric"}, {UnitSystem::Us, "US"}}};

template <class Choice>
std::optional<Choice> readChoice(const StoredValues& values, const QString& key, const ChoiceNames<Choice>& names) {
    const std::optional<QString> text = values.text(key);
    for (const auto& [choice, name] : names)
        if (text == QLatin1String(name))
            return choice;
    return std::nullopt;
}

template <class Choice>
void storeChoice(StoredValues& values, const QString& key, std::optional<Choice> chosen,
                 const ChoiceNames<Choice>& names) {
    for (const auto& [choice, name] : names)
        if (chosen == choice)
            values.set(key, QLatin1String(name));
}

} // namespace

// A choice kept from an earlier run stays the user's choice: it is written
// again at close, while a user who never chose follows the locale.
void MainWindow::takeStoredChoices() {
    m_store = std::make_unique<SettingsStore>(m_services.settingsFolder, m_services.forgetSettings);
    const StoredValues program = m_store->group(kProgram);
    m_chosenLanguage = readChoice(program, kLanguage, kLanguageNames);
    m_chosenUnits = readChoice(program, kUnits, kUnitNames);
    m_services.language = m_chosenLanguage.value_or(m_services.language);
    m_services.units = m_chosenUnits.value_or(m_services.units);
}

// Each page takes its stored inputs when it is built (restorePage); here
// only the page in front comes back, which builds it.
void MainWindow::restorePages() {
    const std::optional<QString> front = m_store->group(kProgram).text(kPage);
    for (int i = 0; i < m_pages->count(); ++i)
        if (front == m_pages->widget(i)->objectName())
            m_pages->setCurrentIndex(i);
}

void MainWindow::restorePage(const QString& group, Page& page) {
    const CommandErrors::Silence quiet(*m_commandErrors);
    page.restoreState(m_store->group(group));
}

void MainWindow::restoreWindow(QWidget& window) {
    const CommandErrors::Silence quiet(*m_commandErrors);
    if (auto* tool = qobject_cast<ToolWindow*>(&window))
        tool->restoreState(m_store->group(window.objectName()));
}

// Pages and windows not built in this run keep what the file holds.
void MainWindow::writeSettings() {
    StoredValues program;
    storeChoice(program, kLanguage, m_chosenLanguage, kLanguageNames);
    storeChoice(program, kUnits, m_chosenUnits, kUnitNames);
    if (QWidget* front = m_pages->currentWidget())
        program.set(kPage, front->objectName());
    m_store->store(kProgram, program);

    for (int i = 0; i < m_pages->count(); ++i) {
        if (auto* sheet = qobject_cast<PageSheet*>(m_pages->widget(i)); sheet && sheet->isBuilt()) {
            StoredValues values;
            sheet->build().storeState(values);
            m_store->store(sheet->objectName(), values);
        }
    }
    for (const QWidget* window : std::as_const(m_built)) {
        if (const auto* tool = qobject_cast<const ToolWindow*>(window)) {
            StoredValues values;
            tool->storeState(values);
            m_store->store(window->objectName(), values);
        }
    }
    if (m_ferrite) {
        StoredValues values;
        m_ferrite->storeState(values);
        m_store->store(QLatin1String(kFerriteWindowName), values);
    }
    m_store->write();
}

} // namespace torvex::gui
