#include "tools/tool_windows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "calc/copper_resistance.h"
#include "widgets/colours.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/make.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

constexpr int kDefaultGauge = 23; // "20"

int roomFor(const QWidget* w, const QString& widest) { return w->fontMetrics().horizontalAdvance(widest) + 12; }

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int tag = 0) {
    auto* label = make<QLabel>(parent, name, tag);
    label->setText(text);
    return label;
}

} // namespace

TForm4::TForm4(MainContext& context) : ToolWindow(context, "TForm4", 354, 52) {
    createControls();
    connectInputs();
    // Set up for the system chosen at start-up; nothing is computed yet.
    configureUnits(m_context.state().usLocale);
    finishCreation();
}

void TForm4::createControls() {
    // Inputs: length, diameter, temperature.
    auto* lengthCaption = makeLabel(this, "Label1", QString(), 241);
    m_length = make<QLineEdit>(this, "Edit1");
    setBackground(m_length, kEntryLime);
    const int fieldWidth = roomFor(m_length, QStringLiteral("000000.000"));
    m_length->setFixedWidth(fieldWidth);
    m_context.keyFilter().attach(m_length);
    m_lengthUnit = make<QComboBox>(this, "ComboBox1");
    setBackground(m_lengthUnit, kListYellow);

    auto* diameterCaption = makeLabel(this, "Label6", QStringLiteral("D"));
    m_gaugeMark = makeLabel(this, "Label2", QStringLiteral("# "));
    m_diameter = make<QComboBox>(this, "ComboBox2");
    m_diameter->setInsertPolicy(QComboBox::NoInsert); // a typed diameter never becomes a list entry
    m_diameter->setFixedWidth(fieldWidth);
    m_diameterUnit = makeLabel(this, "Label7", QStringLiteral(" mm"));
    m_diameterUnit->setMinimumWidth(roomFor(m_diameterUnit, QStringLiteral(" AWG")));

    auto* atCaption = makeLabel(this, "Label10", QString(), 250);
    m_temperature = make<QLineEdit>(this, "Edit3"); // no key filter: typed as it is
    m_temperature->setText(QStringLiteral("20"));
    setBackground(m_temperature, kEntryLime);
    m_temperature->setFixedWidth(fieldWidth);
    auto* celsius = makeLabel(this, "Label11", QStringLiteral("°C"));
    auto* warning = makeLabel(this, "Label12", QString());
    setTextColour(warning, kMessageRed);
    warning->setMinimumWidth(roomFor(warning, QStringLiteral("t < -200 °C")));

    // Result: number, prefix and ohm sign standing together after it.
    auto* arrow = makeLabel(this, "Label8", QStringLiteral("=>"));
    auto* resultCaption = makeLabel(this, "Label5", QString(), 245);
    auto* result = make<ResultLabel>(this, "Label3");
    setBackground(result, kResultWhite);
    result->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    result->setMinimumWidth(roomFor(result, QStringLiteral("-000.000")));
    auto* prefix = makeLabel(this, "Label9", QString());
    setTextColour(prefix, kFooterBlue);
    prefix->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    prefix->hide();
    auto* ohm = makeLabel(this, "Label4", QStringLiteral("Ω"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(lengthCaption, 0, 0);
    grid->addWidget(m_length, 0, 2);
    grid->addWidget(m_lengthUnit, 0, 3);
    grid->addWidget(diameterCaption, 1, 0);
    grid->addWidget(m_gaugeMark, 1, 1, Qt::AlignRight);
    grid->addWidget(m_diameter, 1, 2);
    grid->addWidget(m_diameterUnit, 1, 3);
    grid->addWidget(atCaption, 2, 0);
    grid->addWidget(m_temperature, 2, 2);
    grid->addWidget(celsius, 2, 3);
    grid->addWidget(warning, 3, 2, 1, 2);
    grid->addWidget(arrow, 1, 4);
    grid->addWidget(resultCaption, 0, 5);
    auto* resultRow = new QHBoxLayout;
    resultRow->setSpacing(0);
    resultRow->addWidget(result);
    resultRow->addSpacing(4);
    resultRow->addWidget(prefix);
    resultRow->addWidget(ohm);
    resultRow->addStretch(1);
    grid->addLayout(resultRow, 1, 5);
    // Keep the room of a shown prefix, so the window does not change its
    // width when the prefix comes and goes.
    grid->setColumnMinimumWidth(5, result->minimumWidth() + 4 + roomFor(prefix, QStringLiteral("µ")) +
                                       roomFor(ohm, QStringLiteral("Ω")));
    grid->setColumnMinimumWidth(4, roomFor(arrow, QStringLiteral("=>")));
}

void TForm4::connectInputs() {
    connect(m_length, &QLineEdit::textChanged, this, &TForm4::Edit1Change);
    connect(m_temperature, &QLineEdit::textChanged, this, &TForm4::Edit1Change);
    connect(m_lengthUnit, &QComboBox::activated, this, &TForm4::Edit1Change);
    connect(m_diameter, &QComboBox::activated, this, &TForm4::Edit1Change);
    connect(m_diameter, &QComboBox::editTextChanged, this, &TForm4::Edit1Change);
}

void TForm4::configureUnits(bool usUnits) {
    // Rebuilding the lists is not a change by the user.
    const QSignalBlocker quietLength(m_lengthUnit);
    const QSignalBlocker quietDiameter(m_diameter);

    m_gaugeMark->setVisible(usUnits);
    m_diameterUnit->setText(usUnits ? QStringLiteral(" AWG") : QStringLiteral(" mm"));
    m_lengthUnit->clear();
    if (usUnits)
        m_lengthUnit->addItems({QStringLiteral("ft"), QStringLiteral("yd")});
    else
        m_lengthUnit->addItem(QStringLiteral("m"));
    m_lengthUnit->setCurrentIndex(0);

    m_diameter->clear();
    m_diameter->setEditable(!usUnits);
    if (usUnits) {
        m_diameter->addItems(m_context.state().awgNames);
        m_diameter->setCurrentIndex(kDefaultGauge);
        setBackground(m_diameter, kListYellow);
    } else {
        m_diameter->clearEditText();
        setBackground(m_diameter, kEntryLime);
        // Becoming editable gives the list a new line edit, which needs the filter.
        m_context.keyFilter().attach(m_diameter);
    }
}

void TForm4::applyUnits(bool usUnits) {
    configureUnits(usUnits);
    // Emptying the length recomputes; an already empty field does not
    // change, yet the result must follow the new lists all the same.
    if (m_length->text().isEmpty())
        Edit1Change();
    else
        m_length->clear();
}

void TForm4::Edit1Change() {
    CopperResistanceInputs inputs;
    inputs.length = m_length->text().toStdString();
    inputs.lengthUnit = m_lengthUnit->currentIndex();
    inputs.diameterText = m_diameter->currentText().toStdString();
    inputs.gaugeIndex = m_diameter->currentIndex();
    inputs.temperature = m_temperature->text().toStdString();
    apply(RecomputeCopperResistance(inputs, environment()));
}

} // namespace torvex::gui
