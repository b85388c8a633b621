// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <memory>
#include <optional>

#include "pages/page_context.h"
#include "pages/page_sheet.h"
#include "platform/display_settings.h"
#include "platform/platform.h"

class QAction;
class QStatusBar;
class QTabWidget;

namespace torvex::gui {

class AboutWindow;
class AirCoilPage;
class AlPermeabilityWindow;
class CommandErrors;
class ConversionWindow;
class CopperResistanceWindow;
class DecimalKeyFilter;
class FerriteFtPage;
class FerriteWindowOpener;
class FerroxcubePage;
class HintTracker;
class IronPowderPage;
class ResonanceWindow;
class SettingsStore;
class ResultsCommands;
class SiferritPage;
class UnknownCorePage;

// The main window: tool bar, six pages, menu and status line. It owns the
// settings every window follows and the secondary windows. A start builds
// only what the first paint shows: the frame and the front page. Every other
// page is built when it is first shown, every secondary window when it is
// first opened (or, for the AL-and-µi window, when the unknown-cores page
// first copies from it); each takes the language, units and separator chosen
// by then, and every later switch reaches what has been built. Its
// constructor makes the start-up choices.
class MainWindow : public QMainWindow, public PageContext {
    Q_OBJECT
public:
    explicit MainWindow(const PlatformServices& services);
    ~MainWindow() override;

    // PageContext
    DisplaySettings& settings() override { return *m_settings; }
    ErrorReporter& errors() override;
    DecimalKeyFilter& keyFilter() override { return *m_keyFilter; }
    void showLanguage(Language language) override;
    AlPermeabilityWindow& alPermeabilityWindow() override;

    // The secondary windows, each built when first asked for.
    AboutWindow& aboutWindow();
    ResonanceWindow& resonanceWindow();
    CopperResistanceWindow& copperResistanceWindow();
    ConversionWindow& conversionWindow();
    // The windows built so far, this one first, then in the order they were built.
    QList<QWidget*> windows() const;

    // The pages, in tab order, each built when first asked for.
    IronPowderPage& ironPowderPage();
    FerriteFtPage& ferriteFtPage();
    SiferritPage& siferritPage();
    FerroxcubePage& ferroxcubePage();
    UnknownCorePage& unknownCorePage();
    AirCoilPage& airCoilPage();

    // Menu and tool-bar commands.
    void showGerman() { showLanguage(Language::German); }
    void showEnglish() { showLanguage(Language::English); }
    void useUsUnits() { useUnits(UnitSystem::Us); }
    void useMetricUnits() { useUnits(UnitSystem::Metric); }
    void useUnits(UnitSystem units);
    void showHelpContents();
    void showAbout();
    void showAlPermeabilityWindow();
    void showResonanceWindow();
    void showCopperResistanceWindow();
    void showConversionWindow();
    // Loads the ferrite impedance window's module on the first call.
    void showFerriteImpedanceWindow();
    // F1: the help context of the focused control or its nearest ancestor.
    void showContextHelp();

    // The help file of the language shown.
    QString helpFile() const;
    // The help's page on the licence, opened from the About window.
    static constexpr int kLicenceHelpContext = 60;
    // Copy, save and print the results of the page or window in front.
    ResultsCommands& results() const { return *m_results; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenu();
    void buildToolBar();
    void buildPages();
    PageSheet* addSheet(const char* name, int tag, int helpContext, QSize area, PageSheet::Builder builder);
    void applyStartChoices();
    // Kept between runs (main_window_settings.cpp): the language and units
    // the user chose go into the start choices; a page takes its inputs once
    // it shows the start's units, a secondary window when it is built.
    void takeStoredChoices();
    void restorePages();
    void restorePage(const QString& group, Page& page);
    void restoreWindow(QWidget& window);
    void writeSettings();
    void takeLanguage(Language language);
    void takeUnits(UnitSystem units);
    void followSettings(DisplaySettings::Change what);
    void applyUnitsToPages();
    void recomputeLanguageDependentPages();
    void showHintInStatusLine(const QString& longHint);
    void addContextHelpKey(QWidget* window);
    void showContextHelpFrom(QWidget* window);
    // Builds a secondary window on the first request.
    template <class Window> Window& built(std::unique_ptr<Window>& window);

    // Stand-ins when the platform gives no error handler or help viewer.
    std::unique_ptr<ErrorReporter> m_ownErrors;
    std::unique_ptr<HelpViewer> m_ownHelp;
    PlatformServices m_services;
    std::unique_ptr<CommandErrors> m_commandErrors;
    std::unique_ptr<DisplaySettings> m_settings;
    std::unique_ptr<DecimalKeyFilter> m_keyFilter;
    HintTracker* m_hintTracker = nullptr;
    ResultsCommands* m_results = nullptr;

    QTabWidget* m_pages = nullptr;
    PageSheet* m_ironSheet = nullptr;
    PageSheet* m_ferriteSheet = nullptr;
    PageSheet* m_siferritSheet = nullptr;
    PageSheet* m_ferroxcubeSheet = nullptr;
    PageSheet* m_unknownSheet = nullptr;
    PageSheet* m_airCoilSheet = nullptr;
    // Each set when its sheet builds it.
    IronPowderPage* m_ironPage = nullptr;
    FerriteFtPage* m_ferritePage = nullptr;
    SiferritPage* m_siferritPage = nullptr;
    FerroxcubePage* m_ferroxcubePage = nullptr;
    UnknownCorePage* m_unknownPage = nullptr;
    AirCoilPage* m_airCoilPage = nullptr;

    std::unique_ptr<AboutWindow> m_about;
    std::unique_ptr<ResonanceWindow> m_resonance;
    std::unique_ptr<AlPermeabilityWindow> m_alPermeability;
    std::unique_ptr<CopperResistanceWindow> m_copper;
    std::unique_ptr<ConversionWindow> m_conversion;
    std::unique_ptr<FerriteWindowOpener> m_ferrite;
    QList<QWidget*> m_built; // in the order they were built

    QAction* m_german = nullptr;
    QAction* m_english = nullptr;
    QAction* m_usUnits = nullptr;
    QAction* m_metricUnits = nullptr;
    QStatusBar* m_statusBar = nullptr;
    bool m_placed = false; // centred on the screen at its first showing
    std::unique_ptr<SettingsStore> m_store;
    // Chosen by the user, now or in an earlier run; what the locale gave is not kept.
    std::optional<Language> m_chosenLanguage;
    std::optional<UnitSystem> m_chosenUnits;
};

} // namespace torvex::gui
