// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "tools/tool_window.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace torvex::gui {

// The resonant-circuit window: f from L and C, C from L and f, L from C and f.
class ResonanceWindow : public ToolWindow {
    Q_OBJECT
public:
    report::Report report() const override;
    explicit ResonanceWindow(WindowContext& context);
    void recomputeFrequency();
    void recomputeCapacitance();
    void recomputeInductance();

protected:
    void recomputeAll() override;

private:
    // The two inputs of a row, each a typed number with its unit list, and
    // the result with its unit.
    struct Row {
        QLineEdit* first = nullptr;
        QComboBox* firstUnit = nullptr;
        QLineEdit* second = nullptr;
        QComboBox* secondUnit = nullptr;
        QLabel* result = nullptr;
        QLabel* unit = nullptr;
    };
    void createRows();
    void connectRows();
    void recomputeRow(int row);
    std::array<Row, 3> m_rows;
};

} // namespace torvex::gui
