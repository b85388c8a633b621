// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/iron_powder_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/iron_powder_page.h"
#include "catalogue/iron_powder.h"
#include "widgets/binding.h"
#include "widgets/builders.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

constexpr CatalogueNames kNames{
    .sizes = {"ComboBox2", 402, 16, 7},     // T50
    .materials = {"ComboBox1", 401, 12, 2}, // mix 2
    .dash = "Label1",
    .dimensions = {{{{"Label8", 8}, "Label9", {"Label10"}},
                    {{"Label11", 11}, "Label12", {"Label13"}},
                    {{"Label14", 0, "h"}, "Label15", {"Label16"}}}},
    .al = {{"Label4", 0, "AL ="}, "Label2", {"Label3", 0, " nH/N²"}},
    .mu = {{"Label224", 0, " µi = "}, "Label225", {}},
    .inductance = {{"Label17", 17}, "Edit1", "ComboBox9"},
    .frequency = {{"Label34", 34}, "Edit3", "ComboBox10"},
    .turns = {{"Label19", 19}, "Label36", {}},
    .wireLength = {{"Label20", 20}, "Label21", {"Label22"}},
    .wireDiameter = {{"Label28", 28}, "Label29", {"Label30"}},
    .wireHash = "Label240",
    .xlArrow = {"Label35", 0, "=>"},
    .xlCaption = {"Label23", 0, "XL ="},
    .xl = "Label24",
    .xlPrefix = "Label26",
    .xlOhm = "Label25",
    .group = {"GroupBox1", 301},
    .turnsCaption = {"Label37", 0, "N"},
    .turnsField = "Edit2",
    .l2 = "Label38",
    .l2Unit = "Label39",
    .xl2Caption = {"Label41", 0, "XL = "},
    .xl2 = "Label40",
    .xl2Prefix = "Label18",
    .xl2Ohm = "Label42",
    .footer = {"Label75", 75},
};

} // namespace

IronPowderPage::IronPowderPage(PageContext& context, QWidget* parent)
    : CataloguePage(context, kNames, RowNames(IronSizeTable), RowNames(IronMixTable), parent) {
    // Beside the lists, so the user sees at once that the pair is not made.
    m_notAvailable = NotAvailableMessage(this, "Label33", 33, language(), true);
    m_notAvailable->setFixedWidth(150);
    selectionRow()->addWidget(m_notAvailable);
    selectionRow()->addStretch(1);

    // The mix: its colour code as painted on the core (upper over lower
    // half), its frequency range and, in the core data, its µi.
    auto* mix = new QGridLayout;
    mix->setHorizontalSpacing(6);
    mix->addWidget(caption({"Label165", 165}), 0, 0);
    m_colourCode = ColourPatch(this, "Label27", "Label32");
    mix->addWidget(m_colourCode.frame, 1, 0, Qt::AlignHCenter | Qt::AlignTop);
    mix->addWidget(caption({"Label5", 5}), 0, 1, 1, 2);
    m_frequencyRange = valueField("Label6", QStringLiteral("0,05...0,5"), Qt::AlignCenter);
    mix->addWidget(m_frequencyRange, 1, 1, Qt::AlignTop);
    // As high as the framed field and centred as its text is, so that the
    // unit stands on the same baseline.
    QLabel* megahertz = caption({"Label7", 0, "MHz"});
    megahertz->setFixedHeight(m_frequencyRange->sizeHint().height());
    megahertz->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mix->addWidget(megahertz, 1, 2, Qt::AlignTop);
    coreExtras()->addLayout(mix);
    coreExtras()->addStretch(1);
}

std::vector<ReportRow> IronPowderPage::coreReportRows() const {
    return {{.captionText = 2015, .value = {"Label27"}}, // the colour code, upper half
            {.captionText = 2016, .value = {"Label32"}},
            {.caption = {"Label5"}, .value = {"Label6"}, .unit = {"Label7"}}};
}

void IronPowderPage::recompute() {
    // clang-format off
    static constexpr Binding<IronPowderShown, IronPowderPage> kShown[] = {
        {&IronPowderShown::outerDiameter, &IronPowderPage::m_outerDiameter},
        {&IronPowderShown::innerDiameter, &IronPowderPage::m_innerDiameter},
        {&IronPowderShown::height, &IronPowderPage::m_height},
        {&IronPowderShown::al, &IronPowderPage::m_al},
        {&WindingShown::turns, &IronPowderPage::m_turns},
        {&WindingShown::wireDiameter, &IronPowderPage::m_wireDiameter},
        {&WindingShown::wireLength, &IronPowderPage::m_wireLength},
        {&WindingShown::wireLengthUnit, &IronPowderPage::m_wireLengthUnit},
        {&WindingShown::reactance, &IronPowderPage::m_reactance},
        {&WindingShown::reactancePrefix, &IronPowderPage::m_reactancePrefix},
        {&WindingShown::inductanceOfTurns, &IronPowderPage::m_inductanceOfTurns},
        {&WindingShown::inductanceOfTurnsUnit, &IronPowderPage::m_inductanceOfTurnsUnit},
        {&WindingShown::reactanceOfTurns, &IronPowderPage::m_reactanceOfTurns},
        {&WindingShown::reactanceOfTurnsPrefix, &IronPowderPage::m_reactanceOfTurnsPrefix},
        {&IronPowderShown::frequencyRange, &IronPowderPage::m_frequencyRange},
        {&IronPowderShown::permeability, &IronPowderPage::m_permeability},
    };
    // clang-format on
    const IronPowderOutcome outcome = RecomputeIronPowder(inputs(), engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    showMade(outcome.shown.made);
    if (outcome.shown.colourCode)
        m_colourCode.show(*outcome.shown.colourCode);
    reportFailure(outcome.error);
}

} // namespace torvex::gui
