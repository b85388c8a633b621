// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/captions.h"

#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace torvex::gui {

namespace {

constexpr int kLookAhead = 2; // grid cells to the right of a caption

// The field an item holds: a field itself, or the first field of a cell
// that groups a field with its marks and unit.
QWidget* InputAt(QLayoutItem* item) {
    if (!item)
        return nullptr;
    if (QLayout* cell = item->layout()) {
        for (int i = 0; i < cell->count(); ++i)
            if (QWidget* field = InputAt(cell->itemAt(i)))
                return field;
        return nullptr;
    }
    QWidget* w = item->widget();
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w))
        return w;
    return nullptr;
}

// A caption names something ("D", "@"); marks such as "# ", "-" or "=>"
// name nothing.
QLabel* CaptionAt(QLayoutItem* item) {
    auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    if (!label || label->buddy())
        return nullptr;
    const QString marks = QStringLiteral("#-=> ");
    const QString text = label->text();
    return std::any_of(text.begin(), text.end(), [&](QChar c) { return !marks.contains(c); }) ? label : nullptr;
}

void Link(QLabel* caption, QWidget* field) {
    if (caption && field)
        caption->setBuddy(field);
}

} // namespace

void LinkCaptionsToFields(QWidget* root) {
    for (QLayout* layout : root->findChildren<QLayout*>()) {
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            // The field to the right of the caption (past a mark such as "# "
            // or an empty cell), else the one below it.
            for (int row = 0; row < grid->rowCount(); ++row)
                for (int column = 0; column < grid->columnCount(); ++column)
                    if (QLabel* caption = CaptionAt(grid->itemAtPosition(row, column))) {
                        QWidget* field = nullptr;
                        for (int next = column + 1; !field && next <= column + kLookAhead; ++next) {
                            QLayoutItem* item = grid->itemAtPosition(row, next);
                            field = InputAt(item);
                            if (item && !field && !qobject_cast<QLabel*>(item->widget()))
                                break;
                        }
                        Link(caption, field ? field : InputAt(grid->itemAtPosition(row + 1, column)));
                    }
        } else if (qobject_cast<QBoxLayout*>(layout)) {
            for (int i = 0; i + 1 < layout->count(); ++i)
                Link(CaptionAt(layout->itemAt(i)), InputAt(layout->itemAt(i + 1)));
        }
    }
}

} // namespace torvex::gui
