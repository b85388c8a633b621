#pragma once

#include <QString>
#include <array>

#include "tools/tool_window.h"

class QGroupBox;
class QLineEdit;

namespace torvex::gui {

class ResultLabel;

// The AL-and-µi window: AL and µi of a core from a test winding and the
// core's dimensions.
class AlPermeabilityWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit AlPermeabilityWindow(WindowContext& context);
    void recompute();

    // What the unknown-cores page takes over: the AL as its result field
    // shows it (in nH/N²), and the core's dimensions as typed, before the
    // coating is taken off.
    QString alText() const;
    struct Dimensions {
        QString da, di, h;
    };
    Dimensions dimensionTexts() const;

private:
    void createControls();
    void layOut();
    void connectInputs();

    // Edit1 turns, Edit2 measured µH, Edit3 Da, Edit4 Di, Edit5 h, Edit6 coating.
    std::array<QLineEdit*, 6> m_fields{};
    QGroupBox* m_dimensions = nullptr; // GroupBox1
    ResultLabel* m_al = nullptr;       // Label4
};

} // namespace torvex::gui
