// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/catalogue_page.h"

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
#include "widgets/builders.h"
#include "widgets/colours.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/hints.h"
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
const QString kWidestUnit = QStringLiteral(" AWG");
constexpr int kEntryWidth = 80;

// The value fields of these pages: a margin of one pixel inside the frame.
ResultLook valueLook(Qt::Alignment alignment) { return {.padding = 8, .margin = 1, .alignment = alignment}; }

QLabel* makeCaption(QWidget* parent, const Caption& caption, Language language) {
    return caption.tag ? TaggedCaption(parent, caption.name, caption.tag, language)
                       : FixedCaption(parent, caption.name, QString::fromUtf8(caption.text));
}

void setBold(QWidget* w) {
    QFont font = w->font();
    font.setBold(true);
    w->setFont(font);
}

} // namespace

CataloguePage::CataloguePage(PageContext& context, const CatalogueNames& names, const QStringList& sizes,
                             const QStringList& materials, QWidget* parent)
    : Page(context, parent), m_names(names) {
    const Language shown = language();
    auto fixed = [](QWidget* parent, const char* name, const char* text) {
        return FixedCaption(parent, name, QString::fromUtf8(text));
    };

    // Core: the two lists, then dimensions, AL and µi; the page's own data
    // (colour code, ranges, ordering code) go to the right of them.
    m_sizeList = SelectionList(this, names.sizes.name, sizes, names.sizes.startPosition, names.sizes.tag,
                               names.sizes.visibleItems);
    m_materialList = SelectionList(this, names.materials.name, materials, names.materials.startPosition,
                                   names.materials.tag, names.materials.visibleItems);
    m_selectionRow = new QHBoxLayout;
    m_selectionRow->addWidget(m_sizeList);
    if (names.dash)
        m_selectionRow->addWidget(fixed(this, names.dash, "-"));
    m_selectionRow->addWidget(m_materialList);

    auto* coreData = new QGridLayout;
    coreData->setHorizontalSpacing(4);
    QLabel** dimensions[] = {&m_outerDiameter, &m_innerDiameter, &m_height};
    for (std::size_t i = 0; i < 3; ++i)
        m_dimensionUnits[i] = addValueRow(coreData, int(i), 0, names.dimensions[i], kWidestDimension, *dimensions[i]);
    coreData->setColumnMinimumWidth(3, 12);
    addValueRow(coreData, 0, 4, names.al, kWidestAl, m_al);
    addValueRow(coreData, 1, 4, names.mu, kWidestMu, m_permeability);
    coreData->setColumnStretch(7, 1);

    auto* coreColumn = new QVBoxLayout;
    coreColumn->addLayout(m_selectionRow);
    coreColumn->addLayout(coreData);
    coreColumn->addStretch(1);
    m_coreExtras = new QVBoxLayout;
    auto* core = new QHBoxLayout;
    core->addLayout(coreColumn, 1);
    core->addSpacing(6);
    core->addLayout(m_coreExtras);

    // Winding: the two entries with XL on the left, the results on the right.
    auto* winding = new QGridLayout;
    winding->setHorizontalSpacing(4);
    m_inductance = EntryField(this, names.inductance.field, FieldWidth::Pixels(kEntryWidth));
    m_inductanceUnit = SelectionList(this, names.inductance.unitList, ListTexts(InductanceUnitNames), 1);
    m_frequency = EntryField(this, names.frequency.field, FieldWidth::Pixels(kEntryWidth));
    m_frequencyUnit = SelectionList(this, names.frequency.unitList, ListTexts(FrequencyUnitNames), 1);
    winding->addWidget(caption(names.inductance.caption), 0, 0);
    winding->addWidget(m_inductance, 0, 1);
    winding->addWidget(m_inductanceUnit, 0, 2);
    winding->addWidget(caption(names.frequency.caption), 1, 0);
    winding->addWidget(m_frequency, 1, 1);
    winding->addWidget(m_frequencyUnit, 1, 2);

    auto* xlCaptions = new QHBoxLayout;
    xlCaptions->addWidget(caption(names.xlArrow));
    xlCaptions->addStretch(1);
    xlCaptions->addWidget(caption(names.xlCaption));
    winding->addLayout(xlCaptions, 2, 0);
    m_reactance = valueField(names.xl, kWidestNumber);
    winding->addWidget(m_reactance, 2, 1);
    auto* xlUnit = new QHBoxLayout;
    xlUnit->setSpacing(1);
    m_reactancePrefix = caption({names.xlPrefix});
    xlUnit->addWidget(m_reactancePrefix);
    xlUnit->addWidget(fixed(this, names.xlOhm, "Ω"));
    xlUnit->addStretch(1);
    winding->addLayout(xlUnit, 2, 2);

    winding->setColumnMinimumWidth(3, 16);
    winding->setColumnStretch(3, 1);
    winding->addWidget(caption(names.turns.caption), 0, 4);
    m_turns = valueField(names.turns.value, kWidestNumber);
    winding->addWidget(m_turns, 0, 6);
    winding->addWidget(caption(names.wireLength.caption), 1, 4);
    m_wireLength = valueField(names.wireLength.value, kWidestNumber);
    winding->addWidget(m_wireLength, 1, 6);
    m_wireLengthUnit = unitCaption(names.wireLength.unit);
    winding->addWidget(m_wireLengthUnit, 1, 7);
    winding->addWidget(caption(names.wireDiameter.caption), 2, 4);
    m_wireHash = GaugeMark(this, names.wireHash);
    winding->addWidget(m_wireHash, 2, 5);
    m_wireDiameter = valueField(names.wireDiameter.value, kWidestNumber);
    winding->addWidget(m_wireDiameter, 2, 6);
    m_wireDiameterUnit = unitCaption(names.wireDiameter.unit);
    winding->addWidget(m_wireDiameterUnit, 2, 7);

    // The second calculation: inductance and XL of a typed number of turns.
    QGroupBox* group = TaggedGroup(this, names.group.name, names.group.tag, shown);
    m_typedTurns = TurnsField(group, names.turnsField, FieldWidth::Pixels(kEntryWidth));
    m_inductanceOfTurns = ResultField(group, names.l2, kWidestNumber, valueLook(Qt::AlignRight | Qt::AlignVCenter));
    // Before the first recompute the unit reads "µH"; the recompute writes the prefix it needs.
    m_inductanceOfTurnsUnit = ReserveWidth(fixed(group, names.l2Unit, "µH"), QStringLiteral("MH "));
    m_reactanceOfTurns = ResultField(group, names.xl2, kWidestNumber, valueLook(Qt::AlignRight | Qt::AlignVCenter));
    m_reactanceOfTurnsPrefix = fixed(group, names.xl2Prefix, "");
    auto* second = new QHBoxLayout(group);
    second->setContentsMargins(8, 4, 8, 6);
    second->setSpacing(4);
    second->addWidget(makeCaption(group, names.turnsCaption, shown));
    second->addWidget(m_typedTurns);
    second->addSpacing(12);
    second->addWidget(m_inductanceOfTurns);
    second->addWidget(m_inductanceOfTurnsUnit);
    second->addSpacing(16);
    second->addWidget(makeCaption(group, names.xl2Caption, shown));
    second->addWidget(m_reactanceOfTurns);
    second->addWidget(m_reactanceOfTurnsPrefix);
    second->addWidget(fixed(group, names.xl2Ohm, "Ω"));
    second->addStretch(1);

    QLabel* footer = caption(names.footer);
    footer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setBold(footer);
    setTextColour(footer, kFooterBlue);

    auto* pageLayout = new QVBoxLayout(this);
    pageLayout->setContentsMargins(8, 6, 8, 4);
    pageLayout->setSpacing(6);
    pageLayout->addLayout(core);
    pageLayout->addSpacing(4);
    pageLayout->addLayout(winding);
    pageLayout->addWidget(group);
    pageLayout->addStretch(1);
    pageLayout->addWidget(footer);

    setUnitLabels(false); // metric until the start-up's unit command

    for (QLineEdit* field : {m_inductance, m_frequency, m_typedTurns}) {
        m_context.keyFilter().attach(field);
        connect(field, &QLineEdit::textChanged, this, [this] { recompute(); });
    }
    for (QComboBox* list : {m_sizeList, m_materialList, m_inductanceUnit, m_frequencyUnit})
        connect(list, &QComboBox::activated, this, [this] { recompute(); });
}

QLabel* CataloguePage::caption(const Caption& caption) { return makeCaption(this, caption, language()); }

ResultLabel* CataloguePage::valueField(const char* name, const QString& widest, Qt::Alignment alignment) {
    return ResultField(this, name, widest, valueLook(alignment));
}

// Wide enough for " AWG", the widest unit of either system, and for its own
// text (the AL units are wider).
QLabel* CataloguePage::unitCaption(const Caption& unit) {
    QLabel* label = caption(unit);
    label->setMinimumWidth(
        std::max(label->minimumSizeHint().width(), label->fontMetrics().horizontalAdvance(kWidestUnit)));
    return label;
}

// caption | value | unit, in three columns of a grid row.
QLabel* CataloguePage::addValueRow(QGridLayout* grid, int row, int column, const ValueRow& names, const QString& widest,
                                   QLabel*& value) {
    grid->addWidget(caption(names.caption), row, column);
    value = valueField(names.value, widest);
    grid->addWidget(value, row, column + 1);
    if (!names.unit.name)
        return nullptr;
    QLabel* unit = unitCaption(names.unit);
    grid->addWidget(unit, row, column + 2);
    return unit;
}

CataloguePageInputs CataloguePage::inputs() const {
    return {{m_sizeList->currentIndex(), m_materialList->currentIndex()},
            {m_inductance->text().toStdString(), m_inductanceUnit->currentIndex(), m_frequency->text().toStdString(),
             m_frequencyUnit->currentIndex(), m_typedTurns->text().toStdString()}};
}

void CataloguePage::showMade(std::optional<bool> made) {
    if (!made)
        return;
    if (m_notAvailable) {
        m_notAvailable->setVisible(!*made);
        setShowHint(m_notAvailable, !*made);
    }
    m_inductance->setEnabled(*made);
}

void CataloguePage::setUnitLabels(bool us) {
    for (QLabel* unit : m_dimensionUnits)
        unit->setText(us ? QStringLiteral(" in") : QStringLiteral(" mm"));
    m_wireLengthUnit->setText(us ? QStringLiteral(" in") : QStringLiteral(" cm"));
    m_wireDiameterUnit->setText(us ? QStringLiteral(" AWG") : QStringLiteral(" mm"));
    m_wireHash->setVisible(us);
}

void CataloguePage::focusSizeList() { m_sizeList->setFocus(); }

report::Report CataloguePage::report() const {
    constexpr int kCore = 2010, kInputs = 2011, kResults = 2012, kSize = 2013, kMaterial = 2014, kNote = 2019;
    const CatalogueNames& n = m_names;
    std::vector<ReportRow> rows{
        {.section = kCore},
        {.value = {n.footer.name}, .named = true},
        {.captionText = kSize, .value = {n.sizes.name}},
        {.captionText = kMaterial, .value = {n.materials.name}},
    };
    for (const ValueRow& dimension : n.dimensions)
        rows.push_back(
            {.caption = {dimension.caption.name}, .value = {dimension.value}, .unit = {dimension.unit.name}});
    rows.push_back({.caption = {n.al.caption.name}, .value = {n.al.value}, .unit = {n.al.unit.name}});
    rows.push_back({.caption = {n.mu.caption.name}, .value = {n.mu.value}});
    for (const ReportRow& row : coreReportRows())
        rows.push_back(row);
    const QByteArray message = m_notAvailable ? m_notAvailable->objectName().toLatin1() : QByteArray();
    if (m_notAvailable)
        rows.push_back({.captionText = kNote, .value = {message.constData()}});
    // clang-format off
    rows.insert(rows.end(), {
        {.section = kInputs},
        {.caption = {n.inductance.caption.name}, .value = {n.inductance.field}, .unit = {n.inductance.unitList}},
        {.caption = {n.frequency.caption.name}, .value = {n.frequency.field}, .unit = {n.frequency.unitList}},
        {.section = kResults},
        {.caption = {n.turns.caption.name}, .value = {n.turns.value}},
        {.caption = {n.wireLength.caption.name}, .value = {n.wireLength.value}, .unit = {n.wireLength.unit.name}},
        {.caption = {n.wireDiameter.caption.name}, .value = {n.wireHash, n.wireDiameter.value},
         .unit = {n.wireDiameter.unit.name}},
        {.caption = {n.xlCaption.name}, .value = {n.xl}, .unit = {n.xlPrefix, n.xlOhm}},
        {.box = n.group.name},
        {.caption = {n.turnsCaption.name}, .value = {n.turnsField}},
        {.caption = {n.inductance.caption.name}, .value = {n.l2}, .unit = {n.l2Unit}},
        {.caption = {n.xl2Caption.name}, .value = {n.xl2}, .unit = {n.xl2Prefix, n.xl2Ohm}},
    });
    // clang-format on
    return MakeReport(*this, rows, language());
}

void CataloguePage::applyUnits() {
    setUnitLabels(usUnits());
    recompute();
}

} // namespace torvex::gui
