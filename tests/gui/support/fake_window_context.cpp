// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fake_window_context.h"

#include "tools/al_permeability_window.h"

namespace torvex::test {

FakeWindowContext::FakeWindowContext(const QString& separator, bool usUnits, bool english)
    : m_settings(english ? Language::English : Language::German, usUnits ? UnitSystem::Us : UnitSystem::Metric,
                 separator),
      m_keyFilter([this] { return m_settings.decimalSeparator(); }) {}

FakeWindowContext::~FakeWindowContext() = default;

gui::AlPermeabilityWindow& FakeWindowContext::alPermeabilityWindow() {
    if (!m_alWindow)
        m_alWindow = std::make_unique<gui::AlPermeabilityWindow>(*this);
    return *m_alWindow;
}

} // namespace torvex::test
