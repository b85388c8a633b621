#pragma once

#include <QStringList>
#include <array>
#include <functional>

#include "calc/catalogue_pages.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QObject;
class QVBoxLayout;
class QWidget;

namespace torvex::gui {

class MainContext;

// A caption label: tagged ones take their text from the text table (German
// until the language switch runs), untagged ones keep a fixed text.
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
// Each page describes itself with one of these; the builder below makes the
// controls and lays them out the same way on every page.
struct CatalogueNames {
    CatalogueList sizes, materials;
    const char* dash = nullptr; // the "-" between the lists, where the page has one
    std::array<ValueRow, 3> dimensions; // Da, Di, h; unit " mm" / " in"
    ValueRow al;                        // "AL =", value, its unit
    ValueRow mu;                        // " µi = ", value
    EntryRow inductance, frequency;     // unit lists: "nH".."H", "Hz".."GHz"
    ValueRow turns;
    ValueRow wireLength;  // unit " cm" / inch, foot, yard
    ValueRow wireDiameter;// unit " mm" / " AWG"
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
    Caption xl2Caption;   // "XL = "
    const char* xl2 = nullptr;
    const char* xl2Prefix = nullptr;
    const char* xl2Ohm = nullptr;
    Caption footer; // the maker, right-aligned at the bottom
};

// The controls a page's recompute and unit switch work with, and the places
// where the page adds what only it shows.
struct CatalogueControls {
    QComboBox* sizeList = nullptr;
    QComboBox* materialList = nullptr;
    QLineEdit* inductance = nullptr;
    QComboBox* inductanceUnit = nullptr;
    QLineEdit* frequency = nullptr;
    QComboBox* frequencyUnit = nullptr;
    QLineEdit* turns = nullptr;
    std::array<QLabel*, 3> dimensionUnits{};
    QLabel* wireLengthUnit = nullptr;
    QLabel* wireDiameterUnit = nullptr;
    QLabel* wireHash = nullptr;

    QHBoxLayout* selectionRow = nullptr; // the two lists; a message may follow them
    QVBoxLayout* coreExtras = nullptr;   // right of the core data: colours, ranges, codes

    CatalogueSelection selection() const;
    WindingFields fields() const;
    // The unit captions of the measurement system and the "# " before the
    // gauge; the page recomputes afterwards.
    void setUnitLabels(bool usUnits) const;
};

// Builds the shared controls of a catalogue page on `page`, fills the lists,
// makes the start selections (without recomputing), attaches the numeric key
// filter to the three entry fields and binds every input to `recompute`.
CatalogueControls BuildCataloguePage(QWidget* page, MainContext& context, const CatalogueNames& names,
                                     const QStringList& sizes, const QStringList& materials,
                                     std::function<void()> recompute);

// The list texts of a catalogue table (rows with a `name`).
template <class Table>
QStringList ListTexts(const Table& table) {
    QStringList texts;
    for (const auto& row : table)
        texts << QString::fromUtf8(row.name.data(), qsizetype(row.name.size()));
    return texts;
}

// Small builders the pages use for what only they show.
QLabel* MakeCaption(QWidget* parent, const Caption& caption);
// A white, framed result field wide enough for `widest`.
QLabel* MakeValueField(QWidget* parent, const char* name, const QString& widest,
                       Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter);
// A colour code: two fields of 16 x 8 pixels painted by the recompute, upper
// over lower, in a thin frame so that a white half still shows.
QWidget* MakeColourPatch(QWidget* parent, const char* upper, const char* lower);
// The not-available message: red on the tooltip colour, centred, hidden until
// a recompute shows it; it keeps its place while hidden.
QLabel* MakeNotAvailableMessage(QWidget* parent, const char* name, int tag, bool wordWrap);

} // namespace torvex::gui
