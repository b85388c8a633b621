// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QPalette;

namespace torvex::gui {

// The contrast every text reaches on a dark desktop (WCAG AA), and the one
// that suffices for bold text.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kBoldTextContrast = 3.0;

// A dark desktop: its windows are darker than middle grey.
bool IsDark(const QPalette& desktop);

// The contrast ratio of two colours as WCAG 2 measures it, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// `text` if it reaches `ratio` on `background`, else the nearest shade of it
// (towards white on a dark background, towards black on a light one) that does.
QColor ShadeReaching(const QColor& text, const QColor& background, double ratio);

} // namespace torvex::gui
