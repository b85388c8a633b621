// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/page.h"

#include "platform/display_settings.h"
#include "widgets/binding.h"
#include "widgets/language.h"
#include "widgets/stored_inputs.h"

namespace torvex::gui {

Page::Page(PageContext& context, QWidget* parent) : QWidget(parent), m_context(context) {}

void Page::catchUp() {
    ApplyLanguage({this}, language());
    applyUnits();
}

void Page::storeState(StoredValues& values) const {
    StoreInputs(*this, m_context.settings().decimalSeparator(), values);
}

void Page::restoreState(const StoredValues& values) {
    if (RestoreInputs(*this, m_context.settings().decimalSeparator(), values))
        recomputeAll();
}

void Page::reportFailure(const std::optional<CalcError>& error) { ReportFailure(error, m_context.errors()); }

torvex::Settings Page::engineSettings() const { return m_context.settings().engineSettings(); }

Language Page::language() const { return m_context.settings().language(); }

bool Page::usUnits() const { return m_context.settings().usUnits(); }

} // namespace torvex::gui
