// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/ferrite_ft_page.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/ferrite_ft_page.h"
#include "catalogue/ferrite_ft.h"
#include "format/calc_error.h"
#include "widgets/binding.h"
#include "widgets/builders.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

constexpr CatalogueNames kNames{
    .sizes = {"ComboBox5", 405, 18, 2},     // FT50
    .materials = {"ComboBox6", 406, 12, 0}, // 43
    .dash = "Label164",
    .dimensions = {{{{"Label124", 124}, "Label118", {"Label127"}},
                    {{"Label125", 125}, "Label119", {"Label128"}},
                    {{"Label126", 0, "h"}, "Label120", {"Label129"}}}},
    // The maker's unit; numerically the same as nH/N².
    .al = {{"Label130", 0, "AL ="}, "Label121", {"Label131", 0, " mH/(1000 N)²"}},
    .mu = {{"Label226", 0, " µi = "}, "Label227", {}},
    .inductance = {{"Label133", 133}, "Edit17", "ComboBox12"},
    .frequency = {{"Label142", 142}, "Edit18", "ComboBox13"},
    .turns = {{"Label134", 134}, "Label123", {}},
    .wireLength = {{"Label137", 137}, "Label135", {"Label139"}},
    .wireDiameter = {{"Label138", 138}, "Label136", {"Label140"}},
    .wireHash = "Label242",
    .xlArrow = {"Label144", 0, "=>"},
    .xlCaption = {"Label145", 0, "XL ="},
    .xl = "Label141",
    .xlPrefix = "Label132",
    .xlOhm = "Label146",
    .group = {"GroupBox6", 306},
    .turnsCaption = {"Label149", 0, "N"},
    .turnsField = "Edit19",
    .l2 = "Label147",
    .l2Unit = "Label150",
    .xl2Caption = {"Label152", 0, "XL = "},
    .xl2 = "Label148",
    .xl2Prefix = "Label143",
    .xl2Ohm = "Label151",
    .footer = {"Label76", 76},
};

// The three ranges of a material: value field over its caption.
struct RangeColumn {
    const char* value;
    Caption caption;
    std::string_view FtMaterial::*range;
    QLabel* FerriteFtPage::*field;
};

// The widest text of a column of the material table, so that each field is
// just wide enough for its own ranges.
QString WidestRange(std::string_view FtMaterial::*range, const QFontMetrics& metrics) {
    QString widest;
    for (const FtMaterial& material : FtMaterialTable) {
        const QString text = Utf8(material.*range);
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    return widest;
}

} // namespace

// The material's three frequency ranges in MHz.
std::vector<ReportRow> FerriteFtPage::coreReportRows() const {
    return {{.caption = {"Label115"}, .value = {"Label111"}},
            {.caption = {"Label116"}, .value = {"Label112"}},
            {.caption = {"Label117"}, .value = {"Label113"}}};
}

FerriteFtPage::FerriteFtPage(PageContext& context, QWidget* parent)
    : CataloguePage(context, kNames, RowNames(FtSizeTable), RowNames(FtMaterialTable), parent) {
    selectionRow()->addStretch(1);

    auto* ranges = new QGridLayout;
    ranges->setHorizontalSpacing(4);
    ranges->setVerticalSpacing(2);
    QLabel* title = caption({"Label114", 114});
    title->setAlignment(Qt::AlignCenter);
    ranges->addWidget(title, 0, 0, 1, 3);
    // clang-format off
    const RangeColumn columns[] = {
        {"Label111", {"Label115", 115}, &FtMaterial::resonant, &FerriteFtPage::m_resonantRange},
        {"Label112", {"Label116", 116}, &FtMaterial::wideBand, &FerriteFtPage::m_wideBandRange},
        {"Label113", {"Label117", 117}, &FtMaterial::choke, &FerriteFtPage::m_chokeRange},
    };
    // clang-format on
    for (int i = 0; i < 3; ++i) {
        const RangeColumn& column = columns[i];
        this->*column.field = valueField(column.value, WidestRange(column.range, fontMetrics()), Qt::AlignCenter);
        ranges->addWidget(this->*column.field, 1, i);
        QLabel* rangeCaption = caption(column.caption);
        rangeCaption->setAlignment(Qt::AlignCenter);
        ranges->addWidget(rangeCaption, 2, i);
    }
    // One line under the ranges: the material's data stay readable above it.
    m_notAvailable = NotAvailableMessage(this, "Label122", 122, language(), false);
    ranges->addWidget(m_notAvailable, 3, 0, 1, 3);
    coreExtras()->addLayout(ranges);
    coreExtras()->addStretch(1);
}

void FerriteFtPage::recompute() {
    // clang-format off
    static constexpr Binding<FerriteFtShown, FerriteFtPage> kShown[] = {
        {&FerriteFtShown::resonantRange, &FerriteFtPage::m_resonantRange},
        {&FerriteFtShown::wideBandRange, &FerriteFtPage::m_wideBandRange},
        {&FerriteFtShown::chokeRange, &FerriteFtPage::m_chokeRange},
        {&FerriteFtShown::outerDiameter, &FerriteFtPage::m_outerDiameter},
        {&FerriteFtShown::innerDiameter, &FerriteFtPage::m_innerDiameter},
        {&FerriteFtShown::height, &FerriteFtPage::m_height},
        {&FerriteFtShown::permeability, &FerriteFtPage::m_permeability},
        {&FerriteFtShown::al, &FerriteFtPage::m_al},
        {&WindingShown::turns, &FerriteFtPage::m_turns},
        {&WindingShown::wireDiameter, &FerriteFtPage::m_wireDiameter},
        {&WindingShown::wireLength, &FerriteFtPage::m_wireLength},
        {&WindingShown::wireLengthUnit, &FerriteFtPage::m_wireLengthUnit},
        {&WindingShown::reactance, &FerriteFtPage::m_reactance},
        {&WindingShown::reactancePrefix, &FerriteFtPage::m_reactancePrefix},
        {&WindingShown::inductanceOfTurns, &FerriteFtPage::m_inductanceOfTurns},
        {&WindingShown::inductanceOfTurnsUnit, &FerriteFtPage::m_inductanceOfTurnsUnit},
        {&WindingShown::reactanceOfTurns, &FerriteFtPage::m_reactanceOfTurns},
        {&WindingShown::reactanceOfTurnsPrefix, &FerriteFtPage::m_reactanceOfTurnsPrefix},
    };
    // clang-format on
    const FerriteFtOutcome outcome = RecomputeFerriteFt(inputs(), engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    showMade(outcome.shown.made);
    reportFailure(outcome.error);
}

} // namespace torvex::gui

namespace torvex::gui {

FtPageState FerriteFtPage::takeOverState() const {
    const CataloguePageInputs now = inputs();
    const CatalogueSelection chosen = now.selection;
    WindingFields typed = now.fields;
    FtPageState state{chosen.size, chosen.material, typed.turns, 0, typed.frequency, typed.frequencyUnit};
    // N for the wanted inductance as the page computes it, from the inductance
    // alone: a frequency or turns that do not read must not lose it.
    typed.frequency.clear();
    typed.turns.clear();
    if (const long double al = FtAl(chosen.size, chosen.material); al > 0) {
        const CoreSizeWithInches& core = FtSizeTable[std::size_t(chosen.size)];
        try {
            state.computedTurns = CalculateWinding(core.da, core.di, core.h, al, typed, engineSettings()).N;
        } catch (const CalcError&) {
            // An inductance that does not read: no turns to take over.
        }
    }
    return state;
}

} // namespace torvex::gui
