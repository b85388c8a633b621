// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/results_commands.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSaveFile>

#include "modules/print_module.h"
#include "platform/platform.h"
#include "text/text_table.h"
#include "tools/print_module_loader.h"
#include "version.h"
#include "widgets/builders.h"
#include "widgets/hints.h"
#include "widgets/make.h"
#include "widgets/report_source.h"
#include "widgets/window_context.h"

namespace torvex::gui {

namespace {

constexpr int kFileMenuText = 2000;
constexpr int kCopyText = 2001;
constexpr int kSaveText = 2002;
constexpr int kPrintText = 2003;
constexpr int kCsvHeadingText = 2030; // section, quantity, value, unit
constexpr int kSaveTitleText = 2040;
constexpr int kTextFilterText = 2041;
constexpr int kCsvFilterText = 2042;
constexpr int kFileNameText = 2043;
constexpr int kNotSavedText = 2450;
constexpr int kNotPrintedText = 2453;

QString Utf8Of(const std::string& text) { return QString::fromStdString(text); }

QString TitleOf(const report::Report& report) {
    return Utf8Of(report.window.empty() ? report.program : report.program + " \u2013 " + report.window);
}

// The entry field that takes Ctrl+C when it has the focus: the field
// itself, or the one inside an editable list or a spin box.
const QLineEdit* EntryFieldOf(const QWidget* focus) {
    if (const auto* field = qobject_cast<const QLineEdit*>(focus))
        return field;
    if (const auto* list = qobject_cast<const QComboBox*>(focus))
        return list->lineEdit();
    if (qobject_cast<const QAbstractSpinBox*>(focus))
        return focus->findChild<const QLineEdit*>();
    return nullptr;
}

} // namespace

ResultsCommands::ResultsCommands(WindowContext& context, QWidget* mainWindow, PageInFront pageInFront,
                                 QStringList moduleFolders)
    : QObject(mainWindow), m_context(context), m_mainWindow(mainWindow), m_pageInFront(std::move(pageInFront)),
      m_chooser([](QWidget* parent, const QString& title, const QString& suggested, const QStringList& filters,
                   QString* chosenFilter) {
          return QFileDialog::getSaveFileName(parent, title, suggested, filters.join(QStringLiteral(";;")),
                                              chosenFilter);
      }),
      m_printLoader(std::make_unique<PrintModuleLoader>(std::move(moduleFolders))) {
    const Language shown = m_context.settings().language();
    auto command = [&](const char* name, int tag, QKeySequence::StandardKey key, void (ResultsCommands::*slot)()) {
        auto* action = make<QAction>(this, name, tag);
        action->setText(TableText(tag, shown));
        action->setShortcut(QKeySequence(key));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_copy = command("copyResultsAction", kCopyText, QKeySequence::Copy, &ResultsCommands::copyResults);
    m_save = command("saveResultsAction", kSaveText, QKeySequence::Save, &ResultsCommands::saveResults);
    m_print = command("printAction", kPrintText, QKeySequence::Print, &ResultsCommands::print);
    followSettings(DisplaySettings::Change::Language);
    connect(&m_context.settings(), &DisplaySettings::changed, this, &ResultsCommands::followSettings);
    qApp->installEventFilter(this);
}

ResultsCommands::~ResultsCommands() = default;

QMenu* ResultsCommands::addMenu(QMenuBar* bar) {
    auto* menu = make<QMenu>(bar, "fileMenu");
    QAction* item = menu->menuAction();
    item->setObjectName(QStringLiteral("fileMenu"));
    item->setProperty("tag", kFileMenuText);
    item->setText(TableText(kFileMenuText, m_context.settings().language()));
    menu->addActions({m_copy, m_save, m_print});
    const QList<QAction*> items = bar->actions();
    bar->insertMenu(items.isEmpty() ? nullptr : items.first(), menu);
    return menu;
}

void ResultsCommands::addContextMenu(QWidget* pageOrWindow) {
    pageOrWindow->setContextMenuPolicy(Qt::ActionsContextMenu);
    // In a window of its own, the actions also bring their keys to it.
    pageOrWindow->addActions({m_copy, m_save, m_print});
}

void ResultsCommands::followSettings(DisplaySettings::Change what) {
    if (what != DisplaySettings::Change::Language)
        return;
    const Language shown = m_context.settings().language();
    for (QAction* action : {m_copy, m_save, m_print}) {
        const int tag = action->property("tag").toInt();
        action->setText(TableText(tag, shown));
        setHint(action, TableText(tag + 500, shown));
    }
}

QWidget* ResultsCommands::source() const {
    QWidget* active = QApplication::activeWindow();
    if (active && active != m_mainWindow && qobject_cast<ReportSource*>(active))
        return active;
    return m_pageInFront ? m_pageInFront() : nullptr;
}

report::Report ResultsCommands::reportOf(QWidget* source) const {
    const auto* reportSource = qobject_cast<ReportSource*>(source);
    if (!reportSource)
        return {};
    report::Report report = reportSource->report();
    report.program = "Torvex " + std::string(kVersion);
    // A page takes its caption from the tab's sheet it stands on.
    const QWidget* tagged = source->property("tag").isValid() ? source : source->parentWidget();
    QString window = source->isWindow() || !tagged
                         ? source->windowTitle()
                         : TableText(tagged->property("tag").toInt(), m_context.settings().language());
    report.window = window.remove(QLatin1Char('&')).trimmed().toStdString();
    return report;
}

void ResultsCommands::copyResults() {
    QWidget* from = source();
    if (!qobject_cast<ReportSource*>(from))
        return;
    const report::Report report = reportOf(from);
    auto* data = new QMimeData;
    data->setText(Utf8Of(report::PlainText(report)));
    data->setHtml(Utf8Of(report::Html(report)));
    QApplication::clipboard()->setMimeData(data);
}

// Written to a temporary file beside the chosen one and renamed over it only
// when every byte is on the disk: a failed save never leaves half a file, and
// never passes in silence.
void ResultsCommands::saveResults() {
    QWidget* from = source();
    if (!qobject_cast<ReportSource*>(from))
        return;
    const Language shown = m_context.settings().language();
    const QStringList filters{TableText(kTextFilterText, shown), TableText(kCsvFilterText, shown)};
    QString filter = filters.first();
    QString path = m_chooser(from->window(), TableText(kSaveTitleText, shown),
                             QStringLiteral("Torvex-%1.txt").arg(TableText(kFileNameText, shown)), filters, &filter);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    bool csv = suffix == QLatin1String("csv");
    if (suffix != QLatin1String("csv") && suffix != QLatin1String("txt")) {
        csv = filter == filters.last();
        if (suffix.isEmpty())
            path += csv ? QStringLiteral(".csv") : QStringLiteral(".txt");
    }

    const report::Report report = reportOf(from);
    const std::string text =
        csv ? report::Csv(report, {LoadText(kCsvHeadingText, shown), LoadText(kCsvHeadingText + 1, shown),
                                   LoadText(kCsvHeadingText + 2, shown), LoadText(kCsvHeadingText + 3, shown)})
            : report::PlainText(report);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), qint64(text.size())) != qint64(text.size()) ||
        !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        showError(TableText(kNotSavedText, shown).arg(QDir::toNativeSeparators(path), reason));
    }
}

void ResultsCommands::print() {
    QWidget* from = source();
    if (!qobject_cast<ReportSource*>(from))
        return;
    const Language shown = m_context.settings().language();
    QString error;
    PrintModule* module = m_printLoader->module(shown, error);
    if (!module) {
        showError(error);
        return;
    }
    const report::Report report = reportOf(from);
    module->printDocument(from->window(), TitleOf(report), Utf8Of(report::Html(report)),
                          [this](const QString& printer) {
                              showError(TableText(kNotPrintedText, m_context.settings().language()).arg(printer));
                          });
}

void ResultsCommands::showError(const QString& message) { m_context.errors().showError(message); }

bool ResultsCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride || static_cast<QKeyEvent*>(event) != QKeySequence::Copy)
        return false;
    auto* focus = qobject_cast<QWidget*>(watched);
    if (!focus || focus != QApplication::focusWidget())
        return false;
    if (const auto* label = qobject_cast<const QLabel*>(focus); label && label->hasSelectedText()) {
        event->accept(); // the label copies its selection
        return true;
    }
    // An entry field would take Ctrl+C even with nothing selected: then it is
    // kept from the field, and the results are copied.
    if (const QLineEdit* field = EntryFieldOf(focus))
        return !field->hasSelectedText();
    return false;
}

} // namespace torvex::gui
