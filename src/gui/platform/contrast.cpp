// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/contrast.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace torvex::gui {

namespace {

// Below this relative luminance white reads better than black.
constexpr double kMiddleLuminance = 0.179;
constexpr int kShadeSteps = 64;

double Channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& c) {
    return 0.2126 * Channel(c.red()) + 0.7152 * Channel(c.green()) + 0.0722 * Channel(c.blue());
}

QColor Mixed(const QColor& from, const QColor& to, double share) {
    auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

} // namespace

bool IsDark(const QPalette& desktop) { return desktop.color(QPalette::Window).lightness() < 128; }

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ShadeReaching(const QColor& text, const QColor& background, double ratio) {
    if (ContrastRatio(text, background) >= ratio)
        return text;
    const QColor towards = Luminance(background) < kMiddleLuminance ? QColor(Qt::white) : QColor(Qt::black);
    for (int step = 1; step < kShadeSteps; ++step) {
        const QColor shade = Mixed(text, towards, double(step) / kShadeSteps);
        if (ContrastRatio(shade, background) >= ratio)
            return shade;
    }
    return towards;
}

} // namespace torvex::gui
