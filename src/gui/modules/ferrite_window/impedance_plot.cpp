// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modules/ferrite_window/impedance_plot.h"

#include <QAreaSeries>
#include <QChart>
#include <QEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

#include "widgets/builders.h"
#include "widgets/colours.h"

namespace torvex::gui {

namespace {

constexpr int kFrequencyAxisText = 2180; // "Frequenz (MHz)"
constexpr int kImpedanceAxisText = 2181; // "Impedanz (%1)"
constexpr int kWorkingText = 2182;
constexpr int kBandText = 2183;
constexpr int kResonanceText = 2184;

constexpr long double kMegahertz = 1e6L;
constexpr std::array<const char*, 3> kImpedanceUnits{"Ω", "kΩ", "MΩ"};

// Of medium lightness, so that each curve reads on a white plot and on a dark
// one alike; the markers take the palette's own colours.
const QColor kMagnitudeColour{230, 126, 34};  // orange
const QColor kResistanceColour{52, 152, 219}; // blue
const QColor kReactanceColour{39, 174, 96};   // green
const QColor kResonanceColour{231, 76, 60};   // red

constexpr qreal kCurveWidth = 2.0;

// The chart strokes a curve segment by segment: round caps would cost a
// rounded end on each of some 400 segments, several milliseconds a redraw.
QPen CurvePen(const QColor& colour) { return QPen(colour, kCurveWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin); }

// `over` laid on `under` with the given opacity, as an opaque colour: a grid
// line in it is drawn as a plain fill, where a translucent or dotted one
// (the theme's) costs a blend or a dash pattern on every pixel.
QColor Mixed(const QColor& over, const QColor& under, qreal opacity) {
    auto mix = [opacity](int a, int b) { return int(a * opacity + b * (1 - opacity) + 0.5); };
    return QColor(mix(over.red(), under.red()), mix(over.green(), under.green()), mix(over.blue(), under.blue()));
}

} // namespace

// Built with its chart: a view built without one makes its own, which
// setChart() would leave to nobody.
ImpedancePlot::ImpedancePlot(QWidget* parent) : QChartView(new QChart, parent) {
    m_chart = chart(); // the view owns it
    setRenderHint(QPainter::Antialiasing);
    m_chart->setMargins(QMargins(2, 2, 2, 2));
    m_chart->legend()->setAlignment(Qt::AlignBottom);

    m_frequencyAxis = new QLogValueAxis;
    m_frequencyAxis->setBase(10);
    m_frequencyAxis->setLabelFormat(QStringLiteral("%g"));
    m_frequencyAxis->setMinorTickCount(8); // 2 ... 9 in every decade
    m_impedanceAxis = new QValueAxis;
    m_impedanceAxis->setLabelFormat(QStringLiteral("%g"));
    m_chart->addAxis(m_frequencyAxis, Qt::AlignBottom);
    m_chart->addAxis(m_impedanceAxis, Qt::AlignLeft);

    // The band first, so that the curves are drawn over it.
    m_bandTop = new QLineSeries;
    m_bandBottom = new QLineSeries;
    m_band = new QAreaSeries(m_bandTop, m_bandBottom);
    m_bandTop->setParent(m_band);
    m_bandBottom->setParent(m_band);
    m_band->setObjectName(QStringLiteral("bandSeries"));
    attach(m_band);

    m_magnitude = addLine("magnitudeSeries");
    m_magnitude->setName(QStringLiteral("|Z|"));
    m_resistance = addLine("resistanceSeries");
    m_resistance->setName(QStringLiteral("R"));
    m_reactance = addLine("reactanceSeries");
    m_reactance->setName(QStringLiteral("X"));
    m_working = addLine("workingSeries");

    m_resonance = new QScatterSeries;
    m_resonance->setObjectName(QStringLiteral("resonanceSeries"));
    m_resonance->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    m_resonance->setMarkerSize(10);
    attach(m_resonance);

    followPalette();
    for (QAbstractSeries* marker : {static_cast<QAbstractSeries*>(m_band), static_cast<QAbstractSeries*>(m_working),
                                    static_cast<QAbstractSeries*>(m_resonance)})
        showMarker(marker, false);
}

QLineSeries* ImpedancePlot::addLine(const char* name) {
    auto* series = new QLineSeries;
    series->setObjectName(QLatin1String(name));
    attach(series);
    return series;
}

void ImpedancePlot::attach(QAbstractSeries* series) {
    m_chart->addSeries(series); // the chart owns it
    series->attachAxis(m_frequencyAxis);
    series->attachAxis(m_impedanceAxis);
}

void ImpedancePlot::showCurves(const ImpedanceCurves& curves) {
    long double top = 0;
    long double bottom = 0;
    for (const ImpedancePoint& p : curves.points) {
        top = std::max({top, p.magnitude, p.resistance, p.reactance});
        bottom = std::min({bottom, p.resistance, p.reactance});
    }
    const long double largest = std::max(top, -bottom);
    const int thousands = largest >= 1e6L ? 2 : largest >= 1e3L ? 1 : 0;
    const long double scale = thousands == 2 ? 1e-6L : thousands == 1 ? 1e-3L : 1.0L;
    m_thousands = thousands;
    titleImpedanceAxis();

    QList<QPointF> magnitude, resistance, reactance;
    magnitude.reserve(qsizetype(curves.points.size()));
    resistance.reserve(qsizetype(curves.points.size()));
    reactance.reserve(qsizetype(curves.points.size()));
    for (const ImpedancePoint& p : curves.points) {
        const double f = double(p.frequency / kMegahertz);
        magnitude.append(QPointF(f, double(p.magnitude * scale)));
        resistance.append(QPointF(f, double(p.resistance * scale)));
        reactance.append(QPointF(f, double(p.reactance * scale)));
    }
    m_magnitude->replace(magnitude);
    m_resistance->replace(resistance);
    m_reactance->replace(reactance);

    const bool drawn = !curves.points.empty() && curves.lowestFrequency < curves.highestFrequency;
    if (drawn) {
        m_frequencyAxis->setRange(double(curves.lowestFrequency / kMegahertz),
                                  double(curves.highestFrequency / kMegahertz));
        const double low = double(bottom * scale);
        const double high = double(top * scale);
        m_impedanceAxis->setRange(low, high > low ? high : low + 1);
        m_impedanceAxis->applyNiceNumbers();
    }
    const double yMin = m_impedanceAxis->min();
    const double yMax = m_impedanceAxis->max();

    const bool working = drawn && curves.working.has_value();
    if (working) {
        const double f = double(curves.working->frequency / kMegahertz);
        m_working->replace({QPointF(f, yMin), QPointF(f, yMax)});
    } else {
        m_working->clear();
    }
    showMarker(m_working, working);

    const bool band = drawn && curves.band.has_value();
    if (band) {
        const double from = double(curves.band->first / kMegahertz);
        const double to = double(curves.band->second / kMegahertz);
        m_bandTop->replace({QPointF(from, yMax), QPointF(to, yMax)});
        m_bandBottom->replace({QPointF(from, yMin), QPointF(to, yMin)});
    } else {
        m_bandTop->clear();
        m_bandBottom->clear();
    }
    showMarker(m_band, band);

    // At the resonance X is 0, so |Z| and R meet there: one point on both.
    const bool resonance = drawn && curves.resonance.has_value();
    if (resonance)
        m_resonance->replace(
            {QPointF(double(curves.resonance->frequency / kMegahertz), double(curves.resonance->magnitude * scale))});
    else
        m_resonance->clear();
    showMarker(m_resonance, resonance);
}

void ImpedancePlot::setLanguage(Language language) {
    m_language = language;
    m_frequencyAxis->setTitleText(TableText(kFrequencyAxisText, language));
    titleImpedanceAxis();
    m_working->setName(TableText(kWorkingText, language));
    m_band->setName(TableText(kBandText, language));
    m_resonance->setName(TableText(kResonanceText, language));
}

void ImpedancePlot::titleImpedanceAxis() {
    const QString title =
        TableText(kImpedanceAxisText, m_language).arg(QString::fromUtf8(kImpedanceUnits[std::size_t(m_thousands)]));
    if (title != m_impedanceAxis->titleText())
        m_impedanceAxis->setTitleText(title);
}

// A marker that shows nothing leaves the legend too.
void ImpedancePlot::showMarker(QAbstractSeries* series, bool shown) {
    for (QLegendMarker* marker : m_chart->legend()->markers(series))
        marker->setVisible(shown);
}

void ImpedancePlot::followPalette() {
    const QPalette pal = palette();
    const bool dark = IsDark(pal);
    if (!m_themed || dark != m_dark) {
        // A theme resets every colour and font of the chart; ours follow.
        m_chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
        m_dark = dark;
        m_themed = true;
    }
    const QColor window = pal.color(QPalette::Window);
    const QColor text = pal.color(QPalette::WindowText);
    setBackgroundBrush(window);
    m_chart->setBackgroundBrush(window);
    m_chart->setBackgroundPen(Qt::NoPen);
    m_chart->setPlotAreaBackgroundVisible(false);
    m_chart->legend()->setLabelColor(text);

    const QPen grid(Mixed(text, window, 0.27), 1);
    const QPen minorGrid(Mixed(text, window, 0.11), 1);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(m_frequencyAxis), static_cast<QAbstractAxis*>(m_impedanceAxis)}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(text);
        axis->setGridLinePen(grid);
        axis->setMinorGridLinePen(minorGrid);
    }
    colourSeries();
}

void ImpedancePlot::colourSeries() {
    const QPalette pal = palette();
    m_magnitude->setPen(CurvePen(kMagnitudeColour));
    m_resistance->setPen(CurvePen(kResistanceColour));
    m_reactance->setPen(CurvePen(kReactanceColour));

    QPen working(pal.color(QPalette::WindowText), 1.5, Qt::DashLine);
    m_working->setPen(working);

    QColor band = pal.color(QPalette::Highlight);
    band.setAlpha(60);
    m_band->setBrush(band);
    m_band->setPen(Qt::NoPen);

    m_resonance->setColor(kResonanceColour);
    m_resonance->setBorderColor(pal.color(QPalette::Window));
}

void ImpedancePlot::changeEvent(QEvent* event) {
    QChartView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followPalette();
}

} // namespace torvex::gui
