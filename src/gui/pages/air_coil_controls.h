#pragma once

// Builders for the controls of the air-core part of the GUI: the unknown-cores
// page, the air-coil page and the AL-and-µi window share their look.

#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <array>
#include <string>
#include <string_view>

#include "text/text_table.h"
#include "widgets/colours.h"
#include "widgets/make.h"
#include "widgets/result_label.h"

namespace torvex::gui::aircore {

inline QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

inline std::string fieldText(const QLineEdit* field) { return field->text().toStdString(); }

// A text of the table in the given language; the language switch sets it
// again later, this only spares the window a blank start.
inline QString tableText(int id, int languageOffset) { return fromUtf8(LoadText(id, languageOffset)); }

// A caption that never changes (tag 0).
inline QLabel* fixedLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = make<QLabel>(parent, name);
    label->setText(QString::fromUtf8(text));
    return label;
}

// A caption whose text comes from the table by its tag.
inline QLabel* captionLabel(QWidget* parent, const char* name, int tag, int languageOffset) {
    auto* label = make<QLabel>(parent, name, tag);
    label->setText(tableText(tag, languageOffset));
    return label;
}

// A label whose text changes keeps the width of its widest text, so that its
// neighbours stay in place.
inline QLabel* reserveWidth(QLabel* label, const char* widest) {
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromUtf8(widest)));
    return label;
}

// The "# " mark in front of a wire gauge: hidden in metric units, but it
// keeps its place so that nothing shifts when the units change.
inline QLabel* gaugeMark(QWidget* parent, const char* name) {
    auto* mark = fixedLabel(parent, name, "# ");
    QSizePolicy keep = mark->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(keep);
    mark->hide();
    return mark;
}

// A white, framed result field, wide enough for `widest`.
inline QLabel* resultLabel(QWidget* parent, const char* name, const char* widest) {
    auto* label = make<ResultLabel>(parent, name);
    setBackground(label, kResultWhite);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromUtf8(widest)) + 8);
    return label;
}

// A lime entry field about `chars` digits wide.
inline QLineEdit* entryField(QWidget* parent, const char* name, int chars = 8, int tag = 0) {
    auto* field = make<QLineEdit>(parent, name, tag);
    setBackground(field, kEntryLime);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 12);
    return field;
}

// The dark-green turns field of a second calculation, white bold text.
inline QLineEdit* turnsField(QWidget* parent, const char* name, int chars = 8) {
    auto* field = entryField(parent, name, chars);
    setBackground(field, kTurnsGreen);
    setTextColour(field, kResultWhite);
    QFont bold = field->font();
    bold.setBold(true);
    field->setFont(bold);
    return field;
}

// A yellow pick-only list of unit names, at `position`.
template <std::size_t N>
QComboBox* unitList(QWidget* parent, const char* name, const std::array<std::string_view, N>& items, int position,
                    int tag = 0) {
    auto* list = make<QComboBox>(parent, name, tag);
    for (std::string_view item : items)
        list->addItem(fromUtf8(item));
    list->setCurrentIndex(position);
    setBackground(list, kListYellow);
    return list;
}

} // namespace torvex::gui::aircore
