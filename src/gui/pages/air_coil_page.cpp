// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/air_coil_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <array>
#include <initializer_list>

#include "calc/air_coil.h"
#include "calc/straight_conductor.h"
#include "format/wire_gauge.h"
#include "widgets/binding.h"
#include "widgets/builders.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/report_table.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

const FieldWidth kFieldWidth = FieldWidth::Digits(6);
// The results of this page: no margin inside the frame.
const ResultLook kResultLook{.padding = 8};

std::string fieldText(const QLineEdit* field) { return field->text().toStdString(); }

QLabel* fixed(QWidget* parent, const char* name, const char* text) {
    return FixedCaption(parent, name, QString::fromUtf8(text));
}

QLabel* unitCaption(QWidget* parent, const char* name, const char* text, const char* widest) {
    return ReserveWidth(fixed(parent, name, text), QString::fromUtf8(widest));
}

// One column of a group: a caption above (or none), and below it the input
// or result with what stands beside it.
struct Column {
    QWidget* caption;
    std::initializer_list<QWidget*> below;
};

// Lays the columns out from the left; the columns after them are free for
// what the group shows beside them.
QGridLayout* layOutColumns(QGroupBox* group, std::initializer_list<Column> columns) {
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    int column = 0;
    for (const Column& c : columns) {
        if (c.caption)
            grid->addWidget(c.caption, 0, column, Qt::AlignBottom);
        auto* cell = new QHBoxLayout;
        cell->setSpacing(2);
        for (QWidget* w : c.below)
            cell->addWidget(w);
        cell->addStretch();
        grid->addLayout(cell, 1, column);
        ++column;
    }
    return grid;
}

} // namespace

report::Report AirCoilPage::report() const {
    // clang-format off
    static constexpr ReportRow kRows[] = {
        {.box = "GroupBox4"},
        {.caption = {"Label153"}, .value = {"Edit14"}, .unit = {"ComboBox11"}},
        {.caption = {"Label107"}, .value = {"Edit15"}, .unit = {"Label109"}},
        {.caption = {"Label108"}, .value = {"Edit16"}, .unit = {"Label110"}},
        {.caption = {"Label106"}, .value = {"Label104"}},
        {.caption = {"Label105"}, .value = {"Label52"}, .unit = {"Label55"}},
        {.caption = {"Label177"}, .value = {"Label241", "Label178"}, .unit = {"Label179"}},
        {.box = "GroupBox3"},
        {.caption = {"Label58"}, .value = {"Edit8"}},
        {.caption = {"Label59"}, .value = {"Edit9"}, .unit = {"Label63"}},
        {.caption = {"Label60"}, .value = {"Edit10"}, .unit = {"Label64"}},
        {.caption = {"Label61"}, .value = {"Label57"}, .unit = {"Label62"}},
        {.box = "GroupBox7"},
        {.caption = {"Label173"}, .value = {"Label246", "ComboBox21"}, .unit = {"Label169"}},
        {.caption = {"Label174"}, .value = {"Edit23"}, .unit = {"Label172"}},
        {.value = {"RadioButton1", "RadioButton2"}}, // the option chosen
        {.caption = {"Label175"}, .value = {"Label170"}, .unit = {"Label171"}},
    };
    // clang-format on
    return MakeReport(*this, kRows, language());
}

AirCoilPage::AirCoilPage(PageContext& context, QWidget* parent) : Page(context, parent) {
    createTurnsGroup();
    createInductanceGroup();
    createStraightGroup();

    auto* page = new QVBoxLayout(this);
    page->setSpacing(4);
    page->addWidget(m_turnsGroup);
    page->addWidget(m_inductanceGroup);
    page->addWidget(m_straightGroup);
    page->addStretch();

    connectInputs();
}

void AirCoilPage::createTurnsGroup() {
    const Language shown = language();
    m_turnsGroup = TaggedGroup(this, "GroupBox4", 304, shown);
    QGroupBox* g = m_turnsGroup;

    m_wanted = EntryField(g, "Edit14", kFieldWidth);
    m_wantedUnit = SelectionList(g, "ComboBox11", ListTexts(InductanceUnitNames), 1);
    m_turnsDiameter = EntryField(g, "Edit15", kFieldWidth);
    m_turnsLength = EntryField(g, "Edit16", kFieldWidth);
    m_turnsDiameterUnit = unitCaption(g, "Label109", " mm", " mm");
    m_turnsLengthUnit = unitCaption(g, "Label110", " mm", " mm");
    m_neededTurns = ResultField(g, "Label104", QStringLiteral("0000.0"), kResultLook);
    m_neededWireLength = ResultField(g, "Label52", QStringLiteral("000.000"), kResultLook);
    m_neededWireLengthUnit = unitCaption(g, "Label55", " cm", " mm");
    m_wireGaugeMark = GaugeMark(g, "Label241");
    m_largestWire = ResultField(g, "Label178", QStringLiteral("000.000"), kResultLook);
    m_largestWireUnit = unitCaption(g, "Label179", " cm", " AWG");

    QGridLayout* grid =
        layOutColumns(g, {{TaggedCaption(g, "Label153", 153, shown), {m_wanted, m_wantedUnit}},
                          {fixed(g, "Label107", "D"), {m_turnsDiameter, m_turnsDiameterUnit}},
                          {TaggedCaption(g, "Label108", 108, shown), {m_turnsLength, m_turnsLengthUnit}},
                          {nullptr, {fixed(g, "Label163", "=>")}}});
    // The three results stand one below the other, their captions before them.
    auto* results = new QGridLayout;
    results->setHorizontalSpacing(4);
    results->setVerticalSpacing(2);
    // clang-format off
    const std::array<QWidget*, 4> resultRows[] = {
        {TaggedCaption(g, "Label106", 106, shown), nullptr, m_neededTurns, nullptr},
        {TaggedCaption(g, "Label105", 105, shown), nullptr, m_neededWireLength, m_neededWireLengthUnit},
        {TaggedCaption(g, "Label177", 177, shown), m_wireGaugeMark, m_largestWire, m_largestWireUnit}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            if (QWidget* w = resultRows[row][std::size_t(column)])
                results->addWidget(w, row, column);
    const int beside = grid->columnCount();
    grid->addLayout(results, 0, beside, 3, 1);
    grid->setColumnStretch(beside + 1, 1);
    grid->setRowStretch(2, 1);
}

void AirCoilPage::createInductanceGroup() {
    const Language shown = language();
    m_inductanceGroup = TaggedGroup(this, "GroupBox3", 303, shown);
    QGroupBox* g = m_inductanceGroup;

    m_turns = EntryField(g, "Edit8", kFieldWidth);
    m_coilDiameter = EntryField(g, "Edit9", kFieldWidth);
    m_coilLength = EntryField(g, "Edit10", kFieldWidth);
    m_coilDiameterUnit = unitCaption(g, "Label63", " mm", " mm");
    m_coilLengthUnit = unitCaption(g, "Label64", " mm", " mm");
    m_coilInductance = ResultField(g, "Label57", QStringLiteral("-000.000"), kResultLook);
    // Shows the inductance unit from the first result on.
    m_coilInductanceUnit = unitCaption(g, "Label62", " µH", " mH");

    QGridLayout* grid =
        layOutColumns(g, {{TaggedCaption(g, "Label58", 58, shown), {m_turns}},
                          {fixed(g, "Label59", "D"), {m_coilDiameter, m_coilDiameterUnit}},
                          {TaggedCaption(g, "Label60", 60, shown), {m_coilLength, m_coilLengthUnit}},
                          {nullptr, {fixed(g, "Label162", "=>")}},
                          {TaggedCaption(g, "Label61", 61, shown), {m_coilInductance, m_coilInductanceUnit}}});
    grid->setColumnStretch(grid->columnCount(), 1);
}

void AirCoilPage::createStraightGroup() {
    const Language shown = language();
    m_straightGroup = TaggedGroup(this, "GroupBox7", 307, shown);
    QGroupBox* g = m_straightGroup;

    // Starts as the metric typed field; the unit switch sets it up for good.
    m_wire = make<QComboBox>(g, "ComboBox21");
    m_wire->setEditable(true);
    m_wire->setInsertPolicy(QComboBox::NoInsert);
    m_wire->setFixedWidth(m_wire->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 40);
    m_wire->setMaxVisibleItems(kListLines);
    paint(m_wire, Paint::Entry);
    m_wireLength = EntryField(g, "Edit23", kFieldWidth);
    m_withoutSkin = make<QRadioButton>(g, "RadioButton1", 223);
    m_withoutSkin->setText(TableText(223, shown));
    m_withoutSkin->setChecked(true);
    m_withSkin = make<QRadioButton>(g, "RadioButton2", 222);
    m_withSkin->setText(TableText(222, shown));
    m_conductorGaugeMark = GaugeMark(g, "Label246");
    // In metric units the hidden mark gives its room up, so that the field
    // starts right under its caption "D".
    QSizePolicy markPolicy = m_conductorGaugeMark->sizePolicy();
    markPolicy.setRetainSizeWhenHidden(false);
    m_conductorGaugeMark->setSizePolicy(markPolicy);
    m_conductorWireUnit = unitCaption(g, "Label169", " mm", " AWG");
    m_conductorLengthUnit = unitCaption(g, "Label172", " mm", " mm");
    m_conductorInductance = ResultField(g, "Label170", QStringLiteral("00000.0"), kResultLook);

    QGridLayout* grid = layOutColumns(
        g, {{fixed(g, "Label173", "D"), {m_conductorGaugeMark, m_wire, m_conductorWireUnit}},
            {TaggedCaption(g, "Label174", 174, shown), {m_wireLength, m_conductorLengthUnit}},
            {nullptr, {fixed(g, "Label176", "=>")}},
            {TaggedCaption(g, "Label175", 175, shown), {m_conductorInductance, fixed(g, "Label171", " nH")}}});
    // The two options stand at the right, one above the other.
    const int options = grid->columnCount() + 1;
    grid->setColumnStretch(options - 1, 1);
    grid->addWidget(m_withoutSkin, 0, options);
    grid->addWidget(m_withSkin, 1, options);
}

void AirCoilPage::connectInputs() {
    for (QLineEdit* field :
         {m_wanted, m_turnsDiameter, m_turnsLength, m_turns, m_coilDiameter, m_coilLength, m_wireLength})
        m_context.keyFilter().attach(field);
    m_context.keyFilter().attach(m_wire);

    for (QLineEdit* field : {m_wanted, m_turnsDiameter, m_turnsLength})
        connect(field, &QLineEdit::textChanged, this, &AirCoilPage::recomputeCoilTurns);
    connect(m_wantedUnit, &QComboBox::activated, this, &AirCoilPage::recomputeCoilTurns);

    for (QLineEdit* field : {m_turns, m_coilDiameter, m_coilLength})
        connect(field, &QLineEdit::textChanged, this, &AirCoilPage::recomputeCoilInductance);

    connect(m_wire, &QComboBox::editTextChanged, this, &AirCoilPage::recomputeStraightConductor);
    connect(m_wire, &QComboBox::activated, this, &AirCoilPage::recomputeStraightConductor);
    connect(m_wireLength, &QLineEdit::textChanged, this, &AirCoilPage::recomputeStraightConductor);
    // Clicking the option already chosen recomputes too.
    connect(m_withoutSkin, &QRadioButton::clicked, this, &AirCoilPage::recomputeStraightConductor);
    connect(m_withSkin, &QRadioButton::clicked, this, &AirCoilPage::recomputeStraightConductor);
}

void AirCoilPage::recomputeCoilTurns() {
    static constexpr Binding<CoilTurnsShown, AirCoilPage> kShown[] = {
        {&CoilTurnsShown::wireLengthUnit, &AirCoilPage::m_neededWireLengthUnit},
        {&CoilTurnsShown::wireDiameterUnit, &AirCoilPage::m_largestWireUnit},
        {&CoilTurnsShown::turns, &AirCoilPage::m_neededTurns},
        {&CoilTurnsShown::wireLength, &AirCoilPage::m_neededWireLength},
        {&CoilTurnsShown::wireDiameter, &AirCoilPage::m_largestWire},
    };
    // clang-format on
    const CoilTurnsInputs in{fieldText(m_wanted), m_wantedUnit->currentIndex(), fieldText(m_turnsDiameter),
                             fieldText(m_turnsLength)};
    const CoilTurnsOutcome outcome = RecomputeCoilTurns(in, engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    reportFailure(outcome.error);
}

void AirCoilPage::recomputeCoilInductance() {
    static constexpr Binding<CoilInductanceShown, AirCoilPage> kShown[] = {
        {&CoilInductanceShown::inductanceUnit, &AirCoilPage::m_coilInductanceUnit},
        {&CoilInductanceShown::inductance, &AirCoilPage::m_coilInductance},
    };
    const CoilInductanceInputs in{fieldText(m_turns), fieldText(m_coilDiameter), fieldText(m_coilLength)};
    const CoilInductanceOutcome outcome = RecomputeCoilInductance(in, engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    reportFailure(outcome.error);
}

void AirCoilPage::recomputeStraightConductor() {
    static constexpr Binding<StraightConductorShown, AirCoilPage> kShown[] = {
        {&StraightConductorShown::inductance, &AirCoilPage::m_conductorInductance},
    };
    const StraightConductorInputs in{m_wire->currentText().toStdString(), m_wire->currentIndex(),
                                     fieldText(m_wireLength), m_withSkin->isChecked()};
    const StraightConductorOutcome outcome = RecomputeStraightConductor(in, engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    reportFailure(outcome.error);
}

void AirCoilPage::recomputeAll() {
    recomputeCoilTurns();
    recomputeCoilInductance();
    recomputeStraightConductor();
}

void AirCoilPage::applyCylinderUnits() {
    const bool us = usUnits();
    m_turnsDiameterUnit->setText(us ? QStringLiteral(" in") : QStringLiteral(" mm"));
    m_turnsLengthUnit->setText(us ? QStringLiteral(" in") : QStringLiteral(" mm"));
    m_neededWireLengthUnit->setText(us ? QStringLiteral(" ft") : QStringLiteral(" cm"));
    m_largestWireUnit->setText(us ? QStringLiteral(" AWG") : QStringLiteral(" cm"));
    m_wireGaugeMark->setVisible(us);
    recomputeCoilTurns();

    m_coilDiameterUnit->setText(us ? QStringLiteral(" in") : QStringLiteral(" mm"));
    m_coilLengthUnit->setText(us ? QStringLiteral(" in") : QStringLiteral(" mm"));
    recomputeCoilInductance();
}

void AirCoilPage::applyStraightUnits() {
    if (usUnits()) {
        {
            // Filling the list is the program's doing, not a change by the user.
            const QSignalBlocker quiet(m_wire);
            m_wire->clear();
            m_wire->setEditable(false);
            m_wire->addItems(GaugeNames());
            m_wire->setCurrentIndex(kDefaultGaugeIndex);
        }
        m_conductorWireUnit->setText(QStringLiteral(" AWG"));
        m_conductorGaugeMark->show();
        paint(m_wire, Paint::List);
        m_conductorLengthUnit->setText(QStringLiteral(" in"));
    } else {
        m_conductorWireUnit->setText(QStringLiteral(" mm"));
        {
            const QSignalBlocker quiet(m_wire);
            m_wire->clear();
            m_wire->setEditable(true);
            m_wire->clearEditText();
        }
        // Becoming editable gives the list a new line edit; the filter goes
        // on it as on the first one.
        m_context.keyFilter().attach(m_wire);
        paint(m_wire, Paint::Entry);
        m_conductorGaugeMark->hide();
        m_conductorLengthUnit->setText(QStringLiteral(" mm"));
    }
    m_wireLength->clear();
    recomputeStraightConductor();
}

} // namespace torvex::gui
