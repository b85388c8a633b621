// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/unknown_core_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <array>

#include "calc/unknown_core.h"
#include "tools/al_permeability_window.h"
#include "widgets/binding.h"
#include "widgets/builders.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/report_table.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

std::string fieldText(const QLineEdit* field) { return field->text().toStdString(); }

QLabel* fixed(QWidget* parent, const char* name, const char* text) {
    return FixedCaption(parent, name, QString::fromUtf8(text));
}

QLabel* result(QWidget* parent, const char* name, const char* widest) {
    return ResultField(parent, name, QString::fromUtf8(widest), {.padding = 8});
}

// SI prefixes and the "µH" unit take the width of their widest text, so the
// ohm signs do not move while the user types.
QLabel* prefix(QWidget* parent, const char* name, const char* text, const char* widest) {
    return ReserveWidth(fixed(parent, name, text), QString::fromUtf8(widest));
}

// An SI prefix standing right before its ohm sign, whatever its width.
QHBoxLayout* ohms(QLabel* prefix, QLabel* ohm) {
    prefix->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* pair = new QHBoxLayout;
    pair->setSpacing(0);
    pair->addWidget(prefix);
    pair->addWidget(ohm);
    pair->addStretch();
    return pair;
}

} // namespace

report::Report UnknownCorePage::report() const {
    // clang-format off
    static constexpr ReportRow kRows[] = {
        {.section = 2010},
        {.caption = {"Label168"}, .value = {"Edit20"}, .unit = {"ComboBox7"}},
        {.caption = {"Label48"}, .value = {"Edit6"}, .unit = {"Label45"}},
        {.caption = {"Label47"}, .value = {"Edit7"}, .unit = {"Label46"}},
        {.caption = {"Label44"}, .value = {"Edit21"}, .unit = {"Label157"}},
        {.section = 2011},
        {.caption = {"Label51"}, .value = {"Edit4"}, .unit = {"ComboBox8"}},
        {.caption = {"Label230"}, .value = {"Edit27"}, .unit = {"ComboBox20"}},
        {.section = 2012},
        {.caption = {"Label54"}, .value = {"Label49"}},
        {.caption = {"Label159"}, .value = {"Label245", "Label31"}, .unit = {"Label166"}},
        {.caption = {"Label158"}, .value = {"Label43"}, .unit = {"Label167"}},
        {.caption = {"Label231"}, .value = {"Label233"}, .unit = {"Label235", "Label234"}},
        {.box = "GroupBox2"},
        {.caption = {"Label160"}, .value = {"Edit5"}},
        {.caption = {"Label51"}, .value = {"Label50"}, .unit = {"Label53"}},
        {.caption = {"Label237"}, .value = {"Label236"}, .unit = {"Label239", "Label238"}},
    };
    // clang-format on
    return MakeReport(*this, kRows, language());
}

UnknownCorePage::UnknownCorePage(PageContext& context, QWidget* parent) : Page(context, parent) {
    createInputs();
    createResults();
    layOut();
    connectInputs();
}

void UnknownCorePage::createInputs() {
    const Language shown = language();
    const FieldWidth wide = FieldWidth::Digits(8);
    const FieldWidth narrow = FieldWidth::Digits(6);

    m_al = EntryField(this, "Edit20", wide, 470);
    m_alUnit = SelectionList(this, "ComboBox7", ListTexts(AlUnitNames), 0, 407);
    m_inductance = EntryField(this, "Edit4", wide);
    m_inductanceUnit = SelectionList(this, "ComboBox8", ListTexts(InductanceUnitNames), 1);
    m_da = EntryField(this, "Edit6", narrow);
    m_di = EntryField(this, "Edit7", narrow);
    m_h = EntryField(this, "Edit21", narrow);
    m_frequency = EntryField(this, "Edit27", wide);
    m_frequencyUnit = SelectionList(this, "ComboBox20", ListTexts(FrequencyUnitNames), 1);

    m_takeAl = make<QPushButton>(this, "BitBtn1", 321);
    m_takeAl->setText(TableText(321, shown));
    m_takeDimensions = make<QPushButton>(this, "BitBtn2", 322);
    m_takeDimensions->setText(TableText(322, shown));

    m_turnsGroup = TaggedGroup(this, "GroupBox2", 302, shown);
    m_turns = TurnsField(this, "Edit5", wide);
}

// The results, and the unit captions that change with the measurement
// system or are rewritten by every recompute.
void UnknownCorePage::createResults() {
    m_turnsResult = result(this, "Label49", "00000");
    m_wireDiameter = result(this, "Label31", "000.00"); // mm or gauge
    m_wireLength = result(this, "Label43", "0000.000");
    m_reactance = result(this, "Label233", "-000.000");
    m_inductanceOfTurns = result(this, "Label50", "-000.000");
    m_reactanceOfTurns = result(this, "Label236", "-000.000");
    m_wireDiameterUnit = fixed(this, "Label166", " mm");
    m_wireLengthUnit = fixed(this, "Label167", " cm");
    m_reactancePrefix = prefix(this, "Label235", "", "M");
    m_inductanceOfTurnsUnit = prefix(this, "Label53", "µH", "mH");
    m_reactanceOfTurnsPrefix = prefix(this, "Label239", "", "M");
    m_gaugeMark = GaugeMark(this, "Label245");
}

void UnknownCorePage::layOut() {
    const Language shown = language();
    auto caption = [&](const char* name, int tag) { return TaggedCaption(this, name, tag, shown); };

    // The core: AL with its unit, the three dimensions, and the two buttons
    // that take them over from the AL-and-µi window.
    auto* core = new QGridLayout;
    auto* alRow = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*>{caption("Label168", 168), m_al, m_alUnit})
        alRow->addWidget(widget);
    alRow->addStretch();
    core->addLayout(alRow, 0, 0);
    core->addWidget(m_takeAl, 0, 1);
    auto* dimensions = new QHBoxLayout;
    // clang-format off
    const std::array<QWidget*, 3> dimensionRows[] = {
        {caption("Label48", 48), m_da, fixed(this, "Label45", " mm")},
        {caption("Label47", 47), m_di, fixed(this, "Label46", " mm")},
        {fixed(this, "Label44", "h"), m_h, fixed(this, "Label157", " mm")}};
    for (const auto& row : dimensionRows) {
        for (QWidget* widget : row)
            dimensions->addWidget(widget);
        dimensions->addSpacing(8);
    }
    // clang-format on
    dimensions->addStretch();
    core->addLayout(dimensions, 1, 0);
    core->addWidget(m_takeDimensions, 1, 1);

    // Wanted inductance and frequency => turns, wire, length and XL.
    auto* inputs = new QGridLayout;
    inputs->addWidget(caption("Label51", 51), 0, 0);
    inputs->addWidget(m_inductance, 0, 1);
    inputs->addWidget(m_inductanceUnit, 0, 2);
    inputs->addWidget(caption("Label230", 230), 1, 0);
    inputs->addWidget(m_frequency, 1, 1);
    inputs->addWidget(m_frequencyUnit, 1, 2);
    inputs->setRowStretch(2, 1);

    auto* results = new QGridLayout;
    results->setHorizontalSpacing(4);
    // clang-format off
    const std::array<QWidget*, 4> resultRows[] = {
        {caption("Label54", 54), nullptr, m_turnsResult, nullptr},
        {caption("Label159", 159), m_gaugeMark, m_wireDiameter, m_wireDiameterUnit},
        {caption("Label158", 158), nullptr, m_wireLength, m_wireLengthUnit},
        {fixed(this, "Label231", "XL ="), nullptr, m_reactance, nullptr},
    };
    // clang-format on
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            if (QWidget* widget = resultRows[row][std::size_t(column)])
                results->addWidget(widget, row, column, column == 1 ? Qt::AlignRight : Qt::Alignment());
    results->addLayout(ohms(m_reactancePrefix, fixed(this, "Label234", "Ω")), 3, 3);
    results->setColumnMinimumWidth(1, 12);
    results->setColumnStretch(4, 1);

    auto* calculation = new QHBoxLayout;
    calculation->addLayout(inputs);
    calculation->addSpacing(8);
    calculation->addWidget(fixed(this, "Label232", "=>"), 0, Qt::AlignTop);
    calculation->addSpacing(8);
    calculation->addLayout(results, 1);

    // Inductance and XL of a typed number of turns.
    auto* second = new QHBoxLayout(m_turnsGroup);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{fixed(this, "Label160", "N"), m_turns, fixed(this, "Label161", "=>"),
                                         m_inductanceOfTurns, m_inductanceOfTurnsUnit})
        second->addWidget(widget);
    second->addSpacing(16);
    second->addWidget(fixed(this, "Label237", "XL = "));
    second->addWidget(m_reactanceOfTurns);
    second->addLayout(ohms(m_reactanceOfTurnsPrefix, fixed(this, "Label238", "Ω")));
    second->addStretch();

    auto* page = new QVBoxLayout(this);
    page->addLayout(core);
    page->addSpacing(12);
    page->addLayout(calculation);
    page->addSpacing(12);
    page->addWidget(m_turnsGroup);
    page->addStretch();

    // The keyboard goes as the page reads: top to bottom, left to right.
    // clang-format off
    QWidget* const order[] = {m_al, m_alUnit, m_takeAl,
                              m_da, m_di, m_h, m_takeDimensions,
                              m_inductance, m_inductanceUnit,
                              m_frequency, m_frequencyUnit,
                              m_turns};
    // clang-format on
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void UnknownCorePage::connectInputs() {
    for (QLineEdit* field : {m_al, m_inductance, m_da, m_di, m_h, m_frequency, m_turns}) {
        m_context.keyFilter().attach(field);
        connect(field, &QLineEdit::textChanged, this, &UnknownCorePage::recompute);
    }
    for (QComboBox* list : {m_alUnit, m_inductanceUnit, m_frequencyUnit})
        connect(list, &QComboBox::activated, this, &UnknownCorePage::recompute);
    connect(m_takeAl, &QPushButton::clicked, this, &UnknownCorePage::copyAlFromTool);
    connect(m_takeDimensions, &QPushButton::clicked, this, &UnknownCorePage::copyDimensionsFromTool);
}

void UnknownCorePage::recompute() {
    // clang-format off
    static constexpr Binding<UnknownCoreShown, UnknownCorePage> kShown[] = {
        {&WindingShown::turns, &UnknownCorePage::m_turnsResult},
        {&WindingShown::wireDiameter, &UnknownCorePage::m_wireDiameter},
        {&WindingShown::wireLength, &UnknownCorePage::m_wireLength},
        {&WindingShown::wireLengthUnit, &UnknownCorePage::m_wireLengthUnit},
        {&WindingShown::reactance, &UnknownCorePage::m_reactance},
        {&WindingShown::reactancePrefix, &UnknownCorePage::m_reactancePrefix},
        {&WindingShown::inductanceOfTurns, &UnknownCorePage::m_inductanceOfTurns},
        {&WindingShown::inductanceOfTurnsUnit, &UnknownCorePage::m_inductanceOfTurnsUnit},
        {&WindingShown::reactanceOfTurns, &UnknownCorePage::m_reactanceOfTurns},
        {&WindingShown::reactanceOfTurnsPrefix, &UnknownCorePage::m_reactanceOfTurnsPrefix},
    };
    // clang-format on
    const UnknownCoreInputs in{fieldText(m_al),
                               m_alUnit->currentIndex(),
                               fieldText(m_inductance),
                               m_inductanceUnit->currentIndex(),
                               fieldText(m_da),
                               fieldText(m_di),
                               fieldText(m_h),
                               fieldText(m_frequency),
                               m_frequencyUnit->currentIndex(),
                               fieldText(m_turns)};
    const UnknownCoreOutcome outcome = RecomputeUnknownCore(in, engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    reportFailure(outcome.error);
}

void UnknownCorePage::applyUnits() {
    const bool us = usUnits();
    m_wireDiameterUnit->setText(us ? QStringLiteral(" AWG") : QStringLiteral(" mm"));
    m_wireLengthUnit->setText(us ? QStringLiteral(" in") : QStringLiteral(" cm"));
    m_gaugeMark->setVisible(us);
    recompute();
}

// The AL field receives the tool window's AL (in nH/N², so the unit goes back
// to "nH/N²"). The text and the unit change together and the page is
// recomputed once, so a take-over reports a failure at most once and never
// leaves results that belong to the old unit.
void UnknownCorePage::copyAlFromTool() {
    const std::string shown = m_context.alPermeabilityWindow().alText().toStdString();
    {
        const QSignalBlocker quiet(m_al);
        m_al->setText(Utf8(ShownAlAsEntryText(shown, engineSettings().decimalSeparator)));
    }
    m_alUnit->setCurrentIndex(0);
    recompute();
}

// The dimensions are copied as typed there (before its coating correction),
// all three before the one recompute, so a text that is not a number is
// reported once rather than once per copied field.
void UnknownCorePage::copyDimensionsFromTool() {
    const AlPermeabilityWindow::Dimensions typed = m_context.alPermeabilityWindow().dimensionTexts();
    const std::pair<QLineEdit*, const QString&> copies[] = {{m_da, typed.da}, {m_di, typed.di}, {m_h, typed.h}};
    for (const auto& [field, text] : copies) {
        const QSignalBlocker quiet(field);
        field->setText(text);
    }
    recompute();
}

} // namespace torvex::gui
