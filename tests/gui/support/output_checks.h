// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Typing and checking helpers for the tests that look at what a recompute
// showed (and what it left alone when it failed).

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include "support/ui_helpers.h"

namespace torvex::test {

// The program's two error messages.
inline const QString kFloatingPoint = QStringLiteral("Fehler bei Fließkommaoperation");
inline QString notANumber(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Fließkommawert").arg(text);
}

// What a user does, in order: "Edit20=4.9" empties the field and types the
// text key by key; "ComboBox7#2" picks the list's third entry.
inline void typeFields(QWidget* root, const QStringList& actions) {
    for (const QString& action : actions) {
        const bool pick = !action.contains(QLatin1Char('=')) && action.contains(QLatin1Char('#'));
        const QString name = action.section(pick ? QLatin1Char('#') : QLatin1Char('='), 0, 0);
        const QString value = action.section(pick ? QLatin1Char('#') : QLatin1Char('='), 1);
        QWidget* control = root->findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        if (pick)
            choose(qobject_cast<QComboBox*>(control), value.toInt());
        else
            retype(control, value);
    }
}

// "Label36=45.2": every label shows its text; all differences are reported.
inline void verifyTexts(QWidget* root, const QStringList& expected) {
    QStringList wrong;
    for (const QString& e : expected) {
        const QString name = e.section(QLatin1Char('='), 0, 0), text = e.section(QLatin1Char('='), 1);
        auto* label = root->findChild<QLabel*>(name);
        if (!label || label->text() != text)
            wrong << QStringLiteral("%1 shows '%2', expected '%3'").arg(name, label ? label->text() : "<none>", text);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

// Marks output labels so that a test can tell which ones the next recompute
// writes.
inline const QString kUntouched = QStringLiteral("§");

inline void markUntouched(QWidget* root, const QStringList& labels) {
    for (const QString& name : labels)
        if (auto* label = root->findChild<QLabel*>(name))
            label->setText(kUntouched);
}

// The last keystroke of `keys` is the one under test: the cursor goes to the
// start of the field or its end, the keys before it are typed, the outputs
// are marked, then the last key is typed.
inline void typeLastKeyMarked(QWidget* root, QWidget* field, bool atStart, const QString& keys,
                              const QStringList& outputs) {
    QTest::keyClick(field, Qt::Key_End);
    if (atStart)
        QTest::keyClick(field, Qt::Key_Home);
    QTest::keyClicks(field, keys.chopped(1));
    markUntouched(root, outputs);
    QTest::keyClicks(field, keys.right(1));
}

// The labels named in `written` ("Label49= 45") show those texts; every other
// label of `outputs` still shows the mark.
inline void verifyOutputs(QWidget* root, const QStringList& outputs, const QStringList& written) {
    QStringList expected;
    for (const QString& name : outputs) {
        QString text = kUntouched;
        for (const QString& w : written)
            if (w.section(QLatin1Char('='), 0, 0) == name)
                text = w.section(QLatin1Char('='), 1);
        expected << name + QLatin1Char('=') + text;
    }
    verifyTexts(root, expected);
}

// No label of the window may ever show a failed computation's value.
inline void verifyNoNanOrInf(QWidget* root) {
    static const QRegularExpression bad(QStringLiteral("\\b(nan|inf)\\b"), QRegularExpression::CaseInsensitiveOption);
    for (const QLabel* label : root->findChildren<QLabel*>())
        QVERIFY2(!bad.match(label->text()).hasMatch(),
                 qPrintable(QStringLiteral("%1 shows '%2'").arg(label->objectName(), label->text())));
}

} // namespace torvex::test
