// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "tools/tool_window.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace torvex::gui {

// The AL-and-µi window: AL and µi of a core from a test winding and the
// core's dimensions.
class AlPermeabilityWindow : public ToolWindow {
    Q_OBJECT
public:
    report::Report report() const override;
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

protected:
    void recomputeAll() override { recompute(); }

private:
    void createFields();
    void layOut();
    void connectInputs();

    QLineEdit* m_turns = nullptr;      // of the test winding
    QLineEdit* m_inductance = nullptr; // measured, µH
    QLineEdit* m_da = nullptr;
    QLineEdit* m_di = nullptr;
    QLineEdit* m_h = nullptr;
    QLineEdit* m_coating = nullptr;
    QGroupBox* m_dimensions = nullptr;
    QLabel* m_al = nullptr;
    QLabel* m_crossSection = nullptr;
    QLabel* m_pathLength = nullptr;
    QLabel* m_coreFactor = nullptr;
    QLabel* m_permeability = nullptr;
};

} // namespace torvex::gui
