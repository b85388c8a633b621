#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "catalogue/iron_powder.h"
#include "pages/catalogue_pages.h"

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

IronPowderPage::IronPowderPage(MainContext& context, QWidget* parent)
    : CataloguePage(context, "TabSheet1", 261, 41, parent),
      m_ui(BuildCataloguePage(this, context, kNames, ListTexts(IronSizeTable), ListTexts(IronMixTable),
                              [this] { ComboBox1Change(); })) {
    // Beside the lists, so the user sees at once that the pair is not made.
    QLabel* notAvailable = MakeNotAvailableMessage(this, "Label33", 33, true);
    notAvailable->setFixedWidth(150);
    m_ui.selectionRow->addWidget(notAvailable);
    m_ui.selectionRow->addStretch(1);

    // The mix: its colour code as painted on the core (upper over lower
    // half), its frequency range and, in the core data, its µi.
    auto* mix = new QGridLayout;
    mix->setHorizontalSpacing(6);
    mix->addWidget(MakeCaption(this, {"Label165", 165}), 0, 0);
    mix->addWidget(MakeColourPatch(this, "Label27", "Label32"), 1, 0, Qt::AlignHCenter | Qt::AlignTop);
    mix->addWidget(MakeCaption(this, {"Label5", 5}), 0, 1, 1, 2);
    mix->addWidget(MakeValueField(this, "Label6", QStringLiteral("0,05...0,5"), Qt::AlignCenter), 1, 1,
                   Qt::AlignTop);
    mix->addWidget(MakeCaption(this, {"Label7", 0, "MHz"}), 1, 2, Qt::AlignTop);
    m_ui.coreExtras->addLayout(mix);
    m_ui.coreExtras->addStretch(1);
}

void IronPowderPage::ComboBox1Change() {
    apply(RecomputeIronPowder(m_ui.selection(), m_ui.fields(), environment()));
}

void IronPowderPage::applyUnits(bool usUnits) {
    m_ui.setUnitLabels(usUnits);
    ComboBox1Change();
}

} // namespace torvex::gui
