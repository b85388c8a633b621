#include "pages/catalogue_layout.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "calc/winding.h"
#include "main_context.h"
#include "text/text_table.h"
#include "widgets/colours.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/hints.h"
#include "widgets/make.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

// The widest texts the fields have to show without cutting: SI-scaled and
// other computed numbers ("-999.999"), dimensions ("206.80", "8.142"), the
// largest AL ("16700.00") and µi ("18000").
const QString kWidestNumber = QStringLiteral("-888.888");
const QString kWidestDimension = QStringLiteral("888.88");
const QString kWidestAl = QStringLiteral("88888.88");
const QString kWidestMu = QStringLiteral("88888");
constexpr int kEntryWidth = 80;
const QString kWidestUnit = QStringLiteral(" AWG");

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

template <std::size_t N>
QStringList Texts(const std::array<std::string_view, N>& names) {
    QStringList texts;
    for (std::string_view name : names)
        texts << Utf8(name);
    return texts;
}

void SetBold(QWidget* w) {
    QFont font = w->font();
    font.setBold(true);
    w->setFont(font);
}

void KeepPlaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

// A yellow pick-only list that is at least as wide as its longest entry (the
// default size policy measures the entries at the first showing; these lists
// never change). Setting a size policy, like a font change, would build the
// list's popup at once, and it would then narrow the list to its entries for
// a moment after the first showing.
QComboBox* MakeList(QWidget* parent, const char* name, int tag, const QStringList& items, int visibleItems,
                    int startPosition) {
    auto* list = make<QComboBox>(parent, name, tag);
    list->addItems(items);
    if (visibleItems > 0)
        list->setMaxVisibleItems(visibleItems);
    setBackground(list, kListYellow);
    // A selection made by the program is not a change (only `activated` is bound).
    list->setCurrentIndex(startPosition);
    return list;
}

QLineEdit* MakeEntry(QWidget* parent, const char* name, const QColor& colour) {
    auto* edit = make<QLineEdit>(parent, name);
    setBackground(edit, colour);
    edit->setFixedWidth(kEntryWidth);
    return edit;
}

QLabel* MakeUnit(QWidget* parent, const Caption& caption) {
    QLabel* unit = MakeCaption(parent, caption);
    unit->setMinimumWidth(
        std::max(unit->minimumSizeHint().width(), unit->fontMetrics().horizontalAdvance(kWidestUnit)));
    return unit;
}

QLabel* MakeOhm(QWidget* parent, const char* name) {
    return MakeCaption(parent, {name, 0, "Ω"});
}

// caption | value | unit, in three columns of a grid row.
QLabel* AddValueRow(QGridLayout* grid, int row, int column, QWidget* parent, const ValueRow& names,
                    const QString& widest) {
    grid->addWidget(MakeCaption(parent, names.caption), row, column);
    grid->addWidget(MakeValueField(parent, names.value, widest), row, column + 1);
    if (!names.unit.name)
        return nullptr;
    QLabel* unit = MakeUnit(parent, names.unit);
    grid->addWidget(unit, row, column + 2);
    return unit;
}

} // namespace

QLabel* MakeCaption(QWidget* parent, const Caption& caption) {
    auto* label = make<QLabel>(parent, caption.name, caption.tag);
    label->setText(caption.tag ? Utf8(LoadText(caption.tag, kGermanOffset)) : QString::fromUtf8(caption.text));
    return label;
}

QLabel* MakeValueField(QWidget* parent, const char* name, const QString& widest, Qt::Alignment alignment) {
    auto* label = make<ResultLabel>(parent, name);
    setBackground(label, kResultWhite);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment);
    label->setMargin(1);
    const int frame = 2 * (label->frameWidth() + label->margin()) + 4;
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest) + frame);
    return label;
}

QWidget* MakeColourPatch(QWidget* parent, const char* upper, const char* lower) {
    auto* frame = new QFrame(parent);
    frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame->setLineWidth(1);
    auto* halves = new QVBoxLayout(frame);
    halves->setContentsMargins(1, 1, 1, 1);
    halves->setSpacing(0);
    for (const char* name : {upper, lower}) {
        auto* half = make<QLabel>(frame, name);
        half->setFixedSize(16, 8);
        halves->addWidget(half);
    }
    frame->setFixedSize(frame->sizeHint());
    return frame;
}

QLabel* MakeNotAvailableMessage(QWidget* parent, const char* name, int tag, bool wordWrap) {
    QLabel* message = MakeCaption(parent, {name, tag});
    setBackground(message, tooltipBackground());
    setTextColour(message, kMessageRed);
    message->setAlignment(Qt::AlignCenter);
    message->setWordWrap(wordWrap);
    message->setMargin(2);
    setShowHint(message, false);
    KeepPlaceWhenHidden(message);
    message->hide();
    return message;
}

CatalogueControls BuildCataloguePage(QWidget* page, MainContext& context, const CatalogueNames& names,
                                     const QStringList& sizes, const QStringList& materials,
                                     std::function<void()> recompute) {
    CatalogueControls c;

    // Core: the two lists, then dimensions, AL and µi; the page's own data
    // (colour code, ranges, ordering code) go to the right of them.
    c.sizeList = MakeList(page, names.sizes.name, names.sizes.tag, sizes, names.sizes.visibleItems,
                          names.sizes.startPosition);
    c.materialList = MakeList(page, names.materials.name, names.materials.tag, materials,
                              names.materials.visibleItems, names.materials.startPosition);
    c.selectionRow = new QHBoxLayout;
    c.selectionRow->addWidget(c.sizeList);
    if (names.dash)
        c.selectionRow->addWidget(MakeCaption(page, {names.dash, 0, "-"}));
    c.selectionRow->addWidget(c.materialList);

    auto* coreData = new QGridLayout;
    coreData->setHorizontalSpacing(4);
    for (int i = 0; i < 3; ++i)
        c.dimensionUnits[std::size_t(i)] = AddValueRow(coreData, i, 0, page, names.dimensions[std::size_t(i)],
                                                      kWidestDimension);
    coreData->setColumnMinimumWidth(3, 12);
    AddValueRow(coreData, 0, 4, page, names.al, kWidestAl);
    AddValueRow(coreData, 1, 4, page, names.mu, kWidestMu);
    coreData->setColumnStretch(7, 1);

    auto* coreColumn = new QVBoxLayout;
    coreColumn->addLayout(c.selectionRow);
    coreColumn->addLayout(coreData);
    coreColumn->addStretch(1);
    c.coreExtras = new QVBoxLayout;
    auto* core = new QHBoxLayout;
    core->addLayout(coreColumn, 1);
    core->addSpacing(6);
    core->addLayout(c.coreExtras);

    // Winding: the two entries with XL on the left, the results on the right.
    auto* winding = new QGridLayout;
    winding->setHorizontalSpacing(4);
    c.inductance = MakeEntry(page, names.inductance.field, kEntryLime);
    c.inductanceUnit = MakeList(page, names.inductance.unitList, 0, Texts(InductanceUnitNames), 0, 1);
    c.frequency = MakeEntry(page, names.frequency.field, kEntryLime);
    c.frequencyUnit = MakeList(page, names.frequency.unitList, 0, Texts(FrequencyUnitNames), 0, 1);
    winding->addWidget(MakeCaption(page, names.inductance.caption), 0, 0);
    winding->addWidget(c.inductance, 0, 1);
    winding->addWidget(c.inductanceUnit, 0, 2);
    winding->addWidget(MakeCaption(page, names.frequency.caption), 1, 0);
    winding->addWidget(c.frequency, 1, 1);
    winding->addWidget(c.frequencyUnit, 1, 2);

    auto* xlCaptions = new QHBoxLayout;
    xlCaptions->addWidget(MakeCaption(page, names.xlArrow));
    xlCaptions->addStretch(1);
    xlCaptions->addWidget(MakeCaption(page, names.xlCaption));
    winding->addLayout(xlCaptions, 2, 0);
    winding->addWidget(MakeValueField(page, names.xl, kWidestNumber), 2, 1);
    auto* xlUnit = new QHBoxLayout;
    xlUnit->setSpacing(1);
    xlUnit->addWidget(MakeCaption(page, {names.xlPrefix}));
    xlUnit->addWidget(MakeOhm(page, names.xlOhm));
    xlUnit->addStretch(1);
    winding->addLayout(xlUnit, 2, 2);

    winding->setColumnMinimumWidth(3, 16);
    winding->setColumnStretch(3, 1);
    winding->addWidget(MakeCaption(page, names.turns.caption), 0, 4);
    winding->addWidget(MakeValueField(page, names.turns.value, kWidestNumber), 0, 6);
    winding->addWidget(MakeCaption(page, names.wireLength.caption), 1, 4);
    winding->addWidget(MakeValueField(page, names.wireLength.value, kWidestNumber), 1, 6);
    c.wireLengthUnit = MakeUnit(page, names.wireLength.unit);
    winding->addWidget(c.wireLengthUnit, 1, 7);
    winding->addWidget(MakeCaption(page, names.wireDiameter.caption), 2, 4);
    c.wireHash = MakeCaption(page, {names.wireHash, 0, "# "});
    KeepPlaceWhenHidden(c.wireHash);
    winding->addWidget(c.wireHash, 2, 5);
    winding->addWidget(MakeValueField(page, names.wireDiameter.value, kWidestNumber), 2, 6);
    c.wireDiameterUnit = MakeUnit(page, names.wireDiameter.unit);
    winding->addWidget(c.wireDiameterUnit, 2, 7);

    // The second calculation: inductance and XL of a typed number of turns.
    auto* group = make<QGroupBox>(page, names.group.name, names.group.tag);
    group->setTitle(Utf8(LoadText(names.group.tag, kGermanOffset)));
    c.turns = MakeEntry(group, names.turnsField, kTurnsGreen);
    setTextColour(c.turns, Qt::white);
    SetBold(c.turns);
    auto* second = new QHBoxLayout(group);
    second->setContentsMargins(8, 4, 8, 6);
    second->setSpacing(4);
    second->addWidget(MakeCaption(group, names.turnsCaption));
    second->addWidget(c.turns);
    second->addSpacing(12);
    second->addWidget(MakeValueField(group, names.l2, kWidestNumber));
    // Before the first recompute the unit reads "µH"; the recompute writes the prefix it needs.
    QLabel* l2Unit = MakeCaption(group, {names.l2Unit, 0, "µH"});
    l2Unit->setMinimumWidth(l2Unit->fontMetrics().horizontalAdvance(QStringLiteral("MH ")));
    second->addWidget(l2Unit);
    second->addSpacing(16);
    second->addWidget(MakeCaption(group, names.xl2Caption));
    second->addWidget(MakeValueField(group, names.xl2, kWidestNumber));
    second->addWidget(MakeCaption(group, {names.xl2Prefix}));
    second->addWidget(MakeOhm(group, names.xl2Ohm));
    second->addStretch(1);

    QLabel* footer = MakeCaption(page, names.footer);
    footer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColour(footer, kFooterBlue);
    SetBold(footer);

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(8, 6, 8, 4);
    pageLayout->setSpacing(6);
    pageLayout->addLayout(core);
    pageLayout->addSpacing(4);
    pageLayout->addLayout(winding);
    pageLayout->addWidget(group);
    pageLayout->addStretch(1);
    pageLayout->addWidget(footer);

    c.setUnitLabels(false); // metric until the start-up's unit command

    for (QLineEdit* field : {c.inductance, c.frequency, c.turns}) {
        context.keyFilter().attach(field);
        QObject::connect(field, &QLineEdit::textChanged, page, [recompute] { recompute(); });
    }
    for (QComboBox* list : {c.sizeList, c.materialList, c.inductanceUnit, c.frequencyUnit})
        QObject::connect(list, &QComboBox::activated, page, [recompute] { recompute(); });
    return c;
}

CatalogueSelection CatalogueControls::selection() const {
    return {sizeList->currentIndex(), materialList->currentIndex()};
}

WindingFields CatalogueControls::fields() const {
    return {inductance->text().toStdString(), inductanceUnit->currentIndex(), frequency->text().toStdString(),
            frequencyUnit->currentIndex(), turns->text().toStdString()};
}

void CatalogueControls::setUnitLabels(bool usUnits) const {
    for (QLabel* unit : dimensionUnits)
        unit->setText(usUnits ? QStringLiteral(" in") : QStringLiteral(" mm"));
    wireLengthUnit->setText(usUnits ? QStringLiteral(" in") : QStringLiteral(" cm"));
    wireDiameterUnit->setText(usUnits ? QStringLiteral(" AWG") : QStringLiteral(" mm"));
    wireHash->setVisible(usUnits);
}

} // namespace torvex::gui
