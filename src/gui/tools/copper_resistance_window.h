// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace torvex::gui {

// The copper-resistance window: the resistance of copper wire at a
// temperature. Its length unit and wire input follow the measurement system.
class CopperResistanceWindow : public ToolWindow {
    Q_OBJECT
public:
    report::Report report() const override;
    explicit CopperResistanceWindow(WindowContext& context);
    void recompute();
    // The unit switch's step for this window: lists, gauge list with "20",
    // colours and the "# " for the system shown now; empties the length field
    // (which recomputes).
    void applyUnits();

protected:
    void followSettings(DisplaySettings::Change what) override;
    void recomputeAll() override { recompute(); }
    void showUnits(UnitSystem units) override { configureUnits(units == UnitSystem::Us); }

private:
    void createControls();
    void connectInputs();
    // Lists, colours and unit captions of one measurement system; computes nothing.
    void configureUnits(bool usUnits);

    QLineEdit* m_length = nullptr;      // Edit1
    QComboBox* m_lengthUnit = nullptr;  // ComboBox1
    QComboBox* m_diameter = nullptr;    // ComboBox2: typed mm, or the gauge list
    QLineEdit* m_temperature = nullptr; // Edit3
    QLabel* m_gaugeMark = nullptr;      // Label2 "# "
    QLabel* m_diameterUnit = nullptr;   // Label7
    QLabel* m_warning = nullptr;        // Label12: temperature out of range
    QLabel* m_resistance = nullptr;     // Label3
    QLabel* m_prefix = nullptr;         // Label9: SI prefix before the ohm sign
};

} // namespace torvex::gui
