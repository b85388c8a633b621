#include "tools/al_permeability_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "calc/al_permeability.h"
#include "widgets/builders.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

struct Caption {
    const char* name;
    int tag;
};
constexpr Caption kCaptions[] = {
    {"Label6", 246},  // turns
    {"Label8", 248},  // wound
    {"Label7", 247},  // inductance
    {"Label9", 249},  // measured
    {"Label11", 251}, // Da
    {"Label13", 253}, // Di
    {"Label17", 252}, // coating
};

struct Fixed {
    const char* name;
    const char* text;
};
constexpr Fixed kFixedTexts[] = {
    {"Label10", " µH"}, {"Label12", " mm"},    {"Label14", " mm"},   {"Label15", "h"},      {"Label16", " mm"},
    {"Label18", " mm"}, {"Label19", "Ae"},     {"Label20", " mm² "}, {"Label21", "le"},     {"Label22", " mm"},
    {"Label23", "S"},   {"Label28", "(le/Ae)"}, {"Label24", " 1/mm"}, {"Label25", "AL = "}, {"Label26", " nH/N²"},
    {"Label27", "µi = "},
};

struct Result {
    const char* name;
    const char* widest;
};
constexpr Result kResults[] = {
    {"Label1", "0000.0"},    // Ae
    {"Label2", "0000.0"},    // le
    {"Label3", "0000.0"},    // S
    {"Label4", "-00000.00"}, // AL
    {"Label5", "00000.0"},   // µi
};

std::string fieldText(const QLineEdit* field) { return field->text().toStdString(); }

} // namespace

AlPermeabilityWindow::AlPermeabilityWindow(WindowContext& context) : ToolWindow(context, "TForm3", 353, 50) {
    createControls();
    layOut();
    connectInputs();
    finishCreation();
}

void AlPermeabilityWindow::createControls() {
    const Language shown = settings().language();
    m_dimensions = TaggedGroup(this, "GroupBox1", 309, shown);

    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const QByteArray name = "Edit" + QByteArray::number(int(i) + 1);
        m_fields[i] = EntryField(this, name.constData(), FieldWidth::Digits(7));
    }
    // The coating starts at zero in the locale's notation. Nothing is
    // computed at creation, so this does not count as a change.
    {
        const QSignalBlocker quiet(m_fields[5]);
        m_fields[5]->setText(QStringLiteral("0") + settings().decimalSeparator() + QStringLiteral("00"));
    }

    for (const Caption& c : kCaptions)
        TaggedCaption(this, c.name, c.tag, shown);
    for (const Fixed& f : kFixedTexts)
        FixedCaption(this, f.name, QString::fromUtf8(f.text));
    for (const Result& r : kResults) {
        ResultLabel* field = ResultField(this, r.name, QString::fromUtf8(r.widest), {.padding = 8});
        if (qstrcmp(r.name, "Label4") == 0)
            m_al = field;
    }
}

void AlPermeabilityWindow::layOut() {
    auto w = [this](const char* name) { return findChild<QWidget*>(QLatin1String(name)); };
    auto row = [&](std::initializer_list<const char*> names) {
        auto* box = new QHBoxLayout;
        box->setSpacing(2);
        for (const char* name : names)
            box->addWidget(w(name));
        box->addStretch();
        return box;
    };

    // The test winding: each field between its two captions.
    auto* winding = new QGridLayout;
    winding->setHorizontalSpacing(24);
    winding->addWidget(w("Label6"), 0, 0);
    winding->addWidget(w("Edit1"), 1, 0);
    winding->addWidget(w("Label8"), 2, 0);
    winding->addWidget(w("Label7"), 0, 1);
    winding->addLayout(row({"Edit2", "Label10"}), 1, 1);
    winding->addWidget(w("Label9"), 2, 1);
    winding->setColumnStretch(2, 1);

    // The core's dimensions beside the form factors they give.
    auto* core = new QGridLayout(m_dimensions);
    const char* const dimensionRows[4][3] = {{"Label11", "Edit3", "Label12"},
                                             {"Label13", "Edit4", "Label14"},
                                             {"Label15", "Edit5", "Label16"},
                                             {"Label17", "Edit6", "Label18"}};
    const char* const factorRows[3][3] = {
        {"Label19", "Label1", "Label20"}, {"Label21", "Label2", "Label22"}, {"Label23", "Label3", "Label24"}};
    // (A layout moves the widgets it is given into its own widget, the group.)
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            core->addWidget(w(dimensionRows[r][c]), r, c);
    core->setColumnMinimumWidth(3, 24);
    for (int r = 0; r < 3; ++r) {
        auto* caption = new QHBoxLayout;
        caption->setSpacing(4);
        caption->addWidget(w(factorRows[r][0]));
        if (r == 2)
            caption->addWidget(w("Label28"));
        caption->addStretch();
        core->addLayout(caption, r, 4);
        core->addWidget(w(factorRows[r][1]), r, 5);
        core->addWidget(w(factorRows[r][2]), r, 6);
    }

    auto* results = new QHBoxLayout;
    results->setSpacing(2);
    for (const char* name : {"Label25", "Label4", "Label26"})
        results->addWidget(w(name));
    results->addSpacing(32);
    for (const char* name : {"Label27", "Label5"})
        results->addWidget(w(name));
    results->addStretch();

    auto* window = new QVBoxLayout(this);
    window->addLayout(winding);
    window->addWidget(m_dimensions);
    window->addLayout(results);
}

void AlPermeabilityWindow::connectInputs() {
    for (QLineEdit* field : m_fields) {
        m_context.keyFilter().attach(field);
        connect(field, &QLineEdit::textChanged, this, &AlPermeabilityWindow::recompute);
    }
}

void AlPermeabilityWindow::recompute() {
    const AlPermeabilityInputs in{fieldText(m_fields[0]), fieldText(m_fields[1]), fieldText(m_fields[2]),
                                  fieldText(m_fields[3]), fieldText(m_fields[4]), fieldText(m_fields[5])};
    apply(RecomputeAlPermeability(in, environment()));
}

QString AlPermeabilityWindow::alText() const { return m_al->text(); }

AlPermeabilityWindow::Dimensions AlPermeabilityWindow::dimensionTexts() const {
    return {m_fields[2]->text(), m_fields[3]->text(), m_fields[4]->text()};
}

} // namespace torvex::gui
