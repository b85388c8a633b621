#pragma once

#include <array>

#include "tools/tool_window.h"

class QGroupBox;
class QLineEdit;

namespace torvex::gui {

// AL and µi from a test winding and the core's dimensions.
class TForm3 : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm3(MainContext& context);
    void Edit1Change();

private:
    void createControls();
    void layOut();
    void connectInputs();

    // Edit1 turns, Edit2 measured µH, Edit3 Da, Edit4 Di, Edit5 h, Edit6 coating.
    std::array<QLineEdit*, 6> m_fields{};
    QGroupBox* m_dimensions = nullptr; // GroupBox1
};

} // namespace torvex::gui
