// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>
#include <QProxyStyle>

namespace torvex::gui {

// Tooltips appear this long after the mouse comes to rest (when no tooltip
// is showing yet).
inline constexpr int kHintDelayMs = 10;

// The program's one style: the desktop's own style, with two changes: the
// short tooltip delay, and lists that open with their own number of lines.
// Every tooltip of every window is shown through it, as a tooltip window of
// the platform, so the platform (or the X11 compositor) draws its usual drop
// shadow under it.
class HintStyle : public QProxyStyle {
public:
    explicit HintStyle(QStyle* desktopStyle);
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

// The palette of every tooltip: the desktop's tooltip colours, the same in
// every colour group, so a tooltip looks alike whichever window it belongs
// to and whether that window is active or not.
QPalette HintPalette(const QPalette& desktop);

// Puts HintStyle over the style in use and gives tooltips HintPalette. Called
// before the first window is created; later calls change nothing, so all
// windows share the one style.
void InstallHintStyle();

} // namespace torvex::gui
