// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The controls every page and window is made of. Each builder names its
// control (the fixed objectName that tests and the text table rely on), gives
// it the colour of its role and reserves the room its widest text needs, so
// that a window keeps its size whatever its fields show.

#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <string_view>

#include "catalogue/catalogue_types.h"
#include "settings.h"
#include "widgets/colours.h"
#include "widgets/make.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace torvex::gui {

class ResultLabel;

QString Utf8(std::string_view text);
// The text with identifier `id` of the text table in a language.
QString TableText(int id, Language language);

// The texts of a list of names (unit names, gauge names).
template <std::size_t N> QStringList ListTexts(const std::array<std::string_view, N>& names) {
    QStringList texts;
    for (std::string_view name : names)
        texts << Utf8(name);
    return texts;
}

// The texts of a catalogue table's rows (rows with a `name`).
template <class Table> QStringList RowNames(const Table& table) {
    QStringList texts;
    for (const auto& row : table)
        texts << Utf8(row.name);
    return texts;
}

// The 44 wire gauges "0000", "000", "00", "0" ... "40" of a gauge list
// (kDefaultGaugeIndex, "20", is chosen when the list is filled).
QStringList GaugeNames();

// --- Captions -------------------------------------------------------------

// A caption whose texts come from the text table by its tag. It shows the
// text in `language` at once; the language switch sets it again later.
QLabel* TaggedCaption(QWidget* parent, const char* name, int tag, Language language);
// A caption that is the same in both languages (tag 0).
QLabel* FixedCaption(QWidget* parent, const char* name, const QString& text = {});
// A group box titled from the text table by its tag.
QGroupBox* TaggedGroup(QWidget* parent, const char* name, int tag, Language language);

// A label whose text changes keeps the width of its widest text plus
// `padding`, so that its neighbours stay in place. (A minimum width stands in
// for the label's own: it may also be narrower than the text shown first.)
QLabel* ReserveWidth(QLabel* label, const QString& widest, int padding = 0);

// The "# " in front of a wire gauge: hidden (in metric units), but it keeps
// its place, so that nothing shifts when the units change.
QLabel* GaugeMark(QWidget* parent, const char* name);

// The not-available message: red on the tooltip colour, centred, hidden
// until a recompute shows it; it keeps its place while hidden.
QLabel* NotAvailableMessage(QWidget* parent, const char* name, int tag, Language language, bool wordWrap);

// A colour code: two fields of 16 x 8 pixels painted by the recompute, upper
// over lower, in a thin frame so that a white half still shows.
struct ColourCodeLabels {
    QWidget* frame = nullptr;
    QLabel* upper = nullptr;
    QLabel* lower = nullptr;
    // Paints both halves; an unpainted half shows the window's own face colour.
    void show(const ColourCode& code) const;
};
ColourCodeLabels ColourPatch(QWidget* parent, const char* upper, const char* lower);

// A picture, drawn from `resource` when its window is first shown (most runs
// never open the window that holds it). The language switch gives it only
// its hint.
template <class Label> Label* Picture(QWidget* parent, const char* name, int tag, const QString& resource, QSize size) {
    auto* picture = make<Label>(parent, name, tag);
    picture->setProperty("torvexKind", QStringLiteral("image"));
    picture->setProperty("picture", resource);
    picture->setFixedSize(size);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}
// Draws the pictures of a window that are not drawn yet.
void DrawPictures(QWidget* window);

// --- Fields ---------------------------------------------------------------

// The width of an entry field: fixed pixels, or room for a widest text
// (with the field's frame and margins).
struct FieldWidth {
    int pixels = 0;
    QString widest;

    static FieldWidth Pixels(int pixels) { return {pixels, {}}; }
    static FieldWidth Fitting(const QString& widest) { return {0, widest}; }
    static FieldWidth Digits(int count) { return {0, QString(count, QLatin1Char('0'))}; }
};

// A lime entry field.
QLineEdit* EntryField(QWidget* parent, const char* name, const FieldWidth& width, int tag = 0);
// The dark-green turns field of a second calculation, white bold text.
QLineEdit* TurnsField(QWidget* parent, const char* name, const FieldWidth& width);

// How a result field looks: the room beside its widest text (frame, margin
// and air), its margin, alignment and background.
struct ResultLook {
    int padding = 12;
    int margin = 0;
    Qt::Alignment alignment = Qt::AlignRight | Qt::AlignVCenter;
    Paint paint = Paint::Result;
};
// A framed result field wide enough for `widest`.
ResultLabel* ResultField(QWidget* parent, const char* name, const QString& widest, const ResultLook& look = {});

// The most lines a list shows when it opens, unless it is given its own count.
inline constexpr int kListLines = 16;

// A yellow pick-only list at `position`; `visibleItems` (when not 0, else at
// most kListLines) lines show when it opens. A selection made here is not a
// change by the user.
QComboBox* SelectionList(QWidget* parent, const char* name, const QStringList& items, int position, int tag = 0,
                         int visibleItems = 0);

} // namespace torvex::gui
