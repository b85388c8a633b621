// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/stored_inputs.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>

namespace torvex::gui {

namespace {

// An editable list keeps its text apart from a position, so that a text
// stored in one measurement system is not read as a position in the other.
QString editTextKey(const QWidget* list) { return list->objectName() + QStringLiteral(".text"); }

const QString kLeft = QStringLiteral("left");
const QString kTop = QStringLiteral("top");
// Enough of the title bar to take hold of the window.
constexpr QSize kGrip{100, 30};
constexpr int kFarthest = 1'000'000;

bool localSeparator(const QString& separator) { return !separator.isEmpty() && separator != QLatin1String("."); }

QString stored(QString text, const QString& separator) {
    return localSeparator(separator) ? text.replace(separator, QStringLiteral(".")) : text;
}

QString shown(QString text, const QString& separator) {
    return localSeparator(separator) ? text.replace(QStringLiteral("."), separator) : text;
}

// Only the program's named controls: Qt's inner parts (the line edit of a
// list or spin box) and nameless helpers are not inputs of their own.
template <class W> QList<W*> inputs(const QWidget& root) {
    QList<W*> named;
    for (W* w : root.findChildren<W*>()) {
        const QWidget* parent = w->parentWidget();
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<const QComboBox*>(parent) || qobject_cast<const QAbstractSpinBox*>(parent))
            continue;
        named << w;
    }
    return named;
}

} // namespace

void StoreInputs(const QWidget& root, const QString& separator, StoredValues& values) {
    for (const QLineEdit* field : inputs<QLineEdit>(root))
        if (!field->isReadOnly())
            values.set(field->objectName(), stored(field->text(), separator));
    for (const QComboBox* list : inputs<QComboBox>(root)) {
        if (list->isEditable())
            values.set(editTextKey(list), stored(list->currentText(), separator));
        else if (list->currentIndex() >= 0)
            values.set(list->objectName(), QString::number(list->currentIndex()));
    }
    for (const QRadioButton* option : inputs<QRadioButton>(root))
        values.set(option->objectName(), option->isChecked() ? QStringLiteral("true") : QStringLiteral("false"));
    for (const QSpinBox* spin : inputs<QSpinBox>(root))
        values.set(spin->objectName(), QString::number(spin->value()));
}

bool RestoreInputs(QWidget& root, const QString& separator, const StoredValues& values) {
    bool restored = false;
    for (QLineEdit* field : inputs<QLineEdit>(root)) {
        const std::optional<QString> text = values.decimal(field->objectName());
        if (!text || field->isReadOnly())
            continue;
        const QSignalBlocker quiet(field);
        field->setText(shown(*text, separator));
        restored = true;
    }
    for (QComboBox* list : inputs<QComboBox>(root)) {
        const QSignalBlocker quiet(list);
        if (list->isEditable()) {
            if (const std::optional<QString> text = values.decimal(editTextKey(list))) {
                list->setEditText(shown(*text, separator));
                restored = true;
            }
        } else if (const std::optional<int> position = values.number(list->objectName(), 0, list->count() - 1)) {
            list->setCurrentIndex(*position);
            restored = true;
        }
    }
    for (QRadioButton* option : inputs<QRadioButton>(root)) {
        if (values.flag(option->objectName()) == true) {
            const QSignalBlocker quiet(option);
            option->setChecked(true);
            restored = true;
        }
    }
    for (QSpinBox* spin : inputs<QSpinBox>(root)) {
        if (const std::optional<int> value = values.number(spin->objectName(), spin->minimum(), spin->maximum())) {
            const QSignalBlocker quiet(spin);
            spin->setValue(*value);
            restored = true;
        }
    }
    return restored;
}

void StorePlace(const QWidget& window, StoredValues& values) {
    // A window never shown nor moved has no place of its own yet.
    if (!window.windowHandle() && !window.testAttribute(Qt::WA_Moved))
        return;
    values.set(kLeft, QString::number(window.pos().x()));
    values.set(kTop, QString::number(window.pos().y()));
}

void RestorePlace(QWidget& window, const StoredValues& values) {
    const std::optional<int> left = values.number(kLeft, -kFarthest, kFarthest);
    const std::optional<int> top = values.number(kTop, -kFarthest, kFarthest);
    if (!left || !top)
        return;
    const QRect grip(QPoint(*left, *top), kGrip);
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(grip)) {
            window.move(grip.topLeft());
            return;
        }
    }
}

} // namespace torvex::gui
