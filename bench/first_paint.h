// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

// Ends the process once the watched window has been painted for the first
// time: the exit is queued, so the paint completes first. It ends without
// tearing anything down, so that a run measures from exec to the first
// paint, whatever a program would take to close its windows.
class QuitAfterFirstPaint : public QObject {
public:
    explicit QuitAfterFirstPaint(QObject* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};
