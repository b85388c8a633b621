#include "program.h"

#include "main_window.h"

namespace torvex::gui {

// Each secondary window takes the language shown as its construction ends, so
// every window carries the start language when it is first shown.
Program::Program(const PlatformServices& services) : m_main(std::make_unique<MainWindow>(services)) {
    m_main->aboutWindow();
    m_main->resonanceWindow();
    m_main->alPermeabilityWindow();
    m_main->copperResistanceWindow();
    m_main->conversionWindow();
}

Program::~Program() = default;

AboutWindow& Program::about() const { return m_main->aboutWindow(); }
ResonanceWindow& Program::resonance() const { return m_main->resonanceWindow(); }
AlPermeabilityWindow& Program::alPermeability() const { return m_main->alPermeabilityWindow(); }
CopperResistanceWindow& Program::copper() const { return m_main->copperResistanceWindow(); }
ConversionWindow& Program::conversion() const { return m_main->conversionWindow(); }

} // namespace torvex::gui
