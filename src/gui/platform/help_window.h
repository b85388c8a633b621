// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/platform.h"
#include <QPointer>

class QTextBrowser;
class QWidget;

namespace torvex::gui {

// A non-modal help window of our own. The help files are HTML files in the
// program's folder with one anchor per context number ("context-41"). A file
// that cannot be read is reported through `errors` (a message box when null).
class HelpWindow : public HelpViewer {
public:
    explicit HelpWindow(ErrorReporter* errors = nullptr);
    ~HelpWindow() override;
    void showContents(const QString& helpFile) override;
    void showContext(const QString& helpFile, int context) override;
    void close() override;
    void followLanguage(const QString& helpFile) override;

    QWidget* window() const; // null until first shown
    QString currentFile() const;

private:
    enum class Bring { ToFront, Quietly };
    bool open(const QString& helpFile, const QString& anchor, Bring bring = Bring::ToFront);
    void followLink(const QUrl& url);
    void reportMissing(const QString& helpFile);
    ErrorReporter* m_errors = nullptr;
    QPointer<QWidget> m_window;
    QTextBrowser* m_browser = nullptr;
    QString m_file;
    QString m_anchor; // the topic shown last ("context-41"), empty for the contents
};

} // namespace torvex::gui
