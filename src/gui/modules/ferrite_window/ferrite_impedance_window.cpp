// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modules/ferrite_window/ferrite_impedance_window.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <variant>

#include "catalogue/ferrite_ft.h"
#include "ferrite/ft_take_over.h"
#include "ferrite/material_table.h"
#include "modules/ferrite_window/impedance_plot.h"
#include "widgets/builders.h"
#include "widgets/captions.h"
#include "widgets/colours.h"
#include "widgets/hints.h"
#include "widgets/language.h"
#include "widgets/report_table.h"
#include "widgets/result_label.h"
#include "widgets/window_size.h"

namespace torvex::gui {

namespace {

constexpr int kTitleTag = 2100;
constexpr int kImportTitleText = 2186;
constexpr int kImportFilterText = 2187;
constexpr int kUnreadableText = 2436; // "Die Datei „%1“ wurde nicht importiert: ..."

// The engine's result, field by field, and the label that shows it, with its
// caption. The first eight stand in the working-point group, two to a row.
struct ResultBinding {
    std::optional<std::string> FerriteImpedanceShown::*field;
    const char* caption;
    int tag;
    const char* label;
};
// clang-format off
constexpr std::array<ResultBinding, 9> kResults{{
    {&FerriteImpedanceShown::muReal, "muRealCaption", 2134, "muRealLabel"},
    {&FerriteImpedanceShown::muImag, "muImagCaption", 2135, "muImagLabel"},
    {&FerriteImpedanceShown::inductance, "inductanceCaption", 2136, "inductanceLabel"},
    {&FerriteImpedanceShown::quality, "qCaption", 2140, "qLabel"},
    {&FerriteImpedanceShown::resistance, "resistanceCaption", 2137, "resistanceLabel"},
    {&FerriteImpedanceShown::reactance, "reactanceCaption", 2138, "reactanceLabel"},
    {&FerriteImpedanceShown::impedance, "impedanceCaption", 2139, "impedanceLabel"},
    {&FerriteImpedanceShown::resonance, "resonanceCaption", 2141, "resonanceLabel"},
    {&FerriteImpedanceShown::chokeTurns, "chokeTurnsCaption", 2152, "chokeTurnsLabel"},
}};
constexpr std::size_t kChokeResult = 8;

const QString kWidestResult = QStringLiteral("-000.0 MHz");
const QString kWidestNumber = QStringLiteral("00000.000");

// clang-format on

std::string Text(const QLineEdit* field) { return field->text().toStdString(); }

// A caption and what it names side by side, in a grid row.
void AddRow(QGridLayout* grid, int row, int column, QWidget* caption, QWidget* value, QWidget* unit = nullptr) {
    grid->addWidget(caption, row, column);
    grid->addWidget(value, row, column + 1);
    if (unit)
        grid->addWidget(unit, row, column + 2);
}

} // namespace

report::Report FerriteImpedanceWindow::report() const {
    // clang-format off
    static constexpr ReportRow kRows[] = {
        {.box = "coreGroup"},
        {.caption = {"sizeCaption"}, .value = {"sizeList"}},
        {.caption = {"materialCaption"}, .value = {"materialList"}},
        {.caption = {"stackCaption"}, .value = {"stackSpin"}},
        {.value = {"dimensionsLabel"}, .ifAny = true},
        {.box = "windingGroup"},
        {.caption = {"turnsCaption"}, .value = {"turnsField"}},
        {.caption = {"capacitanceCaption"}, .value = {"capacitanceField"}, .unit = {"capacitanceUnit"}},
        {.box = "workingGroup"},
        {.caption = {"frequencyCaption"}, .value = {"frequencyField"}, .unit = {"frequencyUnitList"}},
        {.caption = {"muRealCaption"}, .value = {"muRealLabel"}},
        {.caption = {"muImagCaption"}, .value = {"muImagLabel"}},
        {.caption = {"inductanceCaption"}, .value = {"inductanceLabel"}},
        {.caption = {"qCaption"}, .value = {"qLabel"}},
        {.caption = {"resistanceCaption"}, .value = {"resistanceLabel"}},
        {.caption = {"reactanceCaption"}, .value = {"reactanceLabel"}},
        {.caption = {"impedanceCaption"}, .value = {"impedanceLabel"}},
        {.caption = {"resonanceCaption"}, .value = {"resonanceLabel"}},
        {.box = "chokeGroup"},
        {.caption = {"bandCaption"}, .value = {"bandFromField"}, .unit = {"bandUnit"}},
        {.caption = {"bandToCaption"}, .value = {"bandToField"}, .unit = {"bandUnit"}},
        {.caption = {"targetCaption"}, .value = {"targetField"}, .unit = {"targetUnit"}},
        {.caption = {"chokeTurnsCaption"}, .value = {"chokeTurnsLabel"}},
        {.section = 2019},
        {.value = {"dataMessageLabel"}, .ifAny = true},
        {.value = {"sourceLabel"}, .ifAny = true},
    };
    // clang-format on
    return MakeReport(*this, kRows, m_host.language());
}

FerriteImpedanceWindow::FerriteImpedanceWindow(FerriteWindowHost& host)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_host(host), m_separator(host.decimalSeparator().toStdString()) {
    setObjectName(QLatin1String(kFerriteWindowName));
    setProperty("tag", kTitleTag);
    setProperty("helpContext", kFerriteHelpContext);

    loadKeptMaterials();
    createControls();
    layOut();
    showDefaults();
    connectInputs();
    LinkCaptionsToFields(this);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    // The plot fills what room the controls leave, so only their texts
    // decide the size; the chart lays its titles out once, below.
    KeepLargestSize(
        this, {[this] { applyControlTexts(Language::German); }, [this] { applyControlTexts(Language::English); }});
    applyLanguage(m_host.language());
    m_host.followSettings(this, [this](FerriteWindowHost::Change what) { followSettings(what); });
    recompute();
}

// Tables that no longer read (the kept settings were edited by hand) are
// left out; the next import keeps only those that read.
void FerriteImpedanceWindow::loadKeptMaterials() {
    for (const QString& text : m_host.keptMaterials()) {
        const QByteArray bytes = text.toUtf8();
        auto read = ReadMaterialTable(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        if (auto* table = std::get_if<MaterialTable>(&read))
            m_materials.add(std::move(*table));
    }
}

void FerriteImpedanceWindow::createControls() {
    const Language shown = m_host.language();
    auto numeric = [this](QWidget* parent, const char* name, int tag, const QString& widest) {
        QLineEdit* field = EntryField(parent, name, FieldWidth::Fitting(widest), tag);
        field->installEventFilter(m_host.keyFilter());
        return field;
    };
    QStringList materials;
    for (const std::string& name : m_materials.names())
        materials << Utf8(name);

    m_coreGroup = TaggedGroup(this, "coreGroup", 2110, shown);
    m_sizeList = SelectionList(m_coreGroup, "sizeList", RowNames(FtSizeTable), 0, 2112, int(FtSizeTable.size()));
    m_materialList = SelectionList(m_coreGroup, "materialList", materials, 0, 2114);
    m_stack = make<QSpinBox>(m_coreGroup, "stackSpin", 2116);
    m_stack->setRange(kFewestRings, kMostRings);
    paint(m_stack, Paint::Entry);
    m_dimensions = FixedCaption(m_coreGroup, "dimensionsLabel");

    m_windingGroup = TaggedGroup(this, "windingGroup", 2120, shown);
    m_turns = numeric(m_windingGroup, "turnsField", 2122, kWidestNumber);
    m_capacitance = numeric(m_windingGroup, "capacitanceField", 2124, kWidestNumber);

    m_workingGroup = TaggedGroup(this, "workingGroup", 2130, shown);
    m_frequency = numeric(m_workingGroup, "frequencyField", 2132, kWidestNumber);
    m_frequencyUnit = SelectionList(m_workingGroup, "frequencyUnitList", ListTexts(FerriteFrequencyUnitNames), 1, 2133);

    m_chokeGroup = TaggedGroup(this, "chokeGroup", 2145, shown);
    m_bandFrom = numeric(m_chokeGroup, "bandFromField", 2147, kWidestNumber);
    m_bandTo = numeric(m_chokeGroup, "bandToField", 2149, kWidestNumber);
    m_target = numeric(m_chokeGroup, "targetField", 2151, kWidestNumber);

    for (std::size_t i = 0; i < kResults.size(); ++i) {
        QWidget* group = i == kChokeResult ? m_chokeGroup : m_workingGroup;
        TaggedCaption(group, kResults[i].caption, kResults[i].tag, shown);
        m_results[i] = ResultField(group, kResults[i].label, kWidestResult, {.padding = 12, .margin = 2});
    }

    m_plot = make<ImpedancePlot>(this, "impedancePlot");

    // Why a value is missing: red on the tooltip colours, like the pages'
    // not-available message, but a line of its own that is empty when
    // nothing is missing.
    m_dataMessage = make<QLabel>(this, "dataMessageLabel");
    paint(m_dataMessage, Paint::Message);
    m_dataMessage->setAutoFillBackground(false);
    m_dataMessage->setWordWrap(true);
    m_dataMessage->setMargin(3);
    m_dataMessage->setMinimumHeight(2 * m_dataMessage->fontMetrics().lineSpacing() + 8);
    m_dataMessage->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_import = make<QPushButton>(this, "importButton", 2155);
    m_source = make<QLabel>(this, "sourceLabel");
    m_source->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_source->setForegroundRole(QPalette::Link);
    QFont bold = m_source->font();
    bold.setBold(true);
    m_source->setFont(bold);
}

void FerriteImpedanceWindow::layOut() {
    const Language shown = m_host.language();
    auto caption = [shown](QWidget* group, const char* name, int tag) {
        return TaggedCaption(group, name, tag, shown);
    };
    auto unit = [](QWidget* group, const char* name, const char* text) {
        return FixedCaption(group, name, QString::fromUtf8(text));
    };

    auto* core = new QGridLayout(m_coreGroup);
    AddRow(core, 0, 0, caption(m_coreGroup, "sizeCaption", 2111), m_sizeList);
    AddRow(core, 0, 2, caption(m_coreGroup, "materialCaption", 2113), m_materialList);
    AddRow(core, 0, 4, caption(m_coreGroup, "stackCaption", 2115), m_stack);
    core->addWidget(m_dimensions, 1, 0, 1, 6);
    core->setColumnStretch(6, 1);

    auto* winding = new QGridLayout(m_windingGroup);
    AddRow(winding, 0, 0, caption(m_windingGroup, "turnsCaption", 2121), m_turns);
    AddRow(winding, 0, 2, caption(m_windingGroup, "capacitanceCaption", 2123), m_capacitance,
           unit(m_windingGroup, "capacitanceUnit", "pF"));
    winding->setColumnStretch(5, 1);

    auto* working = new QGridLayout(m_workingGroup);
    auto* frequency = new QHBoxLayout;
    frequency->addWidget(m_frequency);
    frequency->addWidget(m_frequencyUnit);
    frequency->addStretch();
    working->addWidget(caption(m_workingGroup, "frequencyCaption", 2131), 0, 0);
    working->addLayout(frequency, 0, 1, 1, 3);
    for (std::size_t i = 0; i < kChokeResult; ++i) {
        const int row = 1 + int(i) / 2;
        const int column = 2 * (int(i) % 2);
        AddRow(working, row, column, m_workingGroup->findChild<QLabel*>(QLatin1String(kResults[i].caption)),
               m_results[i]);
    }
    working->setColumnMinimumWidth(2, 70);

    auto* choke = new QGridLayout(m_chokeGroup);
    auto* band = new QHBoxLayout;
    band->addWidget(m_bandFrom);
    band->addWidget(caption(m_chokeGroup, "bandToCaption", 2148));
    band->addWidget(m_bandTo);
    band->addWidget(unit(m_chokeGroup, "bandUnit", "MHz"));
    band->addStretch();
    choke->addWidget(caption(m_chokeGroup, "bandCaption", 2146), 0, 0);
    choke->addLayout(band, 0, 1, 1, 3);
    auto* target = new QHBoxLayout;
    target->addWidget(m_target);
    target->addWidget(unit(m_chokeGroup, "targetUnit", "Ω"));
    target->addStretch();
    choke->addWidget(caption(m_chokeGroup, "targetCaption", 2150), 1, 0);
    choke->addLayout(target, 1, 1);
    AddRow(choke, 1, 2, m_chokeGroup->findChild<QLabel*>(QLatin1String(kResults[kChokeResult].caption)),
           m_results[kChokeResult]);

    auto* inputs = new QVBoxLayout;
    for (QGroupBox* group : {m_coreGroup, m_windingGroup, m_workingGroup, m_chokeGroup})
        inputs->addWidget(group);
    inputs->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addWidget(m_plot, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_import);
    bottom->addStretch();
    bottom->addWidget(m_source);

    auto* window = new QVBoxLayout(this);
    window->addLayout(top);
    window->addWidget(m_dataMessage);
    window->addLayout(bottom);
}

// The help's worked example at the first opening, unless the ferrite page
// hands its values over when the window is shown.
void FerriteImpedanceWindow::showDefaults() {
    const FerriteImpedanceInput in = DefaultFerriteImpedanceInput(m_materials, settings());
    m_sizeList->setCurrentIndex(in.size);
    m_materialList->setCurrentIndex(in.material);
    m_stack->setValue(in.rings);
    m_frequencyUnit->setCurrentIndex(in.frequencyUnit);
    const std::pair<QLineEdit*, const std::string*> texts[] = {
        {m_turns, &in.turns},       {m_frequency, &in.frequency}, {m_capacitance, &in.capacitance},
        {m_bandFrom, &in.bandFrom}, {m_bandTo, &in.bandTo},       {m_target, &in.target},
    };
    for (const auto& [field, text] : texts)
        field->setText(Utf8(*text));
}

void FerriteImpedanceWindow::connectInputs() {
    for (QLineEdit* field : {m_turns, m_capacitance, m_frequency, m_bandFrom, m_bandTo, m_target})
        connect(field, &QLineEdit::textChanged, this, &FerriteImpedanceWindow::recompute);
    // Only a choice of the user; the program's own selections recompute once
    // when they are all made.
    for (QComboBox* list : {m_sizeList, m_materialList, m_frequencyUnit})
        connect(list, &QComboBox::activated, this, &FerriteImpedanceWindow::recompute);
    connect(m_stack, &QSpinBox::valueChanged, this, &FerriteImpedanceWindow::recompute);
    connect(m_import, &QPushButton::clicked, this, &FerriteImpedanceWindow::importMaterial);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] { m_host.showHelp(kFerriteHelpContext); });
}

void FerriteImpedanceWindow::followSettings(FerriteWindowHost::Change what) {
    switch (what) {
    case FerriteWindowHost::Change::Language:
        // The engine's messages and the plot's texts are in the language too.
        applyLanguage(m_host.language());
        recompute();
        break;
    case FerriteWindowHost::Change::Units:
        m_dimensions->setText(Utf8(FtSizeDimensions(m_sizeList->currentIndex(), settings())));
        break;
    case FerriteWindowHost::Change::DecimalSeparator:
        // Typed texts stay as they are; the key filter asks at every key.
        m_separator = m_host.decimalSeparator().toStdString();
        break;
    }
}

void FerriteImpedanceWindow::applyLanguage(Language language) {
    applyControlTexts(language);
    m_plot->setLanguage(language);
}

void FerriteImpedanceWindow::applyControlTexts(Language language) {
    ApplyLanguage({this}, language);
    const QString source = Utf8(MaterialDataSource(language));
    m_source->setText(source);
    setHint(m_source, source + QStringLiteral(" | ") + Utf8(MaterialDataRevision(language)));
}

torvex::Settings FerriteImpedanceWindow::settings() const { return {m_separator, m_host.units(), m_host.language()}; }

FerriteImpedanceInput FerriteImpedanceWindow::input() const {
    FerriteImpedanceInput in;
    in.size = m_sizeList->currentIndex();
    in.material = m_materialList->currentIndex();
    in.rings = m_stack->value();
    in.turns = Text(m_turns);
    in.frequency = Text(m_frequency);
    in.frequencyUnit = m_frequencyUnit->currentIndex();
    in.capacitance = Text(m_capacitance);
    in.bandFrom = Text(m_bandFrom);
    in.bandTo = Text(m_bandTo);
    in.target = Text(m_target);
    return in;
}

void FerriteImpedanceWindow::recompute() {
    const torvex::Settings shown = settings();
    const FerriteImpedanceOutcome outcome = FerriteImpedance(input(), m_materials, shown);
    m_dimensions->setText(Utf8(FtSizeDimensions(m_sizeList->currentIndex(), shown)));
    // A field the engine did not reach keeps its text.
    for (std::size_t i = 0; i < kResults.size(); ++i)
        if (const std::optional<std::string>& text = outcome.shown.*kResults[i].field)
            m_results[i]->setText(Utf8(*text));
    if (outcome.shown.dataMessage)
        showDataMessage(*outcome.shown.dataMessage);
    if (outcome.curves)
        m_plot->showCurves(*outcome.curves);
    if (outcome.error)
        m_host.showError(Utf8(outcome.error->message()));
}

void FerriteImpedanceWindow::showDataMessage(const std::string& message) {
    m_dataMessage->setText(Utf8(message));
    m_dataMessage->setAutoFillBackground(!message.empty());
}

void FerriteImpedanceWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Spontaneous: the desktop shows it again (after minimising), no opening.
    if (event->spontaneous())
        return;
    if (const std::optional<FtPageState> page = m_host.ftPageInFront())
        takeOver(*page);
}

void FerriteImpedanceWindow::takeOver(const FtPageState& page) {
    const FtTakeOver take = TakeOverFtPage(page, m_materials, settings());
    {
        const QSignalBlocker turns(m_turns);
        const QSignalBlocker frequency(m_frequency);
        if (take.size)
            m_sizeList->setCurrentIndex(*take.size);
        if (take.material)
            m_materialList->setCurrentIndex(*take.material);
        if (take.turns)
            m_turns->setText(Utf8(*take.turns));
        if (take.frequency)
            m_frequency->setText(Utf8(*take.frequency));
        if (take.frequencyUnit)
            m_frequencyUnit->setCurrentIndex(*take.frequencyUnit);
    }
    recompute();
}

void FerriteImpedanceWindow::importMaterial() {
    const Language language = m_host.language();
    const QString path =
        m_host.chooseMaterialFile(this, TableText(kImportTitleText, language), TableText(kImportFilterText, language));
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    auto unreadable = [&] { m_host.showError(TableText(kUnreadableText, language).arg(name)); };
    // Only a plain file: a device or a pipe could block or never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return unreadable();
    // One byte more than a table may have, so that the reader can tell a file
    // that is too large without the program reading all of it.
    const QByteArray bytes = file.read(qint64(kMaxTableBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return unreadable();

    auto read = ReadMaterialTable(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (const auto* error = std::get_if<TableError>(&read)) {
        m_host.showError(Utf8(TableErrorMessage(*error, name.toStdString(), language)));
        return;
    }
    const int position = m_materials.add(std::move(std::get<MaterialTable>(read)));
    m_materialList->addItem(Utf8(m_materials.at(position)->name));
    m_materialList->setCurrentIndex(position);
    keepImported();
    recompute();
}

void FerriteImpedanceWindow::keepImported() {
    QStringList tables;
    for (const MaterialTable& table : m_materials.imported())
        tables << Utf8(WriteMaterialTable(table));
    m_host.keepMaterials(tables);
}

} // namespace torvex::gui
