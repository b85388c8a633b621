// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's commands: language, units, help, the secondary windows,
// and closing.

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <initializer_list>

#include "main_window.h"
#include "pages/air_coil_page.h"
#include "pages/ferrite_ft_page.h"
#include "pages/ferroxcube_page.h"
#include "pages/iron_powder_page.h"
#include "pages/siferrit_page.h"
#include "pages/unknown_core_page.h"
#include "platform/command_errors.h"
#include "platform/settings_store.h"
#include "tools/about_window.h"
#include "tools/al_permeability_window.h"
#include "tools/conversion_window.h"
#include "tools/copper_resistance_window.h"
#include "tools/ferrite_window_opener.h"
#include "tools/resonance_window.h"
#include "tools/results_commands.h"
#include "widgets/language.h"

namespace torvex::gui {

namespace {
const QString kGermanHelp = QStringLiteral("torvex11_d.hlp");
const QString kEnglishHelp = QStringLiteral("torvex11_e.hlp");
} // namespace

// Every window takes the language's texts (in the order they were built), and
// then the pages whose results depend on the language are recomputed.
void MainWindow::showLanguage(Language language) {
    m_chosenLanguage = language;
    takeLanguage(language);
}

void MainWindow::takeLanguage(Language language) {
    const CommandErrors::Command once(*m_commandErrors);
    m_settings->setLanguage(language);
    recomputeLanguageDependentPages();
}

// The unit captions of every page, the straight conductor's wire input and
// the copper-resistance window follow, each recomputed.
void MainWindow::useUnits(UnitSystem units) {
    m_chosenUnits = units;
    takeUnits(units);
}

void MainWindow::takeUnits(UnitSystem units) {
    const CommandErrors::Command once(*m_commandErrors);
    m_settings->setUnits(units);
}

void MainWindow::followSettings(DisplaySettings::Change what) {
    switch (what) {
    case DisplaySettings::Change::Language:
        ApplyLanguage({this}, m_settings->language());
        m_german->setChecked(!m_settings->english());
        m_english->setChecked(m_settings->english());
        m_services.help->followLanguage(helpFile());
        break;
    case DisplaySettings::Change::Units:
        m_usUnits->setChecked(m_settings->usUnits());
        m_metricUnits->setChecked(!m_settings->usUnits());
        applyUnitsToPages();
        break;
    case DisplaySettings::Change::DecimalSeparator:
        // Typed texts stay as they are; the key filter asks at every key.
        break;
    }
}

// Only the pages built so far: one built later takes the units shown then.
void MainWindow::applyUnitsToPages() {
    for (CataloguePage* page :
         std::initializer_list<CataloguePage*>{m_ironPage, m_ferritePage, m_siferritPage, m_ferroxcubePage})
        if (page)
            page->applyUnits();
    if (m_airCoilPage)
        m_airCoilPage->applyCylinderUnits();
    if (m_unknownPage)
        m_unknownPage->applyUnits();
    if (m_airCoilPage)
        m_airCoilPage->applyStraightUnits();
}

// The language switch has just reset the "not available" captions; these
// recomputes show or hide them again and rewrite language-dependent texts.
// A page not built yet takes the language when it is.
void MainWindow::recomputeLanguageDependentPages() {
    if (m_airCoilPage)
        m_airCoilPage->recomputeStraightConductor();
    for (CataloguePage* page :
         std::initializer_list<CataloguePage*>{m_ironPage, m_siferritPage, m_ferritePage, m_ferroxcubePage})
        if (page)
            page->recompute();
}

QString MainWindow::helpFile() const {
    return m_services.programFolder + (m_settings->english() ? kEnglishHelp : kGermanHelp);
}

void MainWindow::showHelpContents() { m_services.help->showContents(helpFile()); }

void MainWindow::showAbout() { aboutWindow().showAndRaise(); }
void MainWindow::showAlPermeabilityWindow() { alPermeabilityWindow().showAndRaise(); }
void MainWindow::showResonanceWindow() { resonanceWindow().showAndRaise(); }
void MainWindow::showCopperResistanceWindow() { copperResistanceWindow().showAndRaise(); }
void MainWindow::showConversionWindow() { conversionWindow().showAndRaise(); }

// The window and its module come on the first opening; the window finds its
// help itself, and takes the ferrite page over when that page is in front.
void MainWindow::showFerriteImpedanceWindow() {
    if (!m_ferrite) {
        m_ferrite = std::make_unique<FerriteWindowOpener>(
            *this, FerriteWindowLoader::defaultFolders(QCoreApplication::applicationDirPath()),
            [this](int context) { m_services.help->showContext(helpFile(), context); },
            [this]() -> std::optional<FtPageState> {
                if (m_pages->currentWidget() != m_ferriteSheet)
                    return std::nullopt;
                return m_ferritePage->takeOverState();
            });
        m_ferrite->restoreState(m_store->group(QLatin1String(kFerriteWindowName)));
    }
    if (QWidget* window = m_ferrite->open(); window && !m_built.contains(window)) {
        m_built << window;
        m_results->addContextMenu(window);
    }
}

void MainWindow::addContextHelpKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, [this, window] { showContextHelpFrom(window); });
}

void MainWindow::showContextHelp() {
    QWidget* window = QApplication::activeWindow();
    if (QWidget* focus = QApplication::focusWidget())
        window = focus->window();
    showContextHelpFrom(window ? window : this);
}

void MainWindow::showContextHelpFrom(QWidget* window) {
    QWidget* w = window->focusWidget() ? window->focusWidget() : window;
    for (; w; w = w->parentWidget()) {
        int context = w->property("helpContext").toInt();
        // The page control's own tab bar stands for the page it shows.
        if (context == 0 && w == m_pages && m_pages->currentWidget())
            context = m_pages->currentWidget()->property("helpContext").toInt();
        if (context != 0) {
            m_services.help->showContext(helpFile(), context);
            return;
        }
    }
    m_services.help->showContents(helpFile());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    writeSettings();
    m_services.help->close();
    // Closing the main window ends the program, whatever else is open.
    for (QWidget* window : m_built)
        window->hide();
    QMainWindow::closeEvent(event);
    event->accept();
    QCoreApplication::quit();
}

} // namespace torvex::gui
