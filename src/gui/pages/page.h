// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <optional>

#include "format/calc_error.h"
#include "pages/page_context.h"
#include "platform/settings_store.h"
#include "settings.h"
#include "widgets/report_source.h"

namespace torvex::gui {

// What a page of the main window shows (it stands on its PageSheet). It
// builds its controls, binds each input's change to its recompute, shows a
// recompute's result through its binding table and reports the failure, if
// any, once. Its results can be copied, saved and printed (ReportSource).
class Page : public QWidget, public ReportSource {
    Q_OBJECT
    Q_INTERFACES(torvex::gui::ReportSource)
public:
    explicit Page(PageContext& context, QWidget* parent = nullptr);
    // The unit captions of the measurement system shown now, then every
    // calculator of the page recomputed in it: the unit command's step, and
    // how a page built after the start catches up.
    virtual void applyUnits() = 0;
    // A page built after the start: the texts and hints of the language
    // shown now, then applyUnits(), as the start's choices did for the pages
    // built with the window.
    void catchUp();

    // The page's inputs between runs. Restoring recomputes the page when
    // anything was put back; it is done once the page shows the start's
    // units, which rebuild some of its inputs.
    void storeState(StoredValues& values) const;
    void restoreState(const StoredValues& values);

protected:
    // Every calculator of the page.
    virtual void recomputeAll() = 0;
    void reportFailure(const std::optional<CalcError>& error);
    torvex::Settings engineSettings() const;
    Language language() const;
    bool usUnits() const;
    PageContext& m_context;
};

} // namespace torvex::gui
