// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pages/page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace torvex::gui {

// The page of air-core coils: turns of a cylinder coil (GroupBox4),
// inductance of a cylinder coil (GroupBox3) and a straight conductor
// (GroupBox7).
class AirCoilPage : public Page {
    Q_OBJECT
public:
    report::Report report() const override;
    explicit AirCoilPage(PageContext& context, QWidget* parent = nullptr);
    void recomputeCoilTurns();
    void recomputeCoilInductance();
    void recomputeStraightConductor();
    // The unit switch's steps for the measurement system shown now: the two
    // cylinder-coil groups (unit captions, "# ", then both recompute), and
    // the straight conductor (its wire input becomes a gauge list or a typed
    // field, its length is emptied, then it recomputes).
    void applyCylinderUnits();
    void applyStraightUnits();
    void applyUnits() override {
        applyCylinderUnits();
        applyStraightUnits();
    }

protected:
    void recomputeAll() override;

private:
    void createTurnsGroup();
    void createInductanceGroup();
    void createStraightGroup();
    void connectInputs();

    // GroupBox4: turns for a wanted inductance.
    QGroupBox* m_turnsGroup = nullptr;
    QLineEdit* m_wanted = nullptr;            // Edit14
    QComboBox* m_wantedUnit = nullptr;        // ComboBox11
    QLineEdit* m_turnsDiameter = nullptr;     // Edit15
    QLineEdit* m_turnsLength = nullptr;       // Edit16
    QLabel* m_turnsDiameterUnit = nullptr;    // Label109
    QLabel* m_turnsLengthUnit = nullptr;      // Label110
    QLabel* m_neededTurns = nullptr;          // Label104
    QLabel* m_neededWireLength = nullptr;     // Label52
    QLabel* m_neededWireLengthUnit = nullptr; // Label55
    QLabel* m_largestWire = nullptr;          // Label178: mm, or the gauge
    QLabel* m_largestWireUnit = nullptr;      // Label179
    QLabel* m_wireGaugeMark = nullptr;        // Label241
    // GroupBox3: inductance of a number of turns.
    QGroupBox* m_inductanceGroup = nullptr;
    QLineEdit* m_turns = nullptr;           // Edit8
    QLineEdit* m_coilDiameter = nullptr;    // Edit9
    QLineEdit* m_coilLength = nullptr;      // Edit10
    QLabel* m_coilDiameterUnit = nullptr;   // Label63
    QLabel* m_coilLengthUnit = nullptr;     // Label64
    QLabel* m_coilInductance = nullptr;     // Label57
    QLabel* m_coilInductanceUnit = nullptr; // Label62
    // GroupBox7: straight conductor.
    QGroupBox* m_straightGroup = nullptr;
    QComboBox* m_wire = nullptr;             // ComboBox21: typed mm, or the gauge list
    QLineEdit* m_wireLength = nullptr;       // Edit23
    QRadioButton* m_withoutSkin = nullptr;   // RadioButton1
    QRadioButton* m_withSkin = nullptr;      // RadioButton2
    QLabel* m_conductorWireUnit = nullptr;   // Label169
    QLabel* m_conductorLengthUnit = nullptr; // Label172
    QLabel* m_conductorGaugeMark = nullptr;  // Label246
    QLabel* m_conductorInductance = nullptr; // Label170
};

} // namespace torvex::gui
