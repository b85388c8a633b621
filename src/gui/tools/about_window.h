// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

#include "platform/display_settings.h"

class QLabel;
class QPushButton;
class QTimer;

namespace torvex::gui {

class WindowContext;

// The information window: program name, version, copyright, and two
// pictures that switch the whole program to German or English. Ctrl+Alt+Shift
// with Q, E, X swaps the program picture for a second one for five seconds.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(WindowContext& context);

    void showAndRaise();

signals:
    // The licence button: the help's page on the licence is wanted.
    void licenceWanted();

public:
    // One key press while the window is active: a letter of the sequence
    // counts only with exactly Ctrl+Alt+Shift held.
    void recordKey(int key, Qt::KeyboardModifiers modifiers);
    // The five seconds are over: the program picture comes back and the
    // sequence starts again.
    void restoreProgramPicture();

    QString keyBuffer() const { return m_keyBuffer; }
    QTimer* timer() const { return m_timer; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override; // draws the pictures the first time

private:
    void followSettings(DisplaySettings::Change what);

    WindowContext& m_context;
    QLabel* m_programIcon = nullptr;
    QLabel* m_secondPicture = nullptr;
    QPushButton* m_ok = nullptr;
    QTimer* m_timer = nullptr;
    QString m_keyBuffer; // lives as long as the program
    bool m_picturesDrawn = false;
};

} // namespace torvex::gui
