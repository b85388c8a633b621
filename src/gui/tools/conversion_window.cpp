// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/conversion_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "calc/conversion.h"
#include "format/wire_gauge.h"
#include "widgets/binding.h"
#include "widgets/builders.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

const FieldWidth kEntryWidth = FieldWidth::Fitting(QStringLiteral("000000.000"));

QLabel* makeLabel(QWidget* parent, const char* name, const char* text) {
    return FixedCaption(parent, name, QString::fromUtf8(text));
}

} // namespace

// Each row reads "typed value and unit: result and unit".
report::Report ConversionWindow::report() const {
    // clang-format off
    static constexpr ReportRow kRows[] = {
        {.box = "GroupBox1"},
        {.caption = {"Edit1", "ComboBox1"}, .value = {"Label1"}, .unit = {"Label6"}},
        {.caption = {"Edit2", "ComboBox2"}, .value = {"Label2"}, .unit = {"Label5"}},
        {.box = "GroupBox2"},
        {.caption = {"ComboBox3", "Label10"}, .value = {"Label13"}},
        {.caption = {"ComboBox3", "Label10"}, .value = {"Label3"}, .unit = {"Label7"}},
        {.box = "GroupBox3"},
        {.caption = {"Edit3", "Label11"}, .value = {"Label4"}, .unit = {"Label8"}},
    };
    // clang-format on
    return MakeReport(*this, kRows, settings().language());
}

ConversionWindow::ConversionWindow(WindowContext& context) : ToolWindow(context, "TForm5", 355, 53) {
    createControls();
    connectInputs();
    // Only the gauge row has a value before the user types anything.
    recomputeGaugeDiameter();
    finishCreation();
}

void ConversionWindow::createControls() {
    auto* outer = new QVBoxLayout(this);
    const QString widestNumber = QStringLiteral("-00000.000");

    auto* lengths = make<QGroupBox>(this, "GroupBox1");
    lengths->setTitle(QStringLiteral(" inch <-> meter "));
    m_imperial = EntryField(lengths, "Edit1", kEntryWidth);
    m_imperialUnit =
        SelectionList(lengths, "ComboBox1", {QStringLiteral("in"), QStringLiteral("ft"), QStringLiteral("yd")}, 0);
    m_toMetric.length = ResultField(lengths, "Label1", widestNumber);
    m_toMetric.unit = ReserveWidth(makeLabel(lengths, "Label6", "m"), QStringLiteral("mm"), 12);
    m_metric = EntryField(lengths, "Edit2", kEntryWidth);
    m_metricUnit =
        SelectionList(lengths, "ComboBox2", {QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("m")}, 0);
    m_toImperial.length = ResultField(lengths, "Label2", widestNumber);
    m_toImperial.unit = makeLabel(lengths, "Label5", "in");
    auto* lengthGrid = new QGridLayout(lengths);
    lengthGrid->addWidget(m_imperial, 0, 0);
    lengthGrid->addWidget(m_imperialUnit, 0, 1);
    lengthGrid->addWidget(m_toMetric.length, 0, 3);
    lengthGrid->addWidget(m_toMetric.unit, 0, 4);
    lengthGrid->addWidget(m_metric, 1, 0);
    lengthGrid->addWidget(m_metricUnit, 1, 1);
    lengthGrid->addWidget(m_toImperial.length, 1, 3);
    lengthGrid->addWidget(m_toImperial.unit, 1, 4);
    lengthGrid->setColumnStretch(2, 1);
    outer->addWidget(lengths);

    auto* gauges = make<QGroupBox>(this, "GroupBox2");
    gauges->setTitle(QStringLiteral(" American Wire Gauge -> mm "));
    auto* gaugeMark = makeLabel(gauges, "Label9", "# ");
    m_gauge = SelectionList(gauges, "ComboBox3", GaugeNames(), kDefaultGaugeIndex);
    auto* awg = makeLabel(gauges, "Label10", " AWG");
    m_gaugeInches = ResultField(gauges, "Label13", QStringLiteral("0.000000 in"), {.paint = Paint::Tooltip});
    auto* equals = makeLabel(gauges, "Label12", "= D =");
    m_gaugeMillimetres = ResultField(gauges, "Label3", QStringLiteral("00.000"));
    auto* mm = makeLabel(gauges, "Label7", " mm");
    auto* gaugeRow = new QHBoxLayout(gauges);
    for (QWidget* w : std::initializer_list<QWidget*>{gaugeMark, m_gauge, awg})
        gaugeRow->addWidget(w);
    gaugeRow->addStretch(1);
    for (QWidget* w : std::initializer_list<QWidget*>{m_gaugeInches, equals, m_gaugeMillimetres, mm})
        gaugeRow->addWidget(w);
    outer->addWidget(gauges);

    auto* temperatures = make<QGroupBox>(this, "GroupBox3");
    temperatures->setTitle(QStringLiteral("°F -> °C "));
    m_fahrenheit = EntryField(temperatures, "Edit3", kEntryWidth);
    auto* fahrenheit = makeLabel(temperatures, "Label11", " °F");
    m_celsius = ResultField(temperatures, "Label4", widestNumber);
    auto* celsiusUnit = makeLabel(temperatures, "Label8", " °C");
    auto* temperatureRow = new QHBoxLayout(temperatures);
    temperatureRow->addWidget(m_fahrenheit);
    temperatureRow->addWidget(fahrenheit);
    temperatureRow->addStretch(1);
    temperatureRow->addWidget(m_celsius);
    temperatureRow->addWidget(celsiusUnit);
    outer->addWidget(temperatures);

    for (QWidget* field : {m_imperial, m_metric, m_fahrenheit})
        m_context.keyFilter().attach(field);
}

void ConversionWindow::connectInputs() {
    connect(m_imperial, &QLineEdit::textChanged, this, &ConversionWindow::recomputeImperialToMetric);
    connect(m_imperialUnit, &QComboBox::activated, this, &ConversionWindow::recomputeImperialToMetric);
    connect(m_metric, &QLineEdit::textChanged, this, &ConversionWindow::recomputeMetricToImperial);
    connect(m_metricUnit, &QComboBox::activated, this, &ConversionWindow::recomputeMetricToImperial);
    connect(m_gauge, &QComboBox::activated, this, &ConversionWindow::recomputeGaugeDiameter);
    connect(m_fahrenheit, &QLineEdit::textChanged, this, &ConversionWindow::recomputeFahrenheit);
}

void ConversionWindow::showLength(const LengthConversionOutcome& outcome, const LengthResult& result) {
    static constexpr Binding<LengthConversionShown, LengthResult> kShown[] = {
        {&LengthConversionShown::length, &LengthResult::length},
        {&LengthConversionShown::unit, &LengthResult::unit},
    };
    ShowTexts(outcome.shown, result, kShown);
    reportFailure(outcome.error);
}

void ConversionWindow::recomputeAll() {
    recomputeImperialToMetric();
    recomputeMetricToImperial();
    recomputeGaugeDiameter();
    recomputeFahrenheit();
}

void ConversionWindow::recomputeImperialToMetric() {
    const LengthConversionInputs in{m_imperial->text().toStdString(), m_imperialUnit->currentIndex()};
    showLength(RecomputeImperialToMetric(in, engineSettings()), m_toMetric);
}

void ConversionWindow::recomputeMetricToImperial() {
    const LengthConversionInputs in{m_metric->text().toStdString(), m_metricUnit->currentIndex()};
    showLength(RecomputeMetricToImperial(in, engineSettings()), m_toImperial);
}

void ConversionWindow::recomputeGaugeDiameter() {
    static constexpr Binding<GaugeDiameterShown, ConversionWindow> kShown[] = {
        {&GaugeDiameterShown::millimetres, &ConversionWindow::m_gaugeMillimetres},
        {&GaugeDiameterShown::inches, &ConversionWindow::m_gaugeInches},
    };
    const GaugeDiameterOutcome outcome = RecomputeGaugeDiameter({m_gauge->currentIndex()}, engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    reportFailure(outcome.error);
}

void ConversionWindow::recomputeFahrenheit() {
    static constexpr Binding<FahrenheitShown, ConversionWindow> kShown[] = {
        {&FahrenheitShown::celsius, &ConversionWindow::m_celsius},
    };
    const FahrenheitOutcome outcome = RecomputeFahrenheit({m_fahrenheit->text().toStdString()}, engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    reportFailure(outcome.error);
}

} // namespace torvex::gui
