// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/hints.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

namespace torvex::gui {

namespace {
constexpr const char* kHint = "hint";
constexpr const char* kShowHint = "showHint";

void refreshToolTip(QObject* component) {
    const QString tip = showsHint(component) ? ShortHint(hintOf(component)) : QString();
    if (auto* w = qobject_cast<QWidget*>(component))
        w->setToolTip(tip);
    else if (auto* a = qobject_cast<QAction*>(component))
        a->setToolTip(tip);
}
} // namespace

QString ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void setHint(QObject* component, const QString& hint) {
    component->setProperty(kHint, hint);
    if (auto* a = qobject_cast<QAction*>(component))
        a->setStatusTip(LongHint(hint));
    refreshToolTip(component);
}

QString hintOf(const QObject* component) { return component->property(kHint).toString(); }

void setShowHint(QObject* component, bool on) {
    component->setProperty(kShowHint, on);
    refreshToolTip(component);
}

bool showsHint(const QObject* component) {
    const QVariant v = component->property(kShowHint);
    return !v.isValid() || v.toBool();
}

HintTracker::HintTracker(QObject* parent) : QObject(parent) {}

void HintTracker::setHandler(std::function<void(const QString&)> handler) { m_handler = std::move(handler); }

QString HintTracker::currentHintFor(const QWidget* w) {
    for (; w; w = w->parentWidget()) {
        const QString hint = hintOf(w);
        if (!hint.isEmpty())
            return LongHint(hint);
    }
    return {};
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        if (auto* w = qobject_cast<QWidget*>(watched))
            update(currentHintFor(w));
    } else if (event->type() == QEvent::Leave) {
        if (auto* w = qobject_cast<QWidget*>(watched))
            update(currentHintFor(w->parentWidget()));
    }
    return QObject::eventFilter(watched, event);
}

void HintTracker::update(const QString& hint) {
    if (hint == m_current)
        return;
    m_current = hint;
    if (m_handler)
        m_handler(hint);
}

} // namespace torvex::gui
