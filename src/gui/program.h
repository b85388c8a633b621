// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include "platform/platform.h"

namespace torvex::gui {

class AboutWindow;
class AlPermeabilityWindow;
class ConversionWindow;
class CopperResistanceWindow;
class MainWindow;
class ResonanceWindow;

// The program's windows: the main window, which owns the others. A start
// builds the main window alone; each secondary window is built when it is
// first opened (or asked for here).
class Program {
public:
    explicit Program(const PlatformServices& services);
    ~Program();

    MainWindow* mainWindow() const { return m_main.get(); }
    AboutWindow& about() const;
    ResonanceWindow& resonance() const;
    AlPermeabilityWindow& alPermeability() const;
    CopperResistanceWindow& copper() const;
    ConversionWindow& conversion() const;

private:
    std::unique_ptr<MainWindow> m_main;
};

} // namespace torvex::gui
