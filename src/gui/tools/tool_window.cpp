// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/tool_window.h"

#include <QLayout>
#include <QShortcut>

#include "widgets/binding.h"
#include "widgets/captions.h"
#include "widgets/language.h"
#include "widgets/stored_inputs.h"
#include "widgets/window_size.h"

namespace torvex::gui {

ToolWindow::ToolWindow(WindowContext& context, const char* objectName, int tag, int helpContext)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_context(context) {
    setObjectName(QLatin1String(objectName));
    setProperty("tag", tag);
    setProperty("helpContext", helpContext);
}

void ToolWindow::showAndRaise() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void ToolWindow::storeState(StoredValues& values) const {
    StoreInputs(*this, settings().decimalSeparator(), values);
    StorePlace(*this, values);
}

void ToolWindow::restoreState(const StoredValues& values) {
    RestorePlace(*this, values);
    if (RestoreInputs(*this, settings().decimalSeparator(), values))
        recomputeAll();
}

void ToolWindow::finishCreation() {
    QList<std::function<void()>> states;
    for (UnitSystem units : {UnitSystem::Metric, UnitSystem::Us})
        for (Language language : {Language::German, Language::English})
            states << [this, units, language] {
                showUnits(units);
                ApplyLanguage({this}, language);
            };
    KeepLargestSize(this, states);
    showUnits(settings().units());
    LinkCaptionsToFields(this);
    // Esc closes the window (it is only hidden), as it would a dialog.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    followSettings(DisplaySettings::Change::Language);
    connect(&m_context.settings(), &DisplaySettings::changed, this, &ToolWindow::followSettings);
}

void ToolWindow::followSettings(DisplaySettings::Change what) {
    if (what == DisplaySettings::Change::Language)
        ApplyLanguage({this}, settings().language());
}

void ToolWindow::reportFailure(const std::optional<CalcError>& error) { ReportFailure(error, m_context.errors()); }

} // namespace torvex::gui
