#include "tools/resonance_window.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionGroupBox>
#include <QStylePainter>
#include <QVBoxLayout>
#include <optional>
#include <string_view>

#include "calc/resonance.h"
#include "widgets/binding.h"
#include "widgets/builders.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/make.h"
#include "widgets/result_label.h"

namespace torvex::gui {

namespace {

using Units = std::array<std::string_view, 5>;
constexpr Units kInductanceUnits{"nH", "µH", "mH", "H"};
constexpr Units kCapacitanceUnits{"pF", "nF", "µF", "mF", "F"};
constexpr Units kFrequencyUnits{"Hz", "kHz", "MHz", "GHz"};

struct InputField {
    const char* edit;
    const char* unitList;
    const Units* units;
    int initialUnit;
};

// One group box per calculation. Its caption is a column heading over the
// two inputs and the result, the same in both languages.
struct RowPlan {
    const char* group;
    const char* heading;
    InputField first;
    InputField second;
    const char* result;
    const char* unitLabel;
    const char* unitText; // until the first result
    ResonanceOutcome (*recompute)(const ResonanceRowInputs&, const Settings&);
};

// clang-format off
constexpr std::array<RowPlan, 3> kRowPlans{{
    {"GroupBox1", "--------- L ------------------- C --------------- f -------------",
     {"Edit1", "ComboBox1", &kInductanceUnits, 1}, {"Edit2", "ComboBox2", &kCapacitanceUnits, 0},
     "Label1", "Label2", "MHz", &RecomputeResonantFrequency},
    {"GroupBox2", "--------- L ------------------- f ---------------- C ------------",
     {"Edit3", "ComboBox3", &kInductanceUnits, 1}, {"Edit4", "ComboBox4", &kFrequencyUnits, 1},
     "Label3", "Label4", "pF", &RecomputeResonantCapacitance},
    {"GroupBox3", "--------- C ------------------- f ---------------- L ------------",
     {"Edit5", "ComboBox5", &kCapacitanceUnits, 0}, {"Edit6", "ComboBox6", &kFrequencyUnits, 1},
     "Label5", "Label6", "µH", &RecomputeResonantInductance},
}};

constexpr int kBlockGap = 12; // between the inputs and the result of a row

// The texts of a unit list; the lists have fewer units than places.
QStringList unitTexts(const Units& units) {
    QStringList texts;
    for (std::string_view unit : units)
        if (!unit.empty())
            texts << Utf8(unit);
    return texts;
}
// clang-format on

// A group box whose caption alone is drawn in a font of its own; the controls
// inside keep the window's font. (A font change reaching a list makes it
// build its popup at once, which made this window the slowest to create.)
class HeadingBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    void setTitleFont(const QFont& font) {
        m_titleFont = font;
        updateGeometry();
        update();
    }

    // As QGroupBox computes it, with the caption measured in its own font.
    QSize minimumSizeHint() const override {
        if (!m_titleFont)
            return QGroupBox::minimumSizeHint();
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        const QFontMetrics title(*m_titleFont);
        const QSize text(title.horizontalAdvance(this->title()) + title.horizontalAdvance(QLatin1Char(' ')),
                         fontMetrics().height());
        return style()
            ->sizeFromContents(QStyle::CT_GroupBox, &option, text, this)
            .expandedTo(QWidget::minimumSizeHint());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        if (m_titleFont) {
            painter.setFont(*m_titleFont);
            option.fontMetrics = QFontMetrics(*m_titleFont);
        }
        painter.drawComplexControl(QStyle::CC_GroupBox, option);
    }

private:
    std::optional<QFont> m_titleFont;
};

// The caption's letters L, C and f stand over the first input, the second
// input and the result only when the dashes span the whole row; the toolkit's
// dash is narrower than the fields, so the caption is spaced out to the row's
// width.
void spreadHeading(HeadingBox* group, const QLayout* row) {
    const QFont plain = group->font();
    const QString heading = group->title();
    const QMargins margins = row->contentsMargins();
    const int wanted = row->sizeHint().width() - margins.left() - margins.right();
    const int natural = QFontMetrics(plain).horizontalAdvance(heading);
    if (wanted <= natural || heading.isEmpty())
        return;
    QFont spaced = plain;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, qreal(wanted - natural) / qreal(heading.size()));
    group->setTitleFont(spaced);
}

} // namespace

// One section per calculation: its two inputs, then its result.
report::Report ResonanceWindow::report() const {
    // clang-format off
    static constexpr ReportRow kRows[] = {
        {.section = 2060},
        {.fixedCaption = "L", .value = {"Edit1"}, .unit = {"ComboBox1"}},
        {.fixedCaption = "C", .value = {"Edit2"}, .unit = {"ComboBox2"}},
        {.fixedCaption = "f", .value = {"Label1"}, .unit = {"Label2"}},
        {.section = 2061},
        {.fixedCaption = "L", .value = {"Edit3"}, .unit = {"ComboBox3"}},
        {.fixedCaption = "f", .value = {"Edit4"}, .unit = {"ComboBox4"}},
        {.fixedCaption = "C", .value = {"Label3"}, .unit = {"Label4"}},
        {.section = 2062},
        {.fixedCaption = "C", .value = {"Edit5"}, .unit = {"ComboBox5"}},
        {.fixedCaption = "f", .value = {"Edit6"}, .unit = {"ComboBox6"}},
        {.fixedCaption = "L", .value = {"Label5"}, .unit = {"Label6"}},
    };
    // clang-format on
    return MakeReport(*this, kRows, settings().language());
}

ResonanceWindow::ResonanceWindow(WindowContext& context) : ToolWindow(context, "TForm2", 352, 51) {
    createRows();
    connectRows();
    finishCreation();
}

void ResonanceWindow::createRows() {
    auto* outer = new QVBoxLayout(this);
    for (std::size_t i = 0; i < kRowPlans.size(); ++i) {
        const RowPlan& plan = kRowPlans[i];
        auto* group = make<HeadingBox>(this, plan.group);
        group->setTitle(QString::fromLatin1(plan.heading));
        auto* row = new QHBoxLayout(group);

        auto addInput = [&](const InputField& input, QLineEdit*& edit, QComboBox*& list) {
            edit = EntryField(group, input.edit, FieldWidth::Fitting(QStringLiteral("00000.000")));
            m_context.keyFilter().attach(edit);
            list = SelectionList(group, input.unitList, unitTexts(*input.units), input.initialUnit);
            row->addWidget(edit);
            row->addWidget(list);
            row->addSpacing(kBlockGap);
        };
        addInput(plan.first, m_rows[i].first, m_rows[i].firstUnit);
        addInput(plan.second, m_rows[i].second, m_rows[i].secondUnit);

        m_rows[i].result = ResultField(group, plan.result, QStringLiteral("-000.000"));
        m_rows[i].unit = ReserveWidth(FixedCaption(group, plan.unitLabel, QString::fromUtf8(plan.unitText)),
                                      QStringLiteral("MHz"), 12);
        row->addWidget(m_rows[i].result);
        row->addWidget(m_rows[i].unit);
        spreadHeading(group, row);
        outer->addWidget(group);
    }
}

void ResonanceWindow::connectRows() {
    for (int i = 0; i < int(m_rows.size()); ++i) {
        const Row& row = m_rows[std::size_t(i)];
        auto recompute = [this, i] { recomputeRow(i); };
        connect(row.first, &QLineEdit::textChanged, this, recompute);
        connect(row.second, &QLineEdit::textChanged, this, recompute);
        connect(row.firstUnit, &QComboBox::activated, this, recompute);
        connect(row.secondUnit, &QComboBox::activated, this, recompute);
    }
}

void ResonanceWindow::recomputeRow(int i) {
    static constexpr Binding<ResonanceShown, Row> kShown[] = {
        {&ResonanceShown::value, &Row::result},
        {&ResonanceShown::unit, &Row::unit},
    };
    const Row& row = m_rows[std::size_t(i)];
    const ResonanceRowInputs inputs{row.first->text().toStdString(), row.firstUnit->currentIndex(),
                                    row.second->text().toStdString(), row.secondUnit->currentIndex()};
    const ResonanceOutcome outcome = kRowPlans[std::size_t(i)].recompute(inputs, engineSettings());
    ShowTexts(outcome.shown, row, kShown);
    reportFailure(outcome.error);
}

void ResonanceWindow::recomputeAll() {
    recomputeFrequency();
    recomputeCapacitance();
    recomputeInductance();
}

void ResonanceWindow::recomputeFrequency() { recomputeRow(0); }
void ResonanceWindow::recomputeCapacitance() { recomputeRow(1); }
void ResonanceWindow::recomputeInductance() { recomputeRow(2); }

} // namespace torvex::gui
