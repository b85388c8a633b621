#pragma once

#include "pages/page.h"

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
};

} // namespace torvex::gui
