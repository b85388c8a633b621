#pragma once

#include "pages/page.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace torvex::gui {

// TabSheet4: a core of unknown make whose AL and dimensions the user types or
// takes over from the AL-and-µi window.
class UnknownCorePage : public Page {
    Q_OBJECT
public:
    UnknownCorePage(MainContext& context, QWidget* parent = nullptr);
    void Edit4Change();
    // Sets Label166, Label167 and Label245 for the measurement system, then recomputes.
    void applyUnits(bool usUnits);
    void BitBtn1Click(); // take AL over
    void BitBtn2Click(); // take the dimensions over

private:
    void createControls();
    void layOut();
    void connectInputs();

    QLineEdit* m_al = nullptr;             // Edit20
    QComboBox* m_alUnit = nullptr;         // ComboBox7
    QLineEdit* m_inductance = nullptr;     // Edit4
    QComboBox* m_inductanceUnit = nullptr; // ComboBox8
    QLineEdit* m_da = nullptr;             // Edit6
    QLineEdit* m_di = nullptr;             // Edit7
    QLineEdit* m_h = nullptr;              // Edit21
    QLineEdit* m_frequency = nullptr;      // Edit27
    QComboBox* m_frequencyUnit = nullptr;  // ComboBox20
    QLineEdit* m_turns = nullptr;          // Edit5
    QGroupBox* m_turnsGroup = nullptr;     // GroupBox2
    QPushButton* m_takeAl = nullptr;       // BitBtn1
    QPushButton* m_takeDimensions = nullptr; // BitBtn2
    QLabel* m_wireUnit = nullptr;          // Label166
    QLabel* m_lengthUnit = nullptr;        // Label167
    QLabel* m_gaugeMark = nullptr;         // Label245 "# "
};

} // namespace torvex::gui
