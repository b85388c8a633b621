// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/copper_resistance_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "calc/copper_resistance.h"
#include "format/wire_gauge.h"
#include "widgets/binding.h"
#include "widgets/builders.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

// Width of a text in a widget's font, with room for a frame and margins.
int roomFor(const QWidget* w, const QString& widest) { return w->fontMetrics().horizontalAdvance(widest) + 12; }

} // namespace

report::Report CopperResistanceWindow::report() const {
    // clang-format off
    static constexpr ReportRow kRows[] = {
        {.section = 2011},
        {.caption = {"Label1"}, .value = {"Edit1"}, .unit = {"ComboBox1"}},
        {.caption = {"Label6"}, .value = {"Label2", "ComboBox2"}, .unit = {"Label7"}},
        {.caption = {"Label10"}, .value = {"Edit3"}, .unit = {"Label11"}},
        {.captionText = 2019, .value = {"Label12"}, .ifAny = true},
        {.section = 2012},
        {.caption = {"Label5"}, .value = {"Label3"}, .unit = {"Label9", "Label4"}},
    };
    // clang-format on
    return MakeReport(*this, kRows, settings().language());
}

CopperResistanceWindow::CopperResistanceWindow(WindowContext& context) : ToolWindow(context, "TForm4", 354, 52) {
    createControls();
    connectInputs();
    // Set up for the system shown now; nothing is computed yet.
    configureUnits(settings().usUnits());
    finishCreation();
}

void CopperResistanceWindow::createControls() {
    const Language shown = settings().language();
    const FieldWidth fieldWidth = FieldWidth::Fitting(QStringLiteral("000000.000"));

    // Inputs: length, diameter, temperature.
    QLabel* lengthCaption = TaggedCaption(this, "Label1", 241, shown);
    m_length = EntryField(this, "Edit1", fieldWidth);
    m_context.keyFilter().attach(m_length);
    m_lengthUnit = SelectionList(this, "ComboBox1", {}, -1);

    QLabel* diameterCaption = FixedCaption(this, "Label6", QStringLiteral("D"));
    // Shown in US units only; unlike the pages' marks it gives its room up
    // while hidden.
    m_gaugeMark = FixedCaption(this, "Label2", QStringLiteral("# "));
    m_diameter = make<QComboBox>(this, "ComboBox2");
    m_diameter->setInsertPolicy(QComboBox::NoInsert); // a typed diameter never becomes a list entry
    m_diameter->setMaxVisibleItems(kListLines);
    m_diameter->setFixedWidth(m_length->minimumWidth());
    m_diameterUnit = ReserveWidth(FixedCaption(this, "Label7", QStringLiteral(" mm")), QStringLiteral(" AWG"), 12);

    QLabel* atCaption = TaggedCaption(this, "Label10", 250, shown);
    m_temperature = EntryField(this, "Edit3", fieldWidth); // no key filter: typed as it is
    m_temperature->setText(QStringLiteral("20"));
    QLabel* celsius = FixedCaption(this, "Label11", QStringLiteral("°C"));
    m_warning = FixedCaption(this, "Label12");
    setTextColour(m_warning, kMessageRed);
    ReserveWidth(m_warning, QStringLiteral("t < -200 °C"), 12);

    // Result: number, prefix and ohm sign standing together after it.
    QLabel* arrow = FixedCaption(this, "Label8", QStringLiteral("=>"));
    QLabel* resultCaption = TaggedCaption(this, "Label5", 245, shown);
    m_resistance = ResultField(this, "Label3", QStringLiteral("-000.000"));
    m_prefix = FixedCaption(this, "Label9");
    setTextColour(m_prefix, kFooterBlue);
    m_prefix->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_prefix->hide();
    QLabel* ohm = FixedCaption(this, "Label4", QStringLiteral("Ω"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(lengthCaption, 0, 0);
    grid->addWidget(m_length, 0, 2);
    grid->addWidget(m_lengthUnit, 0, 3);
    grid->addWidget(diameterCaption, 1, 0);
    grid->addWidget(m_gaugeMark, 1, 1, Qt::AlignRight);
    grid->addWidget(m_diameter, 1, 2);
    grid->addWidget(m_diameterUnit, 1, 3);
    grid->addWidget(atCaption, 2, 0);
    grid->addWidget(m_temperature, 2, 2);
    grid->addWidget(celsius, 2, 3);
    grid->addWidget(m_warning, 3, 2, 1, 2);
    grid->addWidget(arrow, 1, 4);
    grid->addWidget(resultCaption, 0, 5);
    auto* resultRow = new QHBoxLayout;
    resultRow->setSpacing(0);
    resultRow->addWidget(m_resistance);
    resultRow->addSpacing(4);
    resultRow->addWidget(m_prefix);
    resultRow->addWidget(ohm);
    resultRow->addStretch(1);
    grid->addLayout(resultRow, 1, 5);
    // Keep the room of a shown prefix, so the window does not change its
    // width when the prefix comes and goes.
    grid->setColumnMinimumWidth(5, m_resistance->minimumWidth() + 4 + roomFor(m_prefix, QStringLiteral("µ")) +
                                       roomFor(ohm, QStringLiteral("Ω")));
    grid->setColumnMinimumWidth(4, roomFor(arrow, QStringLiteral("=>")));
}

void CopperResistanceWindow::connectInputs() {
    connect(m_length, &QLineEdit::textChanged, this, &CopperResistanceWindow::recompute);
    connect(m_temperature, &QLineEdit::textChanged, this, &CopperResistanceWindow::recompute);
    connect(m_lengthUnit, &QComboBox::activated, this, &CopperResistanceWindow::recompute);
    connect(m_diameter, &QComboBox::activated, this, &CopperResistanceWindow::recompute);
    connect(m_diameter, &QComboBox::editTextChanged, this, &CopperResistanceWindow::recompute);
}

void CopperResistanceWindow::configureUnits(bool usUnits) {
    // Rebuilding the lists is not a change by the user.
    const QSignalBlocker quietLength(m_lengthUnit);
    const QSignalBlocker quietDiameter(m_diameter);

    m_gaugeMark->setVisible(usUnits);
    m_diameterUnit->setText(usUnits ? QStringLiteral(" AWG") : QStringLiteral(" mm"));
    m_lengthUnit->clear();
    if (usUnits)
        m_lengthUnit->addItems({QStringLiteral("ft"), QStringLiteral("yd")});
    else
        m_lengthUnit->addItem(QStringLiteral("m"));
    m_lengthUnit->setCurrentIndex(0);

    m_diameter->clear();
    m_diameter->setEditable(!usUnits);
    if (usUnits) {
        m_diameter->addItems(GaugeNames());
        m_diameter->setCurrentIndex(kDefaultGaugeIndex);
        paint(m_diameter, Paint::List);
    } else {
        m_diameter->clearEditText();
        paint(m_diameter, Paint::Entry);
        // Becoming editable gives the list a new line edit, which needs the filter.
        m_context.keyFilter().attach(m_diameter);
    }
}

void CopperResistanceWindow::applyUnits() {
    configureUnits(settings().usUnits());
    // Emptying the length recomputes; an already empty field does not
    // change, yet the result must follow the new lists all the same.
    if (m_length->text().isEmpty())
        recompute();
    else
        m_length->clear();
}

void CopperResistanceWindow::followSettings(DisplaySettings::Change what) {
    ToolWindow::followSettings(what);
    if (what == DisplaySettings::Change::Units)
        applyUnits();
}

void CopperResistanceWindow::recompute() {
    // clang-format off
    static constexpr Binding<CopperResistanceShown, CopperResistanceWindow> kShown[] = {
        {&CopperResistanceShown::warning, &CopperResistanceWindow::m_warning},
        {&CopperResistanceShown::resistance, &CopperResistanceWindow::m_resistance},
        {&CopperResistanceShown::prefix, &CopperResistanceWindow::m_prefix},
    };
    // clang-format on
    CopperResistanceInputs inputs;
    inputs.length = m_length->text().toStdString();
    inputs.lengthUnit = m_lengthUnit->currentIndex();
    inputs.diameterText = m_diameter->currentText().toStdString();
    inputs.gaugeIndex = m_diameter->currentIndex();
    inputs.temperature = m_temperature->text().toStdString();
    const CopperResistanceOutcome outcome = RecomputeCopperResistance(inputs, engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    // Without a prefix the ohm sign moves up to the number.
    if (outcome.shown.hasPrefix)
        m_prefix->setVisible(*outcome.shown.hasPrefix);
    reportFailure(outcome.error);
}

} // namespace torvex::gui
