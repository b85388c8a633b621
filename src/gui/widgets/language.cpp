// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/language.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>

#include "platform/application_title.h"
#include "text/text_table.h"
#include "widgets/hints.h"
#include "widgets/make.h"

namespace torvex::gui {

namespace {

QString text(int id, Language language) {
    const std::string_view t = torvex::LoadText(id, language);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString kindOf(const QObject* o) { return o->property("torvexKind").toString(); }

// A picture takes only a hint; writing a caption would wipe it.
bool isImage(const QObject* o) {
    if (kindOf(o) == QLatin1String("image"))
        return true;
    const auto* label = qobject_cast<const QLabel*>(o);
    return label && !label->pixmap().isNull();
}

// The page control a page belongs to (its parent is the control's stack).
QTabWidget* pageControlOf(QWidget* w) {
    QWidget* stack = w->parentWidget();
    if (!qobject_cast<QStackedWidget*>(stack))
        return nullptr;
    auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
    return tabs && tabs->indexOf(w) >= 0 ? tabs : nullptr;
}

void applyToComponent(QObject* component, int tag, Language language) {
    const int captionId = tag;
    const int hintId = tag + 500;

    if (auto* action = qobject_cast<QAction*>(component)) {
        action->setText(text(captionId, language));
        return;
    }
    auto* w = qobject_cast<QWidget*>(component);
    if (!w)
        return;

    if (isImage(w)) {
        setHint(w, text(hintId, language));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(text(captionId, language));
        setHint(label, text(hintId, language));
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        radio->setText(text(captionId, language));
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        check->setText(text(captionId, language));
        setHint(check, text(hintId, language));
    } else if (qobject_cast<QToolButton*>(w)) {
        setHint(w, text(hintId, language));
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(text(captionId, language));
        setHint(button, text(hintId, language));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(text(captionId, language));
        setHint(group, text(hintId, language));
        // A radio group also names each of its entries.
        if (kindOf(group) == QLatin1String("radioGroup")) {
            const auto entries = group->findChildren<QRadioButton*>();
            for (qsizetype k = 0; k < entries.size(); ++k)
                entries[k]->setText(text(tag + int(k) + 1, language));
        }
    } else if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
               qobject_cast<QTextEdit*>(w)) {
        setHint(w, text(hintId, language));
    } else if (QTabWidget* tabs = pageControlOf(w)) {
        tabs->setTabText(tabs->indexOf(w), text(captionId, language));
    } else if (kindOf(w) == QLatin1String("panel")) {
        w->setProperty("text", text(captionId, language));
    }
}

} // namespace

void ApplyLanguage(const QList<QWidget*>& windows, Language language) {
    SetApplicationTitle(text(357, language));
    for (QWidget* window : windows) {
        if (!window)
            continue;
        const QObjectList components = window->findChildren<QObject*>();
        // A window without components keeps its caption.
        if (const int windowTag = tagOf(window); windowTag != 0 && !components.isEmpty())
            window->setWindowTitle(text(windowTag, language));
        for (QObject* component : components)
            if (const int tag = tagOf(component); tag != 0)
                applyToComponent(component, tag, language);
    }
}

} // namespace torvex::gui
