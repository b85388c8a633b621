// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/decimal_key_filter.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace torvex::gui {

QChar FilterDecimalKey(QChar typed, const QString& decimalSeparator) {
    if (decimalSeparator == QLatin1String(",") && typed == QLatin1Char('.'))
        typed = QLatin1Char(',');
    if (decimalSeparator == QLatin1String(".") && typed == QLatin1Char(','))
        typed = QLatin1Char('.');
    return typed;
}

DecimalKeyFilter::DecimalKeyFilter(std::function<QString()> separator, QObject* parent)
    : QObject(parent), m_separator(std::move(separator)) {}

void DecimalKeyFilter::attach(QWidget* field) {
    field->installEventFilter(this);
    // An editable list hands typed keys to its line edit; filter there too.
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
}

bool DecimalKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().size() != 1)
        return QObject::eventFilter(watched, event);
    const QChar typed = key->text().at(0);
    const QChar mapped = FilterDecimalKey(typed, m_separator());
    if (mapped == typed)
        return QObject::eventFilter(watched, event);
    // Deliver the mapped character instead; the replacement passes this
    // filter unchanged because it is already the separator.
    const int code = mapped == QLatin1Char(',') ? Qt::Key_Comma : Qt::Key_Period;
    QKeyEvent replacement(QEvent::KeyPress, code, key->modifiers(), QString(mapped), key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &replacement);
    return true;
}

} // namespace torvex::gui
