// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChartView>

#include "ferrite/ferrite_impedance.h"
#include "settings.h"

class QAbstractSeries;
class QAreaSeries;
class QLineSeries;
class QLogValueAxis;
class QScatterSeries;
class QValueAxis;

namespace torvex::gui {

// |Z|, R and X of the winding against frequency over the material's data, on
// a logarithmic frequency axis in MHz, with the working frequency, the choke
// band and the self-resonance marked. The curves are the engine's; this only
// scales them to the axes. Each change replaces the points of the existing
// series, so a keystroke redraws without building anything.
class ImpedancePlot : public QChartView {
    Q_OBJECT
public:
    explicit ImpedancePlot(QWidget* parent = nullptr);

    void showCurves(const ImpedanceCurves& curves);
    // Axis titles and legend in the language.
    void setLanguage(Language language);
    // The chart's theme and colours from the palette shown now, so that the
    // plot reads on light and dark desktops alike.
    void followPalette();

    // Room for five decades of frequency with their labels; the window keeps
    // its size, so this is the plot's size.
    QSize sizeHint() const override { return {600, 440}; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void changeEvent(QEvent* event) override;

private:
    QLineSeries* addLine(const char* name);
    void attach(QAbstractSeries* series);
    void titleImpedanceAxis();
    void showMarker(QAbstractSeries* series, bool shown);
    void colourSeries();

    QChart* m_chart = nullptr;
    QLogValueAxis* m_frequencyAxis = nullptr;
    QValueAxis* m_impedanceAxis = nullptr;
    QAreaSeries* m_band = nullptr;
    QLineSeries* m_bandTop = nullptr;
    QLineSeries* m_bandBottom = nullptr;
    QLineSeries* m_magnitude = nullptr;
    QLineSeries* m_resistance = nullptr;
    QLineSeries* m_reactance = nullptr;
    QLineSeries* m_working = nullptr;
    QScatterSeries* m_resonance = nullptr;
    Language m_language = Language::German;
    int m_thousands = 0; // the impedance axis in Ω (0), kΩ (1) or MΩ (2)
    bool m_dark = false;
    bool m_themed = false;
};

} // namespace torvex::gui
