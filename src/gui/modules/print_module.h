// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The boundary between the program and its printing, which lives in a module
// of its own: Qt Print Support is loaded only when the user first prints.
// Both sides include this header; it holds nothing but a pure interface.

#include <QString>
#include <QtPlugin>
#include <functional>

class QWidget;

namespace torvex::gui {

class PrintModule {
public:
    // Called once the printer refused the job, with its name (or the file).
    using Failed = std::function<void(const QString& printer)>;

    virtual ~PrintModule() = default;
    // Opens the print dialog over `parent`, modal to that window only, and
    // returns at once; when the user accepts, prints the HTML document on
    // the chosen printer or into the chosen PDF file. The dialog's
    // objectName is kPrintDialogName.
    virtual void printDocument(QWidget* parent, const QString& title, const QString& html, Failed failed) = 0;
    // Prints the document into a PDF file without a dialog; false when the
    // file cannot be written.
    virtual bool printToPdf(const QString& title, const QString& html, const QString& file) = 0;
};

inline constexpr const char* kPrintDialogName = "printDialog";

} // namespace torvex::gui

// Raised with every change of the interface above.
#define TORVEX_PRINT_MODULE_IID "org.torvex.Torvex.PrintModule/1"
Q_DECLARE_INTERFACE(torvex::gui::PrintModule, TORVEX_PRINT_MODULE_IID)
