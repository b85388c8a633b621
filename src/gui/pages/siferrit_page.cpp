// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/siferrit_page.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "catalogue/siferrit.h"
#include "widgets/binding.h"
#include "widgets/builders.h"
#include "widgets/colours.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

constexpr CatalogueNames kNames{
    .sizes = {"ComboBox3", 403, 16, 3},    // R10
    .materials = {"ComboBox4", 404, 0, 1}, // N30
    .dimensions = {{{{"Label86", 86}, "Label77", {"Label89"}},
                    {{"Label87", 87}, "Label78", {"Label90"}},
                    {{"Label88", 0, "h"}, "Label79", {"Label91"}}}},
    .al = {{"Label68", 0, "AL = "}, "Label65", {"Label69", 0, " nH/N²"}},
    .mu = {{"Label228", 0, " µi = "}, "Label229", {}},
    .inductance = {{"Label72", 72}, "Edit11", "ComboBox14"},
    .frequency = {{"Label93", 93}, "Edit12", "ComboBox15"},
    .turns = {{"Label73", 73}, "Label66", {}},
    .wireLength = {{"Label82", 82}, "Label81", {"Label84"}},
    .wireDiameter = {{"Label83", 83}, "Label80", {"Label85"}},
    .wireHash = "Label243",
    .xlArrow = {"Label96", 0, "=>"},
    .xlCaption = {"Label95", 0, "XL ="},
    .xl = "Label92",
    .xlPrefix = "Label94",
    .xlOhm = "Label101",
    .group = {"GroupBox5", 305},
    .turnsCaption = {"Label97", 0, "N"},
    .turnsField = "Edit13",
    .l2 = "Label98",
    .l2Unit = "Label99",
    .xl2Caption = {"Label103", 0, "XL ="},
    .xl2 = "Label100",
    .xl2Prefix = "Label71",
    .xl2Ohm = "Label102",
    .footer = {"Label74", 74},
};

// The recompute shows an ordering code in 14 pt and the not-available
// sentence in 10 pt; the field is sized for the longer code on one line and
// for the sentence on two.
constexpr int kCodePoints = 14;
constexpr int kMessagePoints = 10;
const QString kWidestCode = QStringLiteral("B64290-K632-X830");

QFont BoldFont(const QFont& base, int points) {
    QFont font = base;
    font.setBold(true);
    font.setPointSize(points);
    return font;
}

QLabel* OrderingCodeField(QWidget* parent) {
    QLabel* code = FixedCaption(parent, "Label67");
    paint(code, Paint::OrderingCode);
    code->setAlignment(Qt::AlignCenter);
    code->setWordWrap(true);
    code->setFont(BoldFont(code->font(), kCodePoints));
    const QFontMetrics codeMetrics(BoldFont(code->font(), kCodePoints));
    const QFontMetrics messageMetrics(BoldFont(code->font(), kMessagePoints));
    code->setFixedWidth(std::max(193, codeMetrics.horizontalAdvance(kWidestCode) + 12));
    code->setMinimumHeight(std::max({22, codeMetrics.height() + 4, 2 * messageMetrics.lineSpacing() + 4}));
    return code;
}

} // namespace

// The ordering code, the application and the frequency range.
std::vector<ReportRow> SiferritPage::coreReportRows() const {
    return {{.caption = {"Label70"}, .value = {"Label67"}},
            {.caption = {"Label156"}, .value = {"Label154"}},
            {.captionText = 5, .value = {"Label155"}}};
}

SiferritPage::SiferritPage(PageContext& context, QWidget* parent)
    : CataloguePage(context, kNames, RowNames(SiferritSizeTable), RowNames(SiferritMaterialTable), parent) {
    selectionRow()->addStretch(1);

    // The maker's ordering code (or why there is none), and what the
    // material is made for.
    QVBoxLayout* extras = coreExtras();
    extras->setSpacing(2);
    extras->addWidget(caption({"Label70", 70}));
    m_orderingCode = OrderingCodeField(this);
    extras->addWidget(m_orderingCode);
    extras->addSpacing(4);
    extras->addWidget(caption({"Label156", 156}));
    m_application = valueField("Label154", QStringLiteral("Broadband Transformer"), Qt::AlignCenter);
    m_application->setFixedWidth(m_orderingCode->minimumWidth());
    extras->addWidget(m_application);
    m_frequencyRange = FixedCaption(this, "Label155");
    paint(m_frequencyRange, Paint::FrequencyRange);
    m_frequencyRange->setFont(BoldFont(m_frequencyRange->font(), m_frequencyRange->font().pointSize()));
    m_frequencyRange->setAlignment(Qt::AlignCenter);
    m_frequencyRange->setFixedWidth(m_orderingCode->minimumWidth());
    m_frequencyRange->setMargin(1);
    extras->addWidget(m_frequencyRange);
    extras->addStretch(1);
}

void SiferritPage::recompute() {
    // clang-format off
    static constexpr Binding<SiferritShown, SiferritPage> kShown[] = {
        {&SiferritShown::outerDiameter, &SiferritPage::m_outerDiameter},
        {&SiferritShown::innerDiameter, &SiferritPage::m_innerDiameter},
        {&SiferritShown::height, &SiferritPage::m_height},
        {&SiferritShown::permeability, &SiferritPage::m_permeability},
        {&SiferritShown::al, &SiferritPage::m_al},
        {&SiferritShown::application, &SiferritPage::m_application},
        {&SiferritShown::frequencyRange, &SiferritPage::m_frequencyRange},
        {&WindingShown::turns, &SiferritPage::m_turns},
        {&WindingShown::wireDiameter, &SiferritPage::m_wireDiameter},
        {&WindingShown::wireLength, &SiferritPage::m_wireLength},
        {&WindingShown::wireLengthUnit, &SiferritPage::m_wireLengthUnit},
        {&WindingShown::reactance, &SiferritPage::m_reactance},
        {&WindingShown::reactancePrefix, &SiferritPage::m_reactancePrefix},
        {&WindingShown::inductanceOfTurns, &SiferritPage::m_inductanceOfTurns},
        {&WindingShown::inductanceOfTurnsUnit, &SiferritPage::m_inductanceOfTurnsUnit},
        {&WindingShown::reactanceOfTurns, &SiferritPage::m_reactanceOfTurns},
        {&WindingShown::reactanceOfTurnsPrefix, &SiferritPage::m_reactanceOfTurnsPrefix},
    };
    // clang-format on
    const SiferritOutcome outcome = RecomputeSiferrit(inputs(), engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    if (outcome.shown.ordering)
        showOrdering(*outcome.shown.ordering);
    showMade(outcome.shown.made);
    reportFailure(outcome.error);
}

void SiferritPage::showOrdering(const SiferritOrdering& ordering) {
    QFont font = m_orderingCode->font();
    font.setPointSize(ordering.made ? kCodePoints : kMessagePoints);
    m_orderingCode->setFont(font);
    m_orderingCode->setText(ordering.made ? Utf8(ordering.code) : TableText(67, language()));
}

} // namespace torvex::gui
