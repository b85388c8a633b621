// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

#include "main_window.h"

namespace torvex::gui {

Program::Program(const PlatformServices& services) : m_main(std::make_unique<MainWindow>(services)) {}

Program::~Program() = default;

AboutWindow& Program::about() const { return m_main->aboutWindow(); }
ResonanceWindow& Program::resonance() const { return m_main->resonanceWindow(); }
AlPermeabilityWindow& Program::alPermeability() const { return m_main->alPermeabilityWindow(); }
CopperResistanceWindow& Program::copper() const { return m_main->copperResistanceWindow(); }
ConversionWindow& Program::conversion() const { return m_main->conversionWindow(); }

} // namespace torvex::gui
