#include "pages/unknown_core_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "calc/unknown_core.h"
#include "tools/al_permeability_window.h"
#include "widgets/builders.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

struct Caption {
    const char* name;
    int tag;
};
// Captions from the text table.
constexpr Caption kCaptions[] = {
    {"Label168", 168}, // AL value
    {"Label48", 48},   // Da
    {"Label47", 47},   // Di
    {"Label51", 51},   // inductance
    {"Label230", 230}, // working frequency
    {"Label54", 54},   // turns
    {"Label159", 159}, // max. D (wire)
    {"Label158", 158}, // length (wire)
};

struct Fixed {
    const char* name;
    const char* text;
};
// Captions and unit texts that are the same in both languages. The unit
// labels Label166 and Label167 change with the measurement system; Label53
// and the prefixes are rewritten by every recompute.
constexpr Fixed kFixedTexts[] = {
    {"Label44", "h"},      {"Label45", " mm"},    {"Label46", " mm"},  {"Label157", " mm"},
    {"Label232", "=>"},    {"Label231", "XL ="},  {"Label234", "Ω"},
    {"Label166", " mm"},   {"Label167", " cm"},   {"Label235", ""},    {"Label160", "N"},
    {"Label161", "=>"},    {"Label53", "µH"},     {"Label237", "XL = "}, {"Label239", ""},
    {"Label238", "Ω"},
};

struct Result {
    const char* name;
    const char* widest; // sizes the field
};
constexpr Result kResults[] = {
    {"Label49", "00000"},     // turns
    {"Label31", "000.00"},    // largest wire: mm or gauge
    {"Label43", "0000.000"},  // wire length
    {"Label233", "-000.000"}, // XL
    {"Label50", "-000.000"},  // inductance of the typed turns
    {"Label236", "-000.000"}, // its XL
};

// SI prefixes and the "µH" unit take the width of their widest text, so the
// ohm signs do not move while the user types.
constexpr Result kPrefixes[] = {{"Label235", "M"}, {"Label239", "M"}, {"Label53", "mH"}};

std::string fieldText(const QLineEdit* field) { return field->text().toStdString(); }

} // namespace

UnknownCorePage::UnknownCorePage(PageContext& context, QWidget* parent) : Page(context, "TabSheet4", 264, 45, parent) {
    createControls();
    layOut();
    connectInputs();
}

void UnknownCorePage::createControls() {
    const Language shown = language();
    const FieldWidth wide = FieldWidth::Digits(8);
    const FieldWidth narrow = FieldWidth::Digits(6);

    m_al = EntryField(this, "Edit20", wide, 470);
    m_alUnit = SelectionList(this, "ComboBox7", ListTexts(AlUnitNames), 0, 407);
    m_inductance = EntryField(this, "Edit4", wide);
    m_inductanceUnit = SelectionList(this, "ComboBox8", ListTexts(InductanceUnitNames), 1);
    m_da = EntryField(this, "Edit6", narrow);
    m_di = EntryField(this, "Edit7", narrow);
    m_h = EntryField(this, "Edit21", narrow);
    m_frequency = EntryField(this, "Edit27", wide);
    m_frequencyUnit = SelectionList(this, "ComboBox20", ListTexts(FrequencyUnitNames), 1);

    m_takeAl = make<QPushButton>(this, "BitBtn1", 321);
    m_takeAl->setText(TableText(321, shown));
    m_takeDimensions = make<QPushButton>(this, "BitBtn2", 322);
    m_takeDimensions->setText(TableText(322, shown));

    m_turnsGroup = TaggedGroup(this, "GroupBox2", 302, shown);
    m_turns = TurnsField(this, "Edit5", wide);

    for (const Caption& c : kCaptions)
        TaggedCaption(this, c.name, c.tag, shown);
    for (const Fixed& f : kFixedTexts)
        FixedCaption(this, f.name, QString::fromUtf8(f.text));
    for (const Result& r : kResults)
        ResultField(this, r.name, QString::fromUtf8(r.widest), {.padding = 8});
    for (const Result& p : kPrefixes)
        ReserveWidth(findChild<QLabel*>(QLatin1String(p.name)), QString::fromUtf8(p.widest));
    m_gaugeMark = GaugeMark(this, "Label245");
    m_wireUnit = findChild<QLabel*>(QStringLiteral("Label166"));
    m_lengthUnit = findChild<QLabel*>(QStringLiteral("Label167"));
}

void UnknownCorePage::layOut() {
    auto w = [this](const char* name) { return findChild<QWidget*>(QLatin1String(name)); };

    // The core: AL with its unit, the three dimensions, and the two buttons
    // that take them over from the AL-and-µi window.
    auto* core = new QGridLayout;
    auto* alRow = new QHBoxLayout;
    for (QWidget* widget : {w("Label168"), static_cast<QWidget*>(m_al), static_cast<QWidget*>(m_alUnit)})
        alRow->addWidget(widget);
    alRow->addStretch();
    core->addLayout(alRow, 0, 0);
    core->addWidget(m_takeAl, 0, 1);
    auto* dimensions = new QHBoxLayout;
    const char* const dimensionNames[3][3] = {
        {"Label48", "Edit6", "Label45"}, {"Label47", "Edit7", "Label46"}, {"Label44", "Edit21", "Label157"}};
    for (const auto& row : dimensionNames) {
        for (const char* name : row)
            dimensions->addWidget(w(name));
        dimensions->addSpacing(8);
    }
    dimensions->addStretch();
    core->addLayout(dimensions, 1, 0);
    core->addWidget(m_takeDimensions, 1, 1);

    // Wanted inductance and frequency => turns, wire, length and XL.
    auto* inputs = new QGridLayout;
    inputs->addWidget(w("Label51"), 0, 0);
    inputs->addWidget(m_inductance, 0, 1);
    inputs->addWidget(m_inductanceUnit, 0, 2);
    inputs->addWidget(w("Label230"), 1, 0);
    inputs->addWidget(m_frequency, 1, 1);
    inputs->addWidget(m_frequencyUnit, 1, 2);
    inputs->setRowStretch(2, 1);

    auto* results = new QGridLayout;
    results->setHorizontalSpacing(4);
    const char* const resultRows[4][5] = {
        {"Label54", nullptr, "Label49", nullptr, nullptr},
        {"Label159", "Label245", "Label31", "Label166", nullptr},
        {"Label158", nullptr, "Label43", "Label167", nullptr},
        {"Label231", nullptr, "Label233", "Label235", "Label234"},
    };
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 5; ++column)
            if (const char* name = resultRows[row][column])
                results->addWidget(w(name), row, column, column == 1 ? Qt::AlignRight : Qt::Alignment());
    results->setColumnMinimumWidth(1, 12);
    results->setColumnStretch(5, 1);

    auto* calculation = new QHBoxLayout;
    calculation->addLayout(inputs);
    calculation->addSpacing(8);
    calculation->addWidget(w("Label232"), 0, Qt::AlignTop);
    calculation->addSpacing(8);
    calculation->addLayout(results, 1);

    // Inductance and XL of a typed number of turns.
    auto* second = new QHBoxLayout(m_turnsGroup);
    const char* const secondRow[] = {"Label160", "Edit5",   "Label161", "Label50", "Label53",
                                     "Label237", "Label236", "Label239", "Label238"};
    for (const char* name : secondRow) {
        second->addWidget(w(name));
        if (qstrcmp(name, "Label53") == 0)
            second->addSpacing(16);
    }
    second->addStretch();

    auto* page = new QVBoxLayout(this);
    page->addLayout(core);
    page->addSpacing(12);
    page->addLayout(calculation);
    page->addSpacing(12);
    page->addWidget(m_turnsGroup);
    page->addStretch();
}

void UnknownCorePage::connectInputs() {
    for (QLineEdit* field : {m_al, m_inductance, m_da, m_di, m_h, m_frequency, m_turns}) {
        m_context.keyFilter().attach(field);
        connect(field, &QLineEdit::textChanged, this, &UnknownCorePage::recompute);
    }
    for (QComboBox* list : {m_alUnit, m_inductanceUnit, m_frequencyUnit})
        connect(list, &QComboBox::activated, this, &UnknownCorePage::recompute);
    connect(m_takeAl, &QPushButton::clicked, this, &UnknownCorePage::copyAlFromTool);
    connect(m_takeDimensions, &QPushButton::clicked, this, &UnknownCorePage::copyDimensionsFromTool);
}

void UnknownCorePage::recompute() {
    const UnknownCoreInputs in{fieldText(m_al),        m_alUnit->currentIndex(),
                               fieldText(m_inductance), m_inductanceUnit->currentIndex(),
                               fieldText(m_da),        fieldText(m_di),
                               fieldText(m_h),         fieldText(m_frequency),
                               m_frequencyUnit->currentIndex(), fieldText(m_turns)};
    apply(RecomputeUnknownCore(in, environment()));
}

void UnknownCorePage::applyUnits() {
    const bool us = usUnits();
    m_wireUnit->setText(us ? QStringLiteral(" AWG") : QStringLiteral(" mm"));
    m_lengthUnit->setText(us ? QStringLiteral(" in") : QStringLiteral(" cm"));
    m_gaugeMark->setVisible(us);
    recompute();
}

// The AL field receives the tool window's AL (in nH/N², so the unit goes back
// to "nH/N²"). The text and the unit change together and the page is
// recomputed once, so a take-over reports a failure at most once and never
// leaves results that belong to the old unit.
void UnknownCorePage::copyAlFromTool() {
    const std::string shown = m_context.alPermeabilityWindow().alText().toStdString();
    {
        const QSignalBlocker quiet(m_al);
        m_al->setText(Utf8(TakeOverAlText(shown, environment().decimalSeparator)));
    }
    m_alUnit->setCurrentIndex(0);
    recompute();
}

// The dimensions are copied as typed there (before its coating correction),
// all three before the one recompute, so a text that is not a number is
// reported once rather than once per copied field.
void UnknownCorePage::copyDimensionsFromTool() {
    const AlPermeabilityWindow::Dimensions typed = m_context.alPermeabilityWindow().dimensionTexts();
    const std::pair<QLineEdit*, const QString&> copies[] = {{m_da, typed.da}, {m_di, typed.di}, {m_h, typed.h}};
    for (const auto& [field, text] : copies) {
        const QSignalBlocker quiet(field);
        field->setText(text);
    }
    recompute();
}

} // namespace torvex::gui
