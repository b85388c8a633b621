// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/window_context.h"

namespace torvex::gui {

class AlPermeabilityWindow;

// What the pages need from the main window: the shared context, and the
// AL-and-µi window, whose values the unknown-cores page takes over.
class PageContext : public WindowContext {
public:
    // The AL-and-µi window, built first if it does not exist yet.
    virtual AlPermeabilityWindow& alPermeabilityWindow() = 0;
};

} // namespace torvex::gui
