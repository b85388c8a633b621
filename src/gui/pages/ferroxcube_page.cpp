#include "pages/ferroxcube_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "catalogue/ferroxcube.h"
#include "widgets/builders.h"

namespace torvex::gui {

namespace {

constexpr CatalogueNames kNames{
    .sheet = "TabSheet6",
    .tag = 266,
    .helpContext = 44,
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

FerroxcubePage::FerroxcubePage(PageContext& context, QWidget* parent)
    : CataloguePage(context, kNames, RowNames(FerroxcubeSizeTable), RowNames(FerroxcubeMaterialTable), parent) {
    QLabel* notAvailable = NotAvailableMessage(this, "Label207", 207, language(), true);
    notAvailable->setFixedWidth(150);
    selectionRow()->addWidget(notAvailable);
    selectionRow()->addStretch(1);

    // The material's colour code: a square of two halves.
    auto* colour = new QVBoxLayout;
    colour->setSpacing(0);
    colour->addWidget(caption({"Label188", 188}), 0, Qt::AlignHCenter);
    colour->addSpacing(2);
    colour->addWidget(ColourPatch(this, "Label185", "Label186"), 0, Qt::AlignHCenter);
    coreExtras()->addLayout(colour);
    coreExtras()->addStretch(1);
}

void FerroxcubePage::recompute() { apply(RecomputeFerroxcube(selection(), fields(), environment())); }

} // namespace torvex::gui
