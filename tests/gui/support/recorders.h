// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPair>
#include <QStringList>

#include "platform/platform.h"

namespace torvex::test {

// Records every error the program would show in a message box.
class RecordingErrorReporter : public gui::ErrorReporter {
public:
    void showError(const QString& message) override { messages << message; }
    QStringList messages;
};

// Records what the help viewer is asked to open; context -1 is the contents.
class RecordingHelpViewer : public gui::HelpViewer {
public:
    void showContents(const QString& helpFile) override { opened << qMakePair(helpFile, -1); }
    void showContext(const QString& helpFile, int context) override { opened << qMakePair(helpFile, context); }
    void close() override { ++closed; }
    void followLanguage(const QString& helpFile) override { followed << helpFile; }
    QList<QPair<QString, int>> opened;
    QStringList followed;
    int closed = 0;
};

} // namespace torvex::test
