// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The print module's entry: the print dialog and the painting of a report
// onto pages, with Qt Print Support, which only this module links.

#include <QAbstractTextDocumentLayout>
#include <QObject>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

#include "modules/print_module.h"

namespace torvex::gui {

namespace {

// Lays the document out on the printer's pages and paints them one by one;
// false when the printer does not start (no such printer, a file that
// cannot be written).
bool PrintHtml(QPrinter& printer, const QString& title, const QString& html) {
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    document.setHtml(html);
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    document.setPageSize(page.size());
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            printer.newPage();
        painter.save();
        const QRectF shown(0, i * page.height(), page.width(), page.height());
        painter.translate(0, -shown.top());
        document.drawContents(&painter, shown);
        painter.restore();
    }
    return painter.end();
}

} // namespace

class PrintPlugin : public QObject, public PrintModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TORVEX_PRINT_MODULE_IID FILE "print.json")
    Q_INTERFACES(torvex::gui::PrintModule)
public:
    void printDocument(QWidget* parent, const QString& title, const QString& html, Failed failed) override {
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        auto* dialog = new QPrintDialog(printer.get(), parent);
        dialog->setObjectName(QLatin1String(kPrintDialogName));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::WindowModal);
        QObject::connect(dialog, &QDialog::accepted, dialog, [printer, title, html, failed = std::move(failed)] {
            if (!PrintHtml(*printer, title, html) && failed)
                failed(printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName());
        });
        dialog->open();
    }

    bool printToPdf(const QString& title, const QString& html, const QString& file) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return PrintHtml(printer, title, html);
    }
};

} // namespace torvex::gui

#include "print_plugin.moc"
