// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "calc/catalogue_page.h"
#include "pages/page.h"
#include "widgets/report_table.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace torvex::gui {

class ResultLabel;

// A caption label: tagged ones take their text from the text table, untagged
// ones keep a fixed text.
struct Caption {
    const char* name = nullptr;
    int tag = 0;
    const char* text = ""; // UTF-8, for tag 0
};

// A caption, a white value field and an optional unit caption in one row.
struct ValueRow {
    Caption caption;
    const char* value = nullptr;
    Caption unit; // name nullptr: no unit caption
};

// A selection list of a page's catalogue.
struct CatalogueList {
    const char* name = nullptr;
    int tag = 0;
    int visibleItems = 0;
    int startPosition = 0;
};

// An entry field with its caption and unit list.
struct EntryRow {
    Caption caption;
    const char* field = nullptr;
    const char* unitList = nullptr;
};

// The object names of everything the four catalogue pages have in common.
// Each page describes itself with one of these; CataloguePage makes the
// controls and lays them out the same way on every page.
struct CatalogueNames {
    CatalogueList sizes, materials;
    const char* dash = nullptr;         // the "-" between the lists, where the page has one
    std::array<ValueRow, 3> dimensions; // Da, Di, h; unit " mm" / " in"
    ValueRow al;                        // "AL =", value, its unit
    ValueRow mu;                        // " µi = ", value
    EntryRow inductance, frequency;     // unit lists: "nH".."H", "Hz".."GHz"
    ValueRow turns;
    ValueRow wireLength;            // unit " cm" / inch, foot, yard
    ValueRow wireDiameter;          // unit " mm" / " AWG"
    const char* wireHash = nullptr; // "# " before the gauge, US units only
    Caption xlArrow, xlCaption;     // "=>", "XL ="
    const char* xl = nullptr;
    const char* xlPrefix = nullptr;
    const char* xlOhm = nullptr;
    // The group " Induktivität aus Windungszahl berechnen ".
    Caption group;
    Caption turnsCaption; // "N"
    const char* turnsField = nullptr;
    const char* l2 = nullptr;
    const char* l2Unit = nullptr;
    Caption xl2Caption; // "XL = "
    const char* xl2 = nullptr;
    const char* xl2Prefix = nullptr;
    const char* xl2Ohm = nullptr;
    Caption footer; // the maker, right-aligned at the bottom
};

// A page of a maker's ring cores: a size and a material picked from the
// catalogue, the core's data, the winding for a wanted inductance and
// frequency, and the inductance of a typed number of turns. The lists start
// at their start selections without a recompute; every input is bound to
// recompute(). Each page shows its result through its own binding table
// over the labels below.
class CataloguePage : public Page {
    Q_OBJECT
public:
    // Reads the lists and fields, runs the page's calculator and shows what
    // it gives.
    virtual void recompute() = 0;
    // The unit captions of the measurement system shown now and the "# "
    // before the gauge; then the page is recomputed in that system.
    void applyUnits() override;
    // The size list takes the keyboard focus: where a user starts.
    void focusSizeList();
    // The core, its data, the inputs and the results, as shown.
    report::Report report() const override;

protected:
    CataloguePage(PageContext& context, const CatalogueNames& names, const QStringList& sizes,
                  const QStringList& materials, QWidget* parent);

    void recomputeAll() override { recompute(); }
    CataloguePageInputs inputs() const;
    // What a page shows of its core beyond the data all pages share.
    virtual std::vector<ReportRow> coreReportRows() const { return {}; }
    // Whether the size is made in the material: a page with a not-available
    // message shows it (with its tooltip) when not; the inductance field
    // takes input only when it is. Unset: left as it is.
    void showMade(std::optional<bool> made);

    // For what only a page shows: a caption in the page's language, a white
    // value field in the catalogue pages' look.
    QLabel* caption(const Caption& caption);
    ResultLabel* valueField(const char* name, const QString& widest,
                            Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter);
    // The row of the two lists (a message may follow them), and the column
    // right of the core data (colour codes, ranges, ordering codes).
    QHBoxLayout* selectionRow() const { return m_selectionRow; }
    QVBoxLayout* coreExtras() const { return m_coreExtras; }

    // The core's data and the winding results, shown by the recompute.
    QLabel* m_outerDiameter = nullptr;
    QLabel* m_innerDiameter = nullptr;
    QLabel* m_height = nullptr;
    QLabel* m_al = nullptr;
    QLabel* m_permeability = nullptr;
    QLabel* m_turns = nullptr;
    QLabel* m_wireDiameter = nullptr;
    QLabel* m_wireLength = nullptr;
    QLabel* m_wireLengthUnit = nullptr; // a unit caption the recompute rewrites in US units
    QLabel* m_reactance = nullptr;
    QLabel* m_reactancePrefix = nullptr;
    QLabel* m_inductanceOfTurns = nullptr;
    QLabel* m_inductanceOfTurnsUnit = nullptr;
    QLabel* m_reactanceOfTurns = nullptr;
    QLabel* m_reactanceOfTurnsPrefix = nullptr;
    QLabel* m_notAvailable = nullptr; // set by a page that has the message

private:
    QLabel* unitCaption(const Caption& caption);
    // caption | value | unit; the value field goes to `value`, the unit
    // caption (if the row has one) is returned.
    QLabel* addValueRow(QGridLayout* grid, int row, int column, const ValueRow& names, const QString& widest,
                        QLabel*& value);
    void setUnitLabels(bool usUnits);

    const CatalogueNames& m_names;
    QComboBox* m_sizeList = nullptr;
    QComboBox* m_materialList = nullptr;
    QLineEdit* m_inductance = nullptr;
    QComboBox* m_inductanceUnit = nullptr;
    QLineEdit* m_frequency = nullptr;
    QComboBox* m_frequencyUnit = nullptr;
    QLineEdit* m_typedTurns = nullptr;
    std::array<QLabel*, 3> m_dimensionUnits{};
    QLabel* m_wireDiameterUnit = nullptr;
    QLabel* m_wireHash = nullptr;
    QHBoxLayout* m_selectionRow = nullptr;
    QVBoxLayout* m_coreExtras = nullptr;
};

} // namespace torvex::gui
