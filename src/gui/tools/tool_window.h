// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <optional>

#include "format/calc_error.h"
#include "platform/display_settings.h"
#include "platform/settings_store.h"
#include "widgets/report_source.h"
#include "widgets/report_table.h"
#include "widgets/window_context.h"

namespace torvex::gui {

// A secondary window: created hidden, shown non-modally, only hidden when
// closed; fixed size; single border with system menu and minimise button.
class ToolWindow : public QWidget, public ReportSource {
    Q_OBJECT
    Q_INTERFACES(torvex::gui::ReportSource)
public:
    // objectName "TForm2"...; tag selects the caption; helpContext for F1.
    ToolWindow(WindowContext& context, const char* objectName, int tag, int helpContext);

    // Shows the window, or brings it to the front with its inputs unchanged.
    void showAndRaise();

    // The window's inputs and its place on the screen between runs.
    // Restoring recomputes the window when an input was put back; a place
    // that lies on no screen now is left to the window system.
    void storeState(StoredValues& values) const;
    void restoreState(const StoredValues& values);

protected:
    // Every calculator of the window.
    virtual void recomputeAll() {}
    // Ends a constructor: fixes the size to the largest of the window's
    // states (languages and units), takes the texts of
    // the language shown now and follows every later change of the settings.
    void finishCreation();
    // A change of the settings; the language is taken here, the rest is the
    // window's own business.
    virtual void followSettings(DisplaySettings::Change what);
    // Shows the unit texts of `units` (a window whose texts differ with the
    // units); used while the window measures its states.
    virtual void showUnits(UnitSystem units) { (void)units; }

    // After a recompute has shown its result through the window's binding table.
    void reportFailure(const std::optional<CalcError>& error);
    torvex::Settings engineSettings() const { return settings().engineSettings(); }
    const DisplaySettings& settings() const { return m_context.settings(); }
    WindowContext& m_context;
};

} // namespace torvex::gui
