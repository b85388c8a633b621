#pragma once

// Typing and checking helpers for the tests that look at what a recompute
// wrote (and what it left alone when it failed).

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

// "Edit20=4.9" pairs: each field is emptied and the text typed key by key, in
// the order given.
inline void typeFields(QWidget* root, const QStringList& assignments) {
    for (const QString& assignment : assignments) {
        const QString name = assignment.section(QLatin1Char('='), 0, 0);
        const QString text = assignment.section(QLatin1Char('='), 1);
        QWidget* field = root->findChild<QWidget*>(name);
        QVERIFY2(field, qPrintable(name));
        retype(field, text);
    }
}

// Puts the cursor at the start (Home) or the end (End) of a field, where a
// user would click to add a sign in front or a character after the number.
inline void placeCursor(QWidget* field, bool atStart) {
    QTest::keyClick(field, Qt::Key_End);
    if (atStart)
        QTest::keyClick(field, Qt::Key_Home);
}

// Marks output labels so that a test can tell which ones the next recompute
// writes.
inline const QString kUntouched = QStringLiteral("§");

inline void markUntouched(QWidget* root, const QStringList& labels) {
    for (const QString& name : labels)
        if (auto* label = root->findChild<QLabel*>(name))
            label->setText(kUntouched);
}

// Compares the outputs after a recompute: the labels named in `written`
// ("Label49= 45") show those texts, every other label of `outputs` still shows
// the mark.
// The last keystroke of `keys` is the one under test: the keys before it are
// typed first, then the outputs are marked.
inline void typeLastKeyMarked(QWidget* root, QWidget* field, bool atStart, const QString& keys,
                              const QStringList& outputs) {
    placeCursor(field, atStart);
    QTest::keyClicks(field, keys.chopped(1));
    markUntouched(root, outputs);
    QTest::keyClicks(field, keys.right(1));
}

inline void verifyOutputs(QWidget* root, const QStringList& outputs, const QStringList& written) {
    for (const QString& name : outputs) {
        QString expected = kUntouched;
        for (const QString& w : written)
            if (w.section(QLatin1Char('='), 0, 0) == name)
                expected = w.section(QLatin1Char('='), 1);
        auto* label = root->findChild<QLabel*>(name);
        QVERIFY2(label, qPrintable(name));
        QVERIFY2(label->text() == expected,
                 qPrintable(QStringLiteral("%1 shows '%2', expected '%3'").arg(name, label->text(), expected)));
    }
}

// No label of the window may ever show a failed computation's value.
inline void verifyNoNanOrInf(QWidget* root) {
    static const QRegularExpression bad(QStringLiteral("nan|inf"), QRegularExpression::CaseInsensitiveOption);
    for (const QLabel* label : root->findChildren<QLabel*>())
        QVERIFY2(!bad.match(label->text()).hasMatch(),
                 qPrintable(QStringLiteral("%1 shows '%2'").arg(label->objectName(), label->text())));
}

} // namespace torvex::test
