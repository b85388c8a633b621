// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace torvex::test {

// Finds a named control or fails the test.
template <class W> W* control(QObject* root, const char* name) {
    W* w = root->findChild<W*>(QLatin1String(name));
    if (!w)
        qWarning("control %s not found", name);
    return w;
}

// Picks a list position the way a user does (the list's `activated` signal).
inline void choose(QComboBox* list, int position) {
    list->setCurrentIndex(position);
    emit list->activated(position);
}

// Empties a field and types the text key by key.
inline void retype(QWidget* field, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->clear();
    else if (auto* combo = qobject_cast<QComboBox*>(field))
        combo->clearEditText();
    QTest::keyClicks(field, text);
}

inline QString labelText(QObject* root, const char* name) {
    auto* label = root->findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

} // namespace torvex::test
