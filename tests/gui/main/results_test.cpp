// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Copying, saving and printing results: what lands on the clipboard, in a
// file and on paper, and which key press copies what.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "modules/print_module.h"
#include "pages/page.h"
#include "started_program.h"
#include "support/ui_helpers.h"
#include "tools/about_window.h"
#include "tools/ferrite_window_loader.h"
#include "tools/print_module_loader.h"
#include "tools/results_commands.h"
#include "widgets/report_source.h"
#include "widgets/result_label.h"

using namespace torvex;
using test::StartedProgram;

namespace {

// The worked example of the iron-powder page: T50 in mix 2, 10 µH at 7 MHz,
// 20 turns.
void typeWorkedExample(StartedProgram& p) {
    test::retype(p.find("Edit1"), QStringLiteral("10"));
    test::choose(p.find<QComboBox>("ComboBox10"), 2);
    test::retype(p.find("Edit3"), QStringLiteral("7"));
    test::retype(p.find("Edit2"), QStringLiteral("20"));
}

void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void pressCopy(QWidget* focus) {
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
}

QString clipboardText() { return QApplication::clipboard()->text(); }

} // namespace

class ResultsTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlCOnAListCopiesTheResults_data();
    void ctrlCOnAListCopiesTheResults();
    void ctrlCCopiesTheSelectionWhereThereIsOne();
    void everyPageAndWindowHasResultsAndTheMenu();
    void saveWritesUtf8TextOrCsv_data();
    void saveWritesUtf8TextOrCsv();
    void aFailedSaveSaysSo();
    void printsThroughTheDialogIntoPdf();
    void printToPdfSaysWhetherItPrinted_data();
    void printToPdfSaysWhetherItPrinted();
    void aMissingPrintModuleIsReported();
    void resultFieldsAreSelectableAndLookTheSame();
    void aboutOpensTheLicence();
};

void ResultsTest::ctrlCOnAListCopiesTheResults_data() {
    QTest::addColumn<int>("languageId");
    QTest::addColumn<QStringList>("expected");
    // The worked example's turns, XL and inductance of 20 turns, with the
    // page's own words in each language.
    const QStringList results{"T50", "45.2", "439.823", "1.960"};
    QTest::newRow("German") << 1031 << results + QStringList{"Kerngröße", "Hersteller", "AMIDON", "rot", "µH"};
    QTest::newRow("English, US units") << 1033 << results + QStringList{"Core size", "Manufacturer", "red", "ft"};
}

void ResultsTest::ctrlCOnAListCopiesTheResults() {
    QFETCH(int, languageId);
    QFETCH(QStringList, expected);
    StartedProgram p(languageId, QStringLiteral("."));
    showActive(p.main());
    typeWorkedExample(p);
    QApplication::clipboard()->clear();

    pressCopy(p.find("ComboBox2"));
    const QString text = clipboardText();
    for (const QString& part : expected)
        QVERIFY2(text.contains(part), qPrintable(part + QStringLiteral(" missing in:\n") + text));
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data->hasHtml());
    QVERIFY(data->html().contains(QStringLiteral("<td align=\"right\">439.823</td>")));

    // An entry field with nothing selected does not keep Ctrl+C from the results.
    QApplication::clipboard()->clear();
    auto* field = p.find<QLineEdit>("Edit3");
    field->deselect();
    pressCopy(field);
    QVERIFY(clipboardText().contains(QStringLiteral("439.823")));
    QCOMPARE(p.errors.messages, QStringList());
}

void ResultsTest::ctrlCCopiesTheSelectionWhereThereIsOne() {
    StartedProgram p(1031, QStringLiteral(","));
    showActive(p.main());
    typeWorkedExample(p);

    auto* field = p.find<QLineEdit>("Edit3");
    field->setFocus();
    field->selectAll();
    pressCopy(field);
    QCOMPARE(clipboardText(), QStringLiteral("7"));

    auto* turns = p.find<QLabel>("Label36");
    turns->setSelection(0, 2);
    pressCopy(turns);
    QCOMPARE(clipboardText(), QStringLiteral("45"));

    // A spin box without a selection lets Ctrl+C through to its window's results.
    p.action("ferriteImpedanceAction")->trigger();
    QWidget* ferrite = p.find("FerriteImpedanceWindow");
    showActive(ferrite);
    pressCopy(ferrite->findChild<QWidget*>(QStringLiteral("stackSpin")));
    QVERIFY2(clipboardText().startsWith(QStringLiteral("Torvex 1.1.2 \u2013 Ferrit-Impedanz (HF)\n")),
             qPrintable(clipboardText()));
}

// Each page and tool window, opened as a user opens it, reports what it
// shows and offers the three commands on a right click.
void ResultsTest::everyPageAndWindowHasResultsAndTheMenu() {
    StartedProgram p(1031, QStringLiteral(","));
    QList<QWidget*> sources;
    // A page stands on its tab's sheet once the tab has shown it.
    auto pageOn = [&p](const char* sheet) {
        return p.showPage(sheet)->findChild<gui::Page*>(QString(), Qt::FindDirectChildrenOnly);
    };
    for (const char* sheet : StartedProgram::kSheets)
        sources << pageOn(sheet);
    for (const char* command : {"Schwingkreis1", "Permeabilitt1", "RCu1", "Umrechnungminch1", "ferriteImpedanceAction"})
        p.action(command)->trigger();
    for (const char* window : {"TForm2", "TForm3", "TForm4", "TForm5", "FerriteImpedanceWindow"})
        sources << p.find(window);

    gui::ResultsCommands& results = p.main()->results();
    QCOMPARE(p.main()->menuBar()->actions().value(0)->objectName(), QStringLiteral("fileMenu"));
    QCOMPARE(p.action("fileMenu")->text(), QStringLiteral("&Datei"));
    for (QWidget* source : sources) {
        QVERIFY(source);
        const QString name = source->objectName();
        QVERIFY2(qobject_cast<gui::ReportSource*>(source), qPrintable(name));
        const report::Report report = results.reportOf(source);
        QVERIFY2(!report.window.empty() && !report.sections.empty(), qPrintable(name));
        for (const report::Section& section : report.sections)
            QVERIFY2(!section.lines.empty(), qPrintable(name));
        QCOMPARE(source->contextMenuPolicy(), Qt::ActionsContextMenu);
        QVERIFY2(source->actions().contains(results.copyAction()) && source->actions().contains(results.printAction()),
                 qPrintable(name));
    }
    // The window in front is the one copied.
    showActive(p.find("TForm4"));
    QCOMPARE(results.source(), p.find("TForm4"));
    showActive(p.main());
    QCOMPARE(results.source(), pageOn("TabSheet5"));
    QCOMPARE(p.errors.messages, QStringList());
}

void ResultsTest::saveWritesUtf8TextOrCsv_data() {
    QTest::addColumn<QString>("picked");  // the file name the user types
    QTest::addColumn<int>("filter");      // the file type chosen, 0 text, 1 CSV
    QTest::addColumn<QString>("written"); // the file that must exist
    QTest::addColumn<QString>("expected");
    QTest::newRow("text") << "r.txt" << 0 << "r.txt"
                          << "  Kerngröße        T50\n";
    QTest::newRow("CSV by name") << "r.csv" << 0 << "r.csv"
                                 << "Ergebnisse,XL,439.823,Ω\r\n";
    QTest::newRow("CSV by type") << "r" << 1 << "r.csv"
                                 << "Abschnitt,Größe,Wert,Einheit\r\n";
    QTest::newRow("range with a comma") << "r.csv" << 1 << "r.csv"
                                        << "Kern,Frequenzbereich,\"0,05...0,5\",MHz\r\n";
}

void ResultsTest::saveWritesUtf8TextOrCsv() {
    QFETCH(QString, picked);
    QFETCH(int, filter);
    QFETCH(QString, written);
    QFETCH(QString, expected);
    StartedProgram p(1031, QStringLiteral(","));
    typeWorkedExample(p);
    if (expected.contains(QStringLiteral("0,05")))
        test::choose(p.find<QComboBox>("ComboBox1"), 3); // mix 3, whose range "0,05...0,5" has commas
    QTemporaryDir folder;
    p.main()->results().setSaveChooser(
        [&](QWidget*, const QString&, const QString&, const QStringList& filters, QString* chosen) {
            *chosen = filters.value(filter);
            return folder.filePath(picked);
        });
    p.main()->results().saveAction()->trigger();
    QFile file(folder.filePath(written));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(text.contains(expected), qPrintable(text));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{written}); // no temporary left
    QCOMPARE(p.errors.messages, QStringList());
}

void ResultsTest::aFailedSaveSaysSo() {
    StartedProgram p(1033, QStringLiteral("."));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/r.txt"));
    p.main()->results().setSaveChooser(
        [&](QWidget*, const QString&, const QString&, const QStringList&, QString*) { return path; });
    p.main()->results().saveAction()->trigger();
    QCOMPARE(p.errors.messages.size(), 1);
    QVERIFY2(p.errors.messages.first().contains(QDir::toNativeSeparators(path)), qPrintable(p.errors.messages.first()));
    QVERIFY(!QFile::exists(path));
}

// The print dialog opens modal to its window only and returns at once, so
// the test answers it in place of a user: print to a PDF file.
void ResultsTest::printsThroughTheDialogIntoPdf() {
    StartedProgram p(1031, QStringLiteral(","));
    showActive(p.main());
    typeWorkedExample(p);
    p.main()->results().printAction()->trigger();
    auto* dialog = p.main()->findChild<QPrintDialog*>(QStringLiteral("printDialog"));
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
    auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    QVERIFY(printers && fileName);
    printers->setCurrentIndex(printers->count() - 1); // "Print to File (PDF)"
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("out.pdf"));
    fileName->setText(path);
    dialog->accept();

    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    QVERIFY(pdf.size() > 1000);
    QCOMPARE(p.errors.messages, QStringList());
}

void ResultsTest::printToPdfSaysWhetherItPrinted_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("printed");
    QTest::newRow("into a PDF file") << "out.pdf" << true;
    QTest::newRow("into a folder that is not there") << "missing/out.pdf" << false;
}

void ResultsTest::printToPdfSaysWhetherItPrinted() {
    QFETCH(QString, file);
    QFETCH(bool, printed);
    gui::PrintModuleLoader loader(gui::FerriteWindowLoader::defaultFolders(QCoreApplication::applicationDirPath()));
    QString error;
    gui::PrintModule* module = loader.module(Language::German, error);
    QVERIFY2(module, qPrintable(error));
    QTemporaryDir folder;
    const QString path = folder.filePath(file);
    QCOMPARE(module->printToPdf(QStringLiteral("Torvex"), QStringLiteral("<table><tr><td>T50</td></tr></table>"), path),
             printed);
    QCOMPARE(QFile(path).size() > 0, printed);
}

void ResultsTest::aMissingPrintModuleIsReported() {
    gui::PrintModuleLoader loader({QStringLiteral("/nonexistent/torvex")});
    QString error;
    QVERIFY(!loader.module(Language::English, error));
    QVERIFY2(error.contains(gui::PrintModuleLoader::moduleFileName()) &&
                 error.contains(QStringLiteral("/nonexistent/torvex")),
             qPrintable(error));
}

// Selectable with the mouse, and drawn exactly as a plain result field.
void ResultsTest::resultFieldsAreSelectableAndLookTheSame() {
    StartedProgram p(1031, QStringLiteral(","));
    typeWorkedExample(p);
    for (const char* name : {"Label36", "Label24", "Label9"}) {
        auto* field = p.find<gui::ResultLabel>(name);
        QVERIFY(field);
        QVERIFY(field->textInteractionFlags() & Qt::TextSelectableByMouse);
        const QImage selectable = field->grab().toImage();
        field->setTextInteractionFlags(Qt::NoTextInteraction);
        const QImage plain = field->grab().toImage();
        field->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QVERIFY2(selectable == plain, name);
    }
}

void ResultsTest::aboutOpensTheLicence() {
    StartedProgram p(1031, QStringLiteral(","));
    p.action("Info1")->trigger();
    gui::AboutWindow& about = p.main()->aboutWindow();
    auto* licence = about.findChild<QPushButton*>(QStringLiteral("licenceButton"));
    QVERIFY(licence);
    QVERIFY(licence->text().contains(QStringLiteral("GPL")));
    QCOMPARE(test::labelText(&about, "materialDataLabel"), QStringLiteral("Materialdaten: Fair-Rite Products Corp."));
    licence->click();
    QCOMPARE(p.help.opened.last(), qMakePair(StartedProgram::kFolder + QStringLiteral("torvex11_d.hlp"),
                                             gui::MainWindow::kLicenceHelpContext));
}

QTEST_MAIN(ResultsTest)
#include "results_test.moc"
