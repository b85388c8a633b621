#pragma once

#include <memory>
#include "platform/platform.h"

namespace torvex::gui {

class TForm1;
class TAboutBox;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

// All windows of the program, created in their order at start and destroyed
// together at the end: the main window, the About window, the resonant
// circuit, AL and µi, copper resistance and metric conversion.
class Program {
public:
    explicit Program(const PlatformServices& services);
    ~Program();

    TForm1* mainWindow() const { return m_main.get(); }
    TAboutBox* about() const { return m_about.get(); }
    TForm2* resonance() const { return m_resonance.get(); }
    TForm3* alPermeability() const { return m_alPermeability.get(); }
    TForm4* copper() const { return m_copper.get(); }
    TForm5* conversion() const { return m_conversion.get(); }

private:
    std::unique_ptr<TForm1> m_main;
    std::unique_ptr<TAboutBox> m_about;
    std::unique_ptr<TForm2> m_resonance;
    std::unique_ptr<TForm3> m_alPermeability;
    std::unique_ptr<TForm4> m_copper;
    std::unique_ptr<TForm5> m_conversion;
};

} // namespace torvex::gui
