// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace torvex::gui {

// Makes each caption the buddy of the field it stands before (or above) in
// its layout, so that a screen reader names the field by its caption and
// Alt with the caption's mnemonic letter reaches the field.
void LinkCaptionsToFields(QWidget* root);

} // namespace torvex::gui
