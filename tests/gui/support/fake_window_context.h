// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <memory>

#include "pages/page_context.h"
#include "platform/display_settings.h"
#include "support/recorders.h"
#include "widgets/decimal_key_filter.h"

namespace torvex::test {

// A stand-in for the main window, so that a page or a tool window can be
// built and driven on its own. It builds the AL-and-µi window when a page
// first asks for it, as the main window does.
class FakeWindowContext : public gui::PageContext {
public:
    explicit FakeWindowContext(const QString& separator = QStringLiteral("."), bool usUnits = false,
                               bool english = false);
    ~FakeWindowContext() override;

    gui::DisplaySettings& settings() override { return m_settings; }
    gui::ErrorReporter& errors() override { return m_errors; }
    gui::DecimalKeyFilter& keyFilter() override { return m_keyFilter; }
    void showLanguage(Language language) override { languageCommands << language; }
    gui::AlPermeabilityWindow& alPermeabilityWindow() override;

    RecordingErrorReporter& recorder() { return m_errors; }
    QList<Language> languageCommands;

private:
    gui::DisplaySettings m_settings;
    RecordingErrorReporter m_errors;
    gui::DecimalKeyFilter m_keyFilter;
    std::unique_ptr<gui::AlPermeabilityWindow> m_alWindow;
};

} // namespace torvex::test
