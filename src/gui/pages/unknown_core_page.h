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
    explicit UnknownCorePage(PageContext& context, QWidget* parent = nullptr);
    void recompute();
    // The wire's unit captions and the "# " before the gauge for the
    // measurement system shown now; then the page is recomputed.
    void applyUnits();
    // Take over what the AL-and-µi window shows (the window is built first
    // if it does not exist yet).
    void copyAlFromTool();
    void copyDimensionsFromTool();

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
