// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A page or window whose results can be copied, saved and printed. The
// program finds it with qobject_cast, which works across the window modules
// too (the interface is named by a string, not by a type of one binary).

#include <QtPlugin>

#include "report/report.h"

namespace torvex::gui {

class ReportSource {
public:
    virtual ~ReportSource() = default;
    // Everything the page or window shows, in the language shown: its core
    // and data, every input with its unit, every result as it stands. The
    // program and window titles are left to the caller.
    virtual report::Report report() const = 0;
};

} // namespace torvex::gui

#define TORVEX_REPORT_SOURCE_IID "org.torvex.Torvex.ReportSource/1"
Q_DECLARE_INTERFACE(torvex::gui::ReportSource, TORVEX_REPORT_SOURCE_IID)
