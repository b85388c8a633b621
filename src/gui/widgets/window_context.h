// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings.h"

namespace torvex::gui {

class DecimalKeyFilter;
class DisplaySettings;
class ErrorReporter;

// What a page or a secondary window needs from the main window around it:
// the choices it shows, where its failures go, the key filter of its numeric
// fields, and the language command. The main window implements it; tests
// give a stand-in.
class WindowContext {
public:
    virtual ~WindowContext() = default;
    virtual DisplaySettings& settings() = 0;
    virtual ErrorReporter& errors() = 0;
    virtual DecimalKeyFilter& keyFilter() = 0;
    // The menu's language command: every window takes the language's texts,
    // and the pages whose results depend on it are recomputed.
    virtual void showLanguage(Language language) = 0;
};

} // namespace torvex::gui
