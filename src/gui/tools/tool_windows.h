#pragma once

#include <array>

#include "tools/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace torvex::gui {

// Resonant circuit: f from L and C, C from L and f, L from C and f.
class TForm2 : public ToolWindow {
    Q_OBJECT
public:
    explicit TForm2(MainContext& context);
    void Edit1Change();
    void Edit3Change();
    void Edit5Change();

private:
    // The two inputs of a row, each a typed number with its unit list.
    struct Row {
        QLineEdit* first = nullptr;
        QComboBox* firstUnit = nullptr;
        QLineEdit* second = nullptr;
        QComboBox* secondUnit = nullptr;
    };
    void createRows();
    void connectRows();
    void recomputeRow(int row);
    std::array<Row, 3> m_rows;
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

private:
    void createControls();
    void connectInputs();
    // Lists, colours and unit labels of one measurement system; computes nothing.
    void configureUnits(bool usUnits);

    QLineEdit* m_length = nullptr;       // Edit1
    QComboBox* m_lengthUnit = nullptr;   // ComboBox1
    QComboBox* m_diameter = nullptr;     // ComboBox2: typed mm, or the gauge list
    QLineEdit* m_temperature = nullptr;  // Edit3
    QLabel* m_gaugeMark = nullptr;       // Label2 "# "
    QLabel* m_diameterUnit = nullptr;    // Label7
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

private:
    void createControls();
    void connectInputs();

    QLineEdit* m_imperial = nullptr;     // Edit1
    QComboBox* m_imperialUnit = nullptr; // ComboBox1
    QLineEdit* m_metric = nullptr;       // Edit2
    QComboBox* m_metricUnit = nullptr;   // ComboBox2
    QComboBox* m_gauge = nullptr;        // ComboBox3
    QLineEdit* m_fahrenheit = nullptr;   // Edit3
};

} // namespace torvex::gui
