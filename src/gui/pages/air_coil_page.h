#pragma once

#include "pages/page.h"

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
};

} // namespace torvex::gui
