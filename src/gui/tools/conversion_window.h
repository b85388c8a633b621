// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/conversion.h"
#include "tools/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace torvex::gui {

// The metric-conversion window: inch/foot/yard <-> mm/cm/m, AWG -> mm,
// °F -> °C.
class ConversionWindow : public ToolWindow {
    Q_OBJECT
public:
    report::Report report() const override;
    explicit ConversionWindow(WindowContext& context);
    void recomputeImperialToMetric();
    void recomputeMetricToImperial();
    void recomputeGaugeDiameter();
    void recomputeFahrenheit();

protected:
    void recomputeAll() override;

private:
    // A converted length and its unit.
    struct LengthResult {
        QLabel* length = nullptr;
        QLabel* unit = nullptr;
    };
    void createControls();
    void connectInputs();
    void showLength(const LengthConversionOutcome& outcome, const LengthResult& result);

    QLineEdit* m_imperial = nullptr;      // Edit1
    QComboBox* m_imperialUnit = nullptr;  // ComboBox1
    QLineEdit* m_metric = nullptr;        // Edit2
    QComboBox* m_metricUnit = nullptr;    // ComboBox2
    QComboBox* m_gauge = nullptr;         // ComboBox3
    QLineEdit* m_fahrenheit = nullptr;    // Edit3
    LengthResult m_toMetric;              // Label1, Label6
    LengthResult m_toImperial;            // Label2, Label5
    QLabel* m_gaugeMillimetres = nullptr; // Label3
    QLabel* m_gaugeInches = nullptr;      // Label13
    QLabel* m_celsius = nullptr;          // Label4
};

} // namespace torvex::gui
