#pragma once

#include "pages/page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace torvex::gui {

// TabSheet5: air-core coils: turns of a cylinder coil (GroupBox4), inductance
// of a cylinder coil (GroupBox3) and a straight conductor (GroupBox7).
class AirCoilPage : public Page {
    Q_OBJECT
public:
    AirCoilPage(MainContext& context, QWidget* parent = nullptr);
    void Edit14Change();     // GroupBox4
    void Edit8Change();      // GroupBox3
    void ComboBox21Change(); // GroupBox7
    // The unit switch's steps for the two cylinder-coil groups (labels, "# ",
    // then Edit14Change and Edit8Change).
    void applyCylinderUnits(bool usUnits);
    // Its step for the straight conductor (wire input becomes a gauge list or
    // a typed field, labels, Edit23 emptied, then ComboBox21Change).
    void applyStraightUnits(bool usUnits);

private:
    void createTurnsGroup();
    void createInductanceGroup();
    void createStraightGroup();
    void connectInputs();
    void setLabel(const char* name, const char* text);
    void setShown(const char* name, bool shown);

    // GroupBox4: turns for a wanted inductance.
    QGroupBox* m_turnsGroup = nullptr;
    QLineEdit* m_wanted = nullptr;         // Edit14
    QComboBox* m_wantedUnit = nullptr;     // ComboBox11
    QLineEdit* m_turnsDiameter = nullptr;  // Edit15
    QLineEdit* m_turnsLength = nullptr;    // Edit16
    // GroupBox3: inductance of a number of turns.
    QGroupBox* m_inductanceGroup = nullptr;
    QLineEdit* m_turns = nullptr;          // Edit8
    QLineEdit* m_coilDiameter = nullptr;   // Edit9
    QLineEdit* m_coilLength = nullptr;     // Edit10
    // GroupBox7: straight conductor.
    QGroupBox* m_straightGroup = nullptr;
    QComboBox* m_wire = nullptr;           // ComboBox21: typed mm, or the gauge list
    QLineEdit* m_wireLength = nullptr;     // Edit23
    QRadioButton* m_withoutSkin = nullptr; // RadioButton1
    QRadioButton* m_withSkin = nullptr;    // RadioButton2
};

} // namespace torvex::gui
