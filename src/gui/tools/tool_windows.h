#pragma once

#include "tools/tool_window.h"

namespace torvex::gui {

// Resonant circuit: f from L and C, C from L and f, L from C and f.
class TForm2 : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm2(MainContext& context);
    void Edit1Change();
    void Edit3Change();
    void Edit5Change();
};


// Resistance of copper wire at a temperature.
class TForm4 : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm4(MainContext& context);
    void Edit1Change();
    // The measurement-system switch's step for this window: lists, gauge
    // list with "20", colours, "# " label; empties the length field.
    void applyUnits(bool usUnits);
};

// Metric conversion: inch/foot/yard <-> mm/cm/m, AWG -> mm, °F -> °C.
class TForm5 : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm5(MainContext& context);
    void Edit1Change();
    void Edit2Change();
    void ComboBox3Change();
    void Edit3Change();
};

} // namespace torvex::gui
