#include "pages/iron_powder_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "catalogue/iron_powder.h"
#include "widgets/builders.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

constexpr CatalogueNames kNames{
    .sheet = "TabSheet1",
    .tag = 261,
    .helpContext = 41,
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
    QLabel* notAvailable = NotAvailableMessage(this, "Label33", 33, language(), true);
    notAvailable->setFixedWidth(150);
    selectionRow()->addWidget(notAvailable);
    selectionRow()->addStretch(1);

    // The mix: its colour code as painted on the core (upper over lower
    // half), its frequency range and, in the core data, its µi.
    auto* mix = new QGridLayout;
    mix->setHorizontalSpacing(6);
    mix->addWidget(caption({"Label165", 165}), 0, 0);
    mix->addWidget(ColourPatch(this, "Label27", "Label32"), 1, 0, Qt::AlignHCenter | Qt::AlignTop);
    mix->addWidget(caption({"Label5", 5}), 0, 1, 1, 2);
    mix->addWidget(valueField("Label6", QStringLiteral("0,05...0,5"), Qt::AlignCenter), 1, 1, Qt::AlignTop);
    mix->addWidget(caption({"Label7", 0, "MHz"}), 1, 2, Qt::AlignTop);
    coreExtras()->addLayout(mix);
    coreExtras()->addStretch(1);
}

void IronPowderPage::recompute() { apply(RecomputeIronPowder(selection(), fields(), environment())); }

} // namespace torvex::gui
