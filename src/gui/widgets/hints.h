// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace torvex::gui {

// A hint has a short part (the tooltip) and a long part (the status line),
// separated by the first "|". Without "|", both are the whole text.
QString ShortHint(const QString& hint);
QString LongHint(const QString& hint);

// Sets the whole hint of a component (widget or action). The tooltip shows the
// short part while the component's tooltips are switched on.
void setHint(QObject* component, const QString& hint);
QString hintOf(const QObject* component);
// Switches the tooltip of a component on or off; its hint stays and still
// reaches the status line.
void setShowHint(QObject* component, bool on);
bool showsHint(const QObject* component);

// Follows the mouse over the application's widgets and reports the long part
// of the hint of the widget under it (or of its nearest ancestor that has a
// hint; empty over widgets without one) each time that text changes.
class HintTracker : public QObject {
    Q_OBJECT
public:
    explicit HintTracker(QObject* parent = nullptr);
    void setHandler(std::function<void(const QString& longHint)> handler);
    // The long hint for a widget, searching its ancestors.
    static QString currentHintFor(const QWidget* w);
    QString currentHint() const { return m_current; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void update(const QString& hint);
    std::function<void(const QString&)> m_handler;
    QString m_current;
};

} // namespace torvex::gui
