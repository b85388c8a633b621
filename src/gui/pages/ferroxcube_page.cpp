// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/ferroxcube_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "calc/ferroxcube_page.h"
#include "catalogue/ferroxcube.h"
#include "widgets/binding.h"
#include "widgets/builders.h"

namespace torvex::gui {

namespace {

constexpr CatalogueNames kNames{
    .sizes = {"ComboBox16", 416, 16, 39},    // "TN 10/6/4"
    .materials = {"ComboBox17", 417, 16, 1}, // 3C11
    .dimensions = {{{{"Label192", 192}, "Label181", {"Label193"}},
                    {{"Label194", 194}, "Label182", {"Label195"}},
                    {{"Label196", 0, "h"}, "Label183", {"Label197"}}}},
    .al = {{"Label189", 0, "AL = "}, "Label187", {"Label190", 0, " nH/N²"}},
    .mu = {{"Label191", 0, " µi = "}, "Label184", {}},
    .inductance = {{"Label198", 198}, "Edit24", "ComboBox18"},
    .frequency = {{"Label208", 208}, "Edit25", "ComboBox19"},
    .turns = {{"Label200", 200}, "Label199", {}},
    .wireLength = {{"Label202", 202}, "Label201", {"Label203"}},
    .wireDiameter = {{"Label205", 205}, "Label204", {"Label206"}},
    .wireHash = "Label244",
    .xlArrow = {"Label209", 0, "=>"},
    .xlCaption = {"Label210", 0, "XL ="},
    .xl = "Label211",
    .xlPrefix = "Label213",
    .xlOhm = "Label212",
    .group = {"GroupBox8", 308},
    .turnsCaption = {"Label214", 0, "N"},
    .turnsField = "Edit26",
    .l2 = "Label216",
    .l2Unit = "Label215",
    .xl2Caption = {"Label218", 0, "XL = "},
    .xl2 = "Label217",
    .xl2Prefix = "Label220",
    .xl2Ohm = "Label219",
    .footer = {"Label180", 180},
};

} // namespace

// The colour code, upper half first.
std::vector<ReportRow> FerroxcubePage::coreReportRows() const {
    return {{.captionText = 2015, .value = {"Label185"}}, {.captionText = 2016, .value = {"Label186"}}};
}

FerroxcubePage::FerroxcubePage(PageContext& context, QWidget* parent)
    : CataloguePage(context, kNames, RowNames(FerroxcubeSizeTable), RowNames(FerroxcubeMaterialTable), parent) {
    m_notAvailable = NotAvailableMessage(this, "Label207", 207, language(), true);
    m_notAvailable->setFixedWidth(150);
    selectionRow()->addWidget(m_notAvailable);
    selectionRow()->addStretch(1);

    // The material's colour code: a square of two halves.
    auto* colour = new QVBoxLayout;
    colour->setSpacing(0);
    colour->addWidget(caption({"Label188", 188}), 0, Qt::AlignHCenter);
    colour->addSpacing(2);
    m_colourCode = ColourPatch(this, "Label185", "Label186");
    colour->addWidget(m_colourCode.frame, 0, Qt::AlignHCenter);
    coreExtras()->addLayout(colour);
    coreExtras()->addStretch(1);
}

void FerroxcubePage::recompute() {
    // clang-format off
    static constexpr Binding<FerroxcubeShown, FerroxcubePage> kShown[] = {
        {&FerroxcubeShown::outerDiameter, &FerroxcubePage::m_outerDiameter},
        {&FerroxcubeShown::innerDiameter, &FerroxcubePage::m_innerDiameter},
        {&FerroxcubeShown::height, &FerroxcubePage::m_height},
        {&FerroxcubeShown::al, &FerroxcubePage::m_al},
        {&WindingShown::turns, &FerroxcubePage::m_turns},
        {&WindingShown::wireDiameter, &FerroxcubePage::m_wireDiameter},
        {&WindingShown::wireLength, &FerroxcubePage::m_wireLength},
        {&WindingShown::wireLengthUnit, &FerroxcubePage::m_wireLengthUnit},
        {&WindingShown::reactance, &FerroxcubePage::m_reactance},
        {&WindingShown::reactancePrefix, &FerroxcubePage::m_reactancePrefix},
        {&WindingShown::inductanceOfTurns, &FerroxcubePage::m_inductanceOfTurns},
        {&WindingShown::inductanceOfTurnsUnit, &FerroxcubePage::m_inductanceOfTurnsUnit},
        {&WindingShown::reactanceOfTurns, &FerroxcubePage::m_reactanceOfTurns},
        {&WindingShown::reactanceOfTurnsPrefix, &FerroxcubePage::m_reactanceOfTurnsPrefix},
        {&FerroxcubeShown::permeability, &FerroxcubePage::m_permeability},
    };
    // clang-format on
    const FerroxcubeOutcome outcome = RecomputeFerroxcube(inputs(), engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    showMade(outcome.shown.made);
    if (outcome.shown.colourCode)
        m_colourCode.show(*outcome.shown.colourCode);
    reportFailure(outcome.error);
}

} // namespace torvex::gui
