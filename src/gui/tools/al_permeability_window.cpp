// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/al_permeability_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <array>

#include "calc/al_permeability.h"
#include "widgets/binding.h"
#include "widgets/builders.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

std::string fieldText(const QLineEdit* field) { return field->text().toStdString(); }

QLabel* fixed(QWidget* parent, const char* name, const char* text) {
    return FixedCaption(parent, name, QString::fromUtf8(text));
}

// A result field wide enough for `widest`.
QLabel* result(QWidget* parent, const char* name, const char* widest) {
    return ResultField(parent, name, QString::fromUtf8(widest), {.padding = 8});
}

QHBoxLayout* row(std::initializer_list<QWidget*> widgets) {
    auto* box = new QHBoxLayout;
    box->setSpacing(2);
    for (QWidget* w : widgets)
        box->addWidget(w);
    box->addStretch();
    return box;
}

} // namespace

report::Report AlPermeabilityWindow::report() const {
    // clang-format off
    static constexpr ReportRow kRows[] = {
        {.section = 2011},
        {.caption = {"Label6", "Label8"}, .value = {"Edit1"}},
        {.caption = {"Label7", "Label9"}, .value = {"Edit2"}, .unit = {"Label10"}},
        {.box = "GroupBox1"},
        {.caption = {"Label11"}, .value = {"Edit3"}, .unit = {"Label12"}},
        {.caption = {"Label13"}, .value = {"Edit4"}, .unit = {"Label14"}},
        {.caption = {"Label15"}, .value = {"Edit5"}, .unit = {"Label16"}},
        {.caption = {"Label17"}, .value = {"Edit6"}, .unit = {"Label18"}},
        {.caption = {"Label19"}, .value = {"Label1"}, .unit = {"Label20"}},
        {.caption = {"Label21"}, .value = {"Label2"}, .unit = {"Label22"}},
        {.caption = {"Label23", "Label28"}, .value = {"Label3"}, .unit = {"Label24"}},
        {.section = 2012},
        {.caption = {"Label25"}, .value = {"Label4"}, .unit = {"Label26"}},
        {.caption = {"Label27"}, .value = {"Label5"}},
    };
    // clang-format on
    return MakeReport(*this, kRows, settings().language());
}

AlPermeabilityWindow::AlPermeabilityWindow(WindowContext& context) : ToolWindow(context, "TForm3", 353, 50) {
    createFields();
    layOut();
    connectInputs();
    finishCreation();
}

// Edit1 turns, Edit2 measured µH, Edit3 Da, Edit4 Di, Edit5 h, Edit6 coating.
void AlPermeabilityWindow::createFields() {
    m_dimensions = TaggedGroup(this, "GroupBox1", 309, settings().language());
    QLineEdit** fields[] = {&m_turns, &m_inductance, &m_da, &m_di, &m_h, &m_coating};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const QByteArray name = "Edit" + QByteArray::number(int(i) + 1);
        *fields[i] = EntryField(this, name.constData(), FieldWidth::Digits(7));
    }
    // The coating starts at zero in the locale's notation. Nothing is
    // computed at creation, so this does not count as a change.
    const QSignalBlocker quiet(m_coating);
    m_coating->setText(QStringLiteral("0") + settings().decimalSeparator() + QStringLiteral("00"));
}

void AlPermeabilityWindow::layOut() {
    const Language shown = settings().language();

    // The test winding: each field between its two captions.
    auto* winding = new QGridLayout;
    winding->setHorizontalSpacing(24);
    winding->addWidget(TaggedCaption(this, "Label6", 246, shown), 0, 0);
    winding->addWidget(m_turns, 1, 0);
    winding->addWidget(TaggedCaption(this, "Label8", 248, shown), 2, 0);
    winding->addWidget(TaggedCaption(this, "Label7", 247, shown), 0, 1);
    winding->addLayout(row({m_inductance, fixed(this, "Label10", " µH")}), 1, 1);
    winding->addWidget(TaggedCaption(this, "Label9", 249, shown), 2, 1);
    winding->setColumnStretch(2, 1);

    // The core's dimensions beside the form factors they give. (A layout
    // moves the widgets it is given into its own widget, the group.)
    auto* core = new QGridLayout(m_dimensions);
    // clang-format off
    const std::array<QWidget*, 3> dimensionRows[] = {
        {TaggedCaption(this, "Label11", 251, shown), m_da, fixed(this, "Label12", " mm")},
        {TaggedCaption(this, "Label13", 253, shown), m_di, fixed(this, "Label14", " mm")},
        {fixed(this, "Label15", "h"), m_h, fixed(this, "Label16", " mm")},
        {TaggedCaption(this, "Label17", 252, shown), m_coating, fixed(this, "Label18", " mm")},
    };
    // clang-format on
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            core->addWidget(dimensionRows[r][std::size_t(c)], r, c);
    core->setColumnMinimumWidth(3, 24);
    m_crossSection = result(this, "Label1", "0000.0");
    m_pathLength = result(this, "Label2", "0000.0");
    m_coreFactor = result(this, "Label3", "0000.0");
    // clang-format off
    const std::array<QWidget*, 3> factorRows[] = {
        {fixed(this, "Label19", "Ae"), m_crossSection, fixed(this, "Label20", " mm² ")},
        {fixed(this, "Label21", "le"), m_pathLength, fixed(this, "Label22", " mm")},
        {fixed(this, "Label23", "S"), m_coreFactor, fixed(this, "Label24", " 1/mm")},
    };
    // clang-format on
    for (int r = 0; r < 3; ++r) {
        auto* caption = new QHBoxLayout;
        caption->setSpacing(4);
        caption->addWidget(factorRows[r][0]);
        if (r == 2)
            caption->addWidget(fixed(this, "Label28", "(le/Ae)"));
        caption->addStretch();
        core->addLayout(caption, r, 4);
        core->addWidget(factorRows[r][1], r, 5);
        core->addWidget(factorRows[r][2], r, 6);
    }

    m_al = result(this, "Label4", "-00000.00");
    m_permeability = result(this, "Label5", "00000.0");
    auto* results = new QHBoxLayout;
    results->setSpacing(2);
    results->addWidget(fixed(this, "Label25", "AL = "));
    results->addWidget(m_al);
    results->addWidget(fixed(this, "Label26", " nH/N²"));
    results->addSpacing(32);
    results->addWidget(fixed(this, "Label27", "µi = "));
    results->addWidget(m_permeability);
    results->addStretch();

    auto* window = new QVBoxLayout(this);
    window->addLayout(winding);
    window->addWidget(m_dimensions);
    window->addLayout(results);
}

void AlPermeabilityWindow::connectInputs() {
    for (QLineEdit* field : {m_turns, m_inductance, m_da, m_di, m_h, m_coating}) {
        m_context.keyFilter().attach(field);
        connect(field, &QLineEdit::textChanged, this, &AlPermeabilityWindow::recompute);
    }
}

void AlPermeabilityWindow::recompute() {
    // clang-format off
    static constexpr Binding<AlPermeabilityShown, AlPermeabilityWindow> kShown[] = {
        {&AlPermeabilityShown::al, &AlPermeabilityWindow::m_al},
        {&AlPermeabilityShown::crossSection, &AlPermeabilityWindow::m_crossSection},
        {&AlPermeabilityShown::pathLength, &AlPermeabilityWindow::m_pathLength},
        {&AlPermeabilityShown::coreFactor, &AlPermeabilityWindow::m_coreFactor},
        {&AlPermeabilityShown::permeability, &AlPermeabilityWindow::m_permeability},
    };
    // clang-format on
    const AlPermeabilityInputs in{fieldText(m_turns), fieldText(m_inductance), fieldText(m_da),
                                  fieldText(m_di),    fieldText(m_h),          fieldText(m_coating)};
    const AlPermeabilityOutcome outcome = RecomputeAlPermeability(in, engineSettings());
    ShowTexts(outcome.shown, *this, kShown);
    reportFailure(outcome.error);
}

QString AlPermeabilityWindow::alText() const { return m_al->text(); }

AlPermeabilityWindow::Dimensions AlPermeabilityWindow::dimensionTexts() const {
    return {m_da->text(), m_di->text(), m_h->text()};
}

} // namespace torvex::gui
