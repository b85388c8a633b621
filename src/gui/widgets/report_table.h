// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a page or window describes its report: one table of rows over the
// object names of its controls, read as they are shown when the report is
// made. A row names a caption, a value and a unit; each may be shown by two
// controls one after the other ("# " and a gauge, a prefix and "Ω").

#include <QString>
#include <array>
#include <span>

#include "report/report.h"
#include "settings.h"

class QWidget;

namespace torvex::gui {

using ReportNames = std::array<const char*, 2>;

struct ReportRow {
    int section = 0;                    // starts a section titled by this text...
    const char* box = nullptr;          // ...or by this group box's title
    int captionText = 0;                // the caption: a text of the table,
    const char* fixedCaption = nullptr; // a text the same in both languages,
    ReportNames caption{};              // or what these controls show
    ReportNames value{};
    ReportNames unit{};
    bool named = false; // the value reads "caption: value" (a maker's footer)
    bool ifAny = false; // left out when it shows nothing (a message, a warning)
};

// The rows of `table` as `root` shows them now. A row whose value controls
// are all hidden (a message not shown, an option not chosen) is left out; an
// empty field stays in, as typed. The texts of a caption's controls are
// joined with a blank, those of a value or unit without one ("k" "Ω").
report::Report MakeReport(const QWidget& root, std::span<const ReportRow> table, Language language);

// The text a control shows: a label's or field's text, a list's choice, a
// chosen option's caption, a colour field's colour name.
QString ControlText(const QWidget& control, Language language);

} // namespace torvex::gui
