// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pages/page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace torvex::gui {

// The page of a core of unknown make whose AL and dimensions the user types
// or takes over from the AL-and-µi window.
class UnknownCorePage : public Page {
    Q_OBJECT
public:
    report::Report report() const override;
    explicit UnknownCorePage(PageContext& context, QWidget* parent = nullptr);
    void recompute();
    // The wire's unit captions and the "# " before the gauge for the
    // measurement system shown now; then the page is recomputed.
    void applyUnits() override;
    // Take over what the AL-and-µi window shows (the window is built first
    // if it does not exist yet).
    void copyAlFromTool();
    void copyDimensionsFromTool();

protected:
    void recomputeAll() override { recompute(); }

private:
    void createInputs();
    void createResults();
    void layOut();
    void connectInputs();

    QLineEdit* m_al = nullptr;                  // Edit20
    QComboBox* m_alUnit = nullptr;              // ComboBox7
    QLineEdit* m_inductance = nullptr;          // Edit4
    QComboBox* m_inductanceUnit = nullptr;      // ComboBox8
    QLineEdit* m_da = nullptr;                  // Edit6
    QLineEdit* m_di = nullptr;                  // Edit7
    QLineEdit* m_h = nullptr;                   // Edit21
    QLineEdit* m_frequency = nullptr;           // Edit27
    QComboBox* m_frequencyUnit = nullptr;       // ComboBox20
    QLineEdit* m_turns = nullptr;               // Edit5
    QGroupBox* m_turnsGroup = nullptr;          // GroupBox2
    QPushButton* m_takeAl = nullptr;            // BitBtn1
    QPushButton* m_takeDimensions = nullptr;    // BitBtn2
    QLabel* m_turnsResult = nullptr;            // Label49
    QLabel* m_wireDiameter = nullptr;           // Label31: mm, or the gauge
    QLabel* m_wireDiameterUnit = nullptr;       // Label166
    QLabel* m_wireLength = nullptr;             // Label43
    QLabel* m_wireLengthUnit = nullptr;         // Label167
    QLabel* m_gaugeMark = nullptr;              // Label245 "# "
    QLabel* m_reactance = nullptr;              // Label233
    QLabel* m_reactancePrefix = nullptr;        // Label235
    QLabel* m_inductanceOfTurns = nullptr;      // Label50
    QLabel* m_inductanceOfTurnsUnit = nullptr;  // Label53
    QLabel* m_reactanceOfTurns = nullptr;       // Label236
    QLabel* m_reactanceOfTurnsPrefix = nullptr; // Label239
};

} // namespace torvex::gui
