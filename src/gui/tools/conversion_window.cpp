#include "tools/tool_windows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "calc/conversion.h"
#include "widgets/colours.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/make.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

constexpr int kDefaultGauge = 23; // "20"

int roomFor(const QWidget* w, const QString& widest) { return w->fontMetrics().horizontalAdvance(widest) + 12; }

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = make<QLabel>(parent, name);
    label->setText(text);
    return label;
}

QLabel* makeResult(QWidget* parent, const char* name, const QString& widest,
                   const QColor& background = kResultWhite) {
    auto* label = make<ResultLabel>(parent, name);
    setBackground(label, background);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(roomFor(label, widest));
    return label;
}

QLineEdit* makeEntry(QWidget* parent, const char* name) {
    auto* edit = make<QLineEdit>(parent, name);
    setBackground(edit, kEntryLime);
    edit->setFixedWidth(roomFor(edit, QStringLiteral("000000.000")));
    return edit;
}

QComboBox* makeList(QWidget* parent, const char* name, const QStringList& items) {
    auto* list = make<QComboBox>(parent, name);
    list->addItems(items);
    list->setCurrentIndex(0);
    setBackground(list, kListYellow);
    return list;
}

} // namespace

TForm5::TForm5(MainContext& context) : ToolWindow(context, "TForm5", 355, 53) {
    createControls();
    connectInputs();
    // Only the gauge row has a value before the user types anything.
    ComboBox3Change();
    finishCreation();
}

void TForm5::createControls() {
    auto* outer = new QVBoxLayout(this);
    const QString widestNumber = QStringLiteral("-00000.000");

    auto* lengths = make<QGroupBox>(this, "GroupBox1");
    lengths->setTitle(QStringLiteral(" inch <-> meter "));
    m_imperial = makeEntry(lengths, "Edit1");
    m_imperialUnit = makeList(lengths, "ComboBox1", {QStringLiteral("in"), QStringLiteral("ft"), QStringLiteral("yd")});
    auto* metres = makeResult(lengths, "Label1", widestNumber);
    auto* metresUnit = makeLabel(lengths, "Label6", QStringLiteral("m"));
    metresUnit->setMinimumWidth(roomFor(metresUnit, QStringLiteral("mm")));
    m_metric = makeEntry(lengths, "Edit2");
    m_metricUnit = makeList(lengths, "ComboBox2", {QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("m")});
    auto* inches = makeResult(lengths, "Label2", widestNumber);
    auto* inchesUnit = makeLabel(lengths, "Label5", QStringLiteral("in"));
    auto* lengthGrid = new QGridLayout(lengths);
    lengthGrid->addWidget(m_imperial, 0, 0);
    lengthGrid->addWidget(m_imperialUnit, 0, 1);
    lengthGrid->addWidget(metres, 0, 3);
    lengthGrid->addWidget(metresUnit, 0, 4);
    lengthGrid->addWidget(m_metric, 1, 0);
    lengthGrid->addWidget(m_metricUnit, 1, 1);
    lengthGrid->addWidget(inches, 1, 3);
    lengthGrid->addWidget(inchesUnit, 1, 4);
    lengthGrid->setColumnStretch(2, 1);
    outer->addWidget(lengths);

    auto* gauges = make<QGroupBox>(this, "GroupBox2");
    gauges->setTitle(QStringLiteral(" American Wire Gauge -> mm "));
    auto* gaugeMark = makeLabel(gauges, "Label9", QStringLiteral("# "));
    m_gauge = makeList(gauges, "ComboBox3", m_context.state().awgNames);
    m_gauge->setCurrentIndex(kDefaultGauge);
    auto* awg = makeLabel(gauges, "Label10", QStringLiteral(" AWG"));
    auto* inchDiameter = makeResult(gauges, "Label13", QStringLiteral("0.000000 in"), tooltipBackground());
    auto* equals = makeLabel(gauges, "Label12", QStringLiteral("= D ="));
    auto* mmDiameter = makeResult(gauges, "Label3", QStringLiteral("00.000"));
    auto* mm = makeLabel(gauges, "Label7", QStringLiteral(" mm"));
    auto* gaugeRow = new QHBoxLayout(gauges);
    for (QWidget* w : std::initializer_list<QWidget*>{gaugeMark, m_gauge, awg})
        gaugeRow->addWidget(w);
    gaugeRow->addStretch(1);
    for (QWidget* w : std::initializer_list<QWidget*>{inchDiameter, equals, mmDiameter, mm})
        gaugeRow->addWidget(w);
    outer->addWidget(gauges);

    auto* temperatures = make<QGroupBox>(this, "GroupBox3");
    temperatures->setTitle(QStringLiteral("°F -> °C "));
    m_fahrenheit = makeEntry(temperatures, "Edit3");
    auto* fahrenheit = makeLabel(temperatures, "Label11", QStringLiteral(" °F"));
    auto* celsius = makeResult(temperatures, "Label4", widestNumber);
    auto* celsiusUnit = makeLabel(temperatures, "Label8", QStringLiteral(" °C"));
    auto* temperatureRow = new QHBoxLayout(temperatures);
    temperatureRow->addWidget(m_fahrenheit);
    temperatureRow->addWidget(fahrenheit);
    temperatureRow->addStretch(1);
    temperatureRow->addWidget(celsius);
    temperatureRow->addWidget(celsiusUnit);
    outer->addWidget(temperatures);

    for (QWidget* field : {m_imperial, m_metric, m_fahrenheit})
        m_context.keyFilter().attach(field);
}

void TForm5::connectInputs() {
    connect(m_imperial, &QLineEdit::textChanged, this, &TForm5::Edit1Change);
    connect(m_imperialUnit, &QComboBox::activated, this, &TForm5::Edit1Change);
    connect(m_metric, &QLineEdit::textChanged, this, &TForm5::Edit2Change);
    connect(m_metricUnit, &QComboBox::activated, this, &TForm5::Edit2Change);
    connect(m_gauge, &QComboBox::activated, this, &TForm5::ComboBox3Change);
    connect(m_fahrenheit, &QLineEdit::textChanged, this, &TForm5::Edit3Change);
}

void TForm5::Edit1Change() {
    apply(RecomputeImperialToMetric(m_imperial->text().toStdString(), m_imperialUnit->currentIndex(), environment()));
}

void TForm5::Edit2Change() {
    apply(RecomputeMetricToImperial(m_metric->text().toStdString(), m_metricUnit->currentIndex(), environment()));
}

void TForm5::ComboBox3Change() { apply(RecomputeGaugeDiameter(m_gauge->currentIndex())); }

void TForm5::Edit3Change() { apply(RecomputeFahrenheit(m_fahrenheit->text().toStdString(), environment())); }

} // namespace torvex::gui
