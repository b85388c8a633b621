#pragma once

#include "tools/tool_window.h"

class QComboBox;
class QLineEdit;

namespace torvex::gui {

// The metric-conversion window: inch/foot/yard <-> mm/cm/m, AWG -> mm,
// °F -> °C.
class ConversionWindow : public ToolWindow {
    Q_OBJECT
public:
    explicit ConversionWindow(WindowContext& context);
    void recomputeImperialToMetric();
    void recomputeMetricToImperial();
    void recomputeGaugeDiameter();
    void recomputeFahrenheit();

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
