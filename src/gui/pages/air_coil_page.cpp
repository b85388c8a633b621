#include "pages/air_coil_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <initializer_list>

#include "calc/air_coil.h"
#include "calc/straight_conductor.h"
#include "format/wire_gauge.h"
#include "pages/air_coil_controls.h"
#include "widgets/decimal_key_filter.h"

namespace torvex::gui {

using namespace aircore;

namespace {

// One column of a group: a caption above, and below it the input or result
// with what stands beside it. Names of widgets already created in the group.
struct Column {
    const char* caption; // may be null
    std::initializer_list<const char*> below;
};

// Lays the columns out from the left; the columns after them are free for
// what the group shows beside them.
QGridLayout* layOutColumns(QGroupBox* group, std::initializer_list<Column> columns) {
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    int column = 0;
    for (const Column& c : columns) {
        if (c.caption)
            grid->addWidget(group->findChild<QWidget*>(QLatin1String(c.caption)), 0, column, Qt::AlignBottom);
        auto* cell = new QHBoxLayout;
        cell->setSpacing(2);
        for (const char* name : c.below)
            cell->addWidget(group->findChild<QWidget*>(QLatin1String(name)));
        cell->addStretch();
        grid->addLayout(cell, 1, column);
        ++column;
    }
    return grid;
}

} // namespace

AirCoilPage::AirCoilPage(MainContext& context, QWidget* parent) : Page(context, "TabSheet5", 265, 46, parent) {
    createTurnsGroup();
    createInductanceGroup();
    createStraightGroup();

    auto* page = new QVBoxLayout(this);
    page->setSpacing(4);
    page->addWidget(m_turnsGroup);
    page->addWidget(m_inductanceGroup);
    page->addWidget(m_straightGroup);
    page->addStretch();

    connectInputs();
}

void AirCoilPage::createTurnsGroup() {
    const int language = m_context.state().languageOffset;
    m_turnsGroup = make<QGroupBox>(this, "GroupBox4", 304);
    m_turnsGroup->setTitle(tableText(304, language));
    QGroupBox* g = m_turnsGroup;

    m_wanted = entryField(g, "Edit14", 6);
    m_wantedUnit = unitList(g, "ComboBox11", InductanceUnitNames, 1);
    m_turnsDiameter = entryField(g, "Edit15", 6);
    m_turnsLength = entryField(g, "Edit16", 6);
    for (auto [name, tag] : {std::pair{"Label153", 153}, {"Label108", 108}, {"Label106", 106}, {"Label105", 105},
                             {"Label177", 177}})
        captionLabel(g, name, tag, language);
    fixedLabel(g, "Label107", "D");
    fixedLabel(g, "Label163", "=>");
    reserveWidth(fixedLabel(g, "Label109", " mm"), " mm");
    reserveWidth(fixedLabel(g, "Label110", " mm"), " mm");
    resultLabel(g, "Label104", "0000.0");
    resultLabel(g, "Label52", "000.000");
    reserveWidth(fixedLabel(g, "Label55", " cm"), " mm");
    gaugeMark(g, "Label241");
    resultLabel(g, "Label178", "000.000");
    reserveWidth(fixedLabel(g, "Label179", " cm"), " AWG");

    QGridLayout* grid = layOutColumns(g, {{"Label153", {"Edit14", "ComboBox11"}},
                                          {"Label107", {"Edit15", "Label109"}},
                                          {"Label108", {"Edit16", "Label110"}},
                                          {nullptr, {"Label163"}}});
    // The three results stand one below the other, their captions before them.
    auto* results = new QGridLayout;
    results->setHorizontalSpacing(4);
    results->setVerticalSpacing(2);
    const char* const resultRows[3][4] = {{"Label106", nullptr, "Label104", nullptr},
                                          {"Label105", nullptr, "Label52", "Label55"},
                                          {"Label177", "Label241", "Label178", "Label179"}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            if (const char* name = resultRows[row][column])
                results->addWidget(g->findChild<QWidget*>(QLatin1String(name)), row, column);
    const int beside = grid->columnCount();
    grid->addLayout(results, 0, beside, 3, 1);
    grid->setColumnStretch(beside + 1, 1);
    grid->setRowStretch(2, 1);
}

void AirCoilPage::createInductanceGroup() {
    const int language = m_context.state().languageOffset;
    m_inductanceGroup = make<QGroupBox>(this, "GroupBox3", 303);
    m_inductanceGroup->setTitle(tableText(303, language));
    QGroupBox* g = m_inductanceGroup;

    m_turns = entryField(g, "Edit8", 6);
    m_coilDiameter = entryField(g, "Edit9", 6);
    m_coilLength = entryField(g, "Edit10", 6);
    for (auto [name, tag] : {std::pair{"Label58", 58}, {"Label60", 60}, {"Label61", 61}})
        captionLabel(g, name, tag, language);
    fixedLabel(g, "Label59", "D");
    fixedLabel(g, "Label162", "=>");
    reserveWidth(fixedLabel(g, "Label63", " mm"), " mm");
    reserveWidth(fixedLabel(g, "Label64", " mm"), " mm");
    resultLabel(g, "Label57", "-000.000");
    // Shows the inductance unit from the first result on.
    reserveWidth(fixedLabel(g, "Label62", " µH"), " mH");

    QGridLayout* grid = layOutColumns(g, {{"Label58", {"Edit8"}},
                                          {"Label59", {"Edit9", "Label63"}},
                                          {"Label60", {"Edit10", "Label64"}},
                                          {nullptr, {"Label162"}},
                                          {"Label61", {"Label57", "Label62"}}});
    grid->setColumnStretch(grid->columnCount(), 1);
}

void AirCoilPage::createStraightGroup() {
    const int language = m_context.state().languageOffset;
    m_straightGroup = make<QGroupBox>(this, "GroupBox7", 307);
    m_straightGroup->setTitle(tableText(307, language));
    QGroupBox* g = m_straightGroup;

    // Starts as the metric typed field; the unit switch sets it up for good.
    m_wire = make<QComboBox>(g, "ComboBox21");
    m_wire->setEditable(true);
    m_wire->setInsertPolicy(QComboBox::NoInsert);
    m_wire->setFixedWidth(m_wire->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 40);
    setBackground(m_wire, kEntryLime);
    m_wireLength = entryField(g, "Edit23", 6);
    m_withoutSkin = make<QRadioButton>(g, "RadioButton1", 223);
    m_withoutSkin->setText(tableText(223, language));
    m_withoutSkin->setChecked(true);
    m_withSkin = make<QRadioButton>(g, "RadioButton2", 222);
    m_withSkin->setText(tableText(222, language));
    for (auto [name, tag] : {std::pair{"Label174", 174}, {"Label175", 175}})
        captionLabel(g, name, tag, language);
    fixedLabel(g, "Label173", "D");
    fixedLabel(g, "Label176", "=>");
    gaugeMark(g, "Label246");
    reserveWidth(fixedLabel(g, "Label169", " mm"), " AWG");
    reserveWidth(fixedLabel(g, "Label172", " mm"), " mm");
    resultLabel(g, "Label170", "00000.0");
    fixedLabel(g, "Label171", " nH");

    QGridLayout* grid = layOutColumns(g, {{"Label173", {"Label246", "ComboBox21", "Label169"}},
                                          {"Label174", {"Edit23", "Label172"}},
                                          {nullptr, {"Label176"}},
                                          {"Label175", {"Label170", "Label171"}}});
    // The two options stand at the right, one above the other.
    const int options = grid->columnCount() + 1;
    grid->setColumnStretch(options - 1, 1);
    grid->addWidget(m_withoutSkin, 0, options);
    grid->addWidget(m_withSkin, 1, options);
}

void AirCoilPage::connectInputs() {
    for (QLineEdit* field :
         {m_wanted, m_turnsDiameter, m_turnsLength, m_turns, m_coilDiameter, m_coilLength, m_wireLength})
        m_context.keyFilter().attach(field);
    m_context.keyFilter().attach(m_wire);

    for (QLineEdit* field : {m_wanted, m_turnsDiameter, m_turnsLength})
        connect(field, &QLineEdit::textChanged, this, &AirCoilPage::Edit14Change);
    connect(m_wantedUnit, &QComboBox::activated, this, &AirCoilPage::Edit14Change);

    for (QLineEdit* field : {m_turns, m_coilDiameter, m_coilLength})
        connect(field, &QLineEdit::textChanged, this, &AirCoilPage::Edit8Change);

    connect(m_wire, &QComboBox::editTextChanged, this, &AirCoilPage::ComboBox21Change);
    connect(m_wire, &QComboBox::activated, this, &AirCoilPage::ComboBox21Change);
    connect(m_wireLength, &QLineEdit::textChanged, this, &AirCoilPage::ComboBox21Change);
    // Clicking the option already chosen recomputes too.
    connect(m_withoutSkin, &QRadioButton::clicked, this, &AirCoilPage::ComboBox21Change);
    connect(m_withSkin, &QRadioButton::clicked, this, &AirCoilPage::ComboBox21Change);
}

void AirCoilPage::Edit14Change() {
    const CoilTurnsInputs in{fieldText(m_wanted), m_wantedUnit->currentIndex(), fieldText(m_turnsDiameter),
                             fieldText(m_turnsLength)};
    apply(RecomputeCoilTurns(in, environment()));
}

void AirCoilPage::Edit8Change() {
    const CoilInductanceInputs in{fieldText(m_turns), fieldText(m_coilDiameter), fieldText(m_coilLength)};
    apply(RecomputeCoilInductance(in, environment()));
}

void AirCoilPage::ComboBox21Change() {
    const StraightConductorInputs in{m_wire->currentText().toStdString(), m_wire->currentIndex(),
                                     fieldText(m_wireLength), m_withSkin->isChecked()};
    apply(RecomputeStraightConductor(in, environment()));
}

void AirCoilPage::setLabel(const char* name, const char* text) {
    findChild<QLabel*>(QLatin1String(name))->setText(QString::fromUtf8(text));
}

void AirCoilPage::setShown(const char* name, bool shown) {
    findChild<QLabel*>(QLatin1String(name))->setVisible(shown);
}

void AirCoilPage::applyCylinderUnits(bool usUnits) {
    setLabel("Label109", usUnits ? " in" : " mm");
    setLabel("Label110", usUnits ? " in" : " mm");
    setLabel("Label55", usUnits ? " ft" : " cm");
    setLabel("Label179", usUnits ? " AWG" : " cm");
    setShown("Label241", usUnits);
    Edit14Change();

    setLabel("Label63", usUnits ? " in" : " mm");
    setLabel("Label64", usUnits ? " in" : " mm");
    Edit8Change();
}

void AirCoilPage::applyStraightUnits(bool usUnits) {
    if (usUnits) {
        {
            // Filling the list is the program's doing, not a change by the user.
            const QSignalBlocker quiet(m_wire);
            m_wire->clear();
            m_wire->setEditable(false);
            m_wire->addItems(m_context.state().awgNames);
            m_wire->setCurrentIndex(kDefaultGaugeIndex);
        }
        setLabel("Label169", " AWG");
        setShown("Label246", true);
        setBackground(m_wire, kListYellow);
        setLabel("Label172", " in");
    } else {
        setLabel("Label169", " mm");
        {
            const QSignalBlocker quiet(m_wire);
            m_wire->clear();
            m_wire->setEditable(true);
            m_wire->clearEditText();
        }
        // Becoming editable gives the list a new line edit; the filter goes
        // on it as on the first one.
        m_context.keyFilter().attach(m_wire);
        setBackground(m_wire, kEntryLime);
        setShown("Label246", false);
        setLabel("Label172", " mm");
    }
    m_wireLength->clear();
    ComboBox21Change();
}

} // namespace torvex::gui
