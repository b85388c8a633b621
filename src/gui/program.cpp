#include "program.h"

#include "mainwindow.h"
#include "tools/about_box.h"
#include "tools/al_permeability_window.h"
#include "tools/tool_windows.h"

namespace torvex::gui {

// Each window after the main one registers itself and re-applies the start
// language as its construction ends, so every window carries it when first
// shown.
Program::Program(const PlatformServices& services) : m_main(std::make_unique<TForm1>(services)) {
    m_about = std::make_unique<TAboutBox>(*m_main);
    m_resonance = std::make_unique<TForm2>(*m_main);
    m_alPermeability = std::make_unique<TForm3>(*m_main);
    m_copper = std::make_unique<TForm4>(*m_main);
    m_conversion = std::make_unique<TForm5>(*m_main);
    m_main->setToolWindows(m_about.get(), m_resonance.get(), m_alPermeability.get(), m_copper.get(), m_conversion.get());
}

// The tool windows go first: they refer to the main window.
Program::~Program() {
    m_conversion.reset();
    m_copper.reset();
    m_alPermeability.reset();
    m_resonance.reset();
    m_about.reset();
    m_main.reset();
}

} // namespace torvex::gui
