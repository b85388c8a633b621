// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked with the program's own src/app/main.cpp, unchanged: the whole real
// start-up (the application, the platform read from the user's locale, the
// main window and its front page built with the start-up choices and the
// first recompute, the main window shown). This file only adds a hook that quits
// once the main window has been painted for the first time.

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>

#include "first_paint.h"

namespace {

// Watches the application until the main window is about to be shown, then
// hands over to a paint watcher on that window alone.
class MainWindowSpotter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<QMainWindow*>(watched)) {
            new QuitAfterFirstPaint(watched);
            qApp->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

// Runs as the application object is constructed, before main() goes on.
void InstallSpotter() { qApp->installEventFilter(new MainWindowSpotter); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallSpotter)
