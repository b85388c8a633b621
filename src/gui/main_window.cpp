// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "pages/air_coil_page.h"
#include "pages/ferrite_ft_page.h"
#include "pages/ferroxcube_page.h"
#include "pages/iron_powder_page.h"
#include "pages/siferrit_page.h"
#include "pages/unknown_core_page.h"
#include "platform/command_errors.h"
#include "platform/help_window.h"
#include "platform/message_box_reporter.h"
#include "platform/settings_store.h"
#include "tools/about_window.h"
#include "tools/al_permeability_window.h"
#include "tools/conversion_window.h"
#include "tools/copper_resistance_window.h"
#include "tools/ferrite_window_loader.h"
#include "tools/ferrite_window_opener.h"
#include "tools/resonance_window.h"
#include "tools/results_commands.h"
#include "widgets/builders.h"
#include "widgets/colours.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/hint_style.h"
#include "widgets/hints.h"
#include "widgets/make.h"
#include "widgets/report_source.h"
#include "widgets/window_size.h"

// Resources compiled into a static library must be registered by name.
static void initTorvexResources() { Q_INIT_RESOURCE(torvex); }

namespace torvex::gui {

namespace {

constexpr QSize kToolImageSize{25, 25};
constexpr int kToolBarHeight = 38;
constexpr int kSeparatorWidth = 8;

// A menu-bar entry with a submenu; its menu action carries the name and tag
// (the caption), so that the language switch treats it as a menu item.
QMenu* addSubmenu(QMenuBar* bar, const char* name, int tag, const QString& caption) {
    auto* menu = make<QMenu>(bar, name);
    QAction* item = menu->menuAction();
    item->setObjectName(QLatin1String(name));
    if (tag)
        item->setProperty("tag", tag);
    item->setText(caption);
    bar->addMenu(menu);
    return menu;
}

} // namespace

MainWindow::MainWindow(const PlatformServices& services)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(services), m_settings(std::make_unique<DisplaySettings>()),
      m_keyFilter(std::make_unique<DecimalKeyFilter>([this] { return m_settings->decimalSeparator(); })) {
    initTorvexResources();
    if (!m_services.errors) {
        m_ownErrors = std::make_unique<MessageBoxReporter>();
        m_services.errors = m_ownErrors.get();
    }
    m_commandErrors = std::make_unique<CommandErrors>(*m_services.errors);
    if (!m_services.help) {
        m_ownHelp = std::make_unique<HelpWindow>(m_services.errors);
        m_services.help = m_ownHelp.get();
    }
    setObjectName(QStringLiteral("TForm1"));
    setProperty("tag", 351);
    setWindowTitle(TableText(351, m_settings->language()));
    setWindowIcon(QIcon(QStringLiteral(":/torvex/torvex.svg")));
    // The tool bar must stay; no menu to hide it.
    setContextMenuPolicy(Qt::NoContextMenu);

    m_results = new ResultsCommands(
        *this, this,
        [this]() -> QWidget* {
            auto* sheet = m_pages ? qobject_cast<PageSheet*>(m_pages->currentWidget()) : nullptr;
            return sheet ? &sheet->build() : nullptr;
        },
        FerriteWindowLoader::defaultFolders(QCoreApplication::applicationDirPath()));
    buildMenu();
    buildToolBar();
    m_statusBar = make<QStatusBar>(this, "StatusBar1");
    m_statusBar->setSizeGripEnabled(false);
    setStatusBar(m_statusBar);
    addContextHelpKey(this);

    // This window follows first; every window built later follows after it.
    connect(m_settings.get(), &DisplaySettings::changed, this, &MainWindow::followSettings);
    takeStoredChoices();
    applyStartChoices();
    // After the choices, so that the front page is built once, in the start
    // language and units.
    buildPages();
    // The pages' area is reserved; the tab captions set the width, in the
    // wider of the two languages.
    auto showTabsIn = [this](Language language) {
        for (int i = 0; i < m_pages->count(); ++i)
            m_pages->setTabText(i, TableText(tagOf(m_pages->widget(i)), language));
    };
    KeepLargestSize(this, {[=] { showTabsIn(Language::German); }, [=] { showTabsIn(Language::English); }});
    showTabsIn(m_settings->language());
    m_ironPage->focusSizeList();
    restorePages();
}

// The secondary windows follow this window's settings and report through its
// errors, so they go first.
MainWindow::~MainWindow() {
    m_built.clear();
    m_ferrite.reset();
    m_conversion.reset();
    m_copper.reset();
    m_alPermeability.reset();
    m_resonance.reset();
    m_about.reset();
}

ErrorReporter& MainWindow::errors() { return *m_commandErrors; }

void MainWindow::buildMenu() {
    auto* bar = make<QMenuBar>(this, "MainMenu1");
    setMenuBar(bar);
    const Language shown = m_settings->language();

    auto command = [this](QWidget* menu, const char* name, int tag, const QString& caption,
                          void (MainWindow::*slot)()) {
        auto* item = make<QAction>(menu, name, tag);
        item->setText(caption);
        menu->addAction(item);
        connect(item, &QAction::triggered, this, slot);
        return item;
    };
    auto check = [](QAction* item) {
        item->setCheckable(true);
        return item;
    };

    command(bar, "Info1", 0, QStringLiteral("&Info"), &MainWindow::showAbout);

    QMenu* tools = addSubmenu(bar, "Tools1", 0, QStringLiteral("&Tools"));
    command(tools, "Permeabilitt1", 273, TableText(273, shown), &MainWindow::showAlPermeabilityWindow);
    command(tools, "Schwingkreis1", 274, TableText(274, shown), &MainWindow::showResonanceWindow);
    command(tools, "RCu1", 275, TableText(275, shown), &MainWindow::showCopperResistanceWindow);
    command(tools, "Umrechnungminch1", 272, TableText(272, shown), &MainWindow::showConversionWindow);
    command(tools, "ferriteImpedanceAction", 2101, TableText(2101, shown), &MainWindow::showFerriteImpedanceWindow);

    QMenu* language = addSubmenu(bar, "Sprache1", 276, TableText(276, shown));
    m_english = check(command(language, "English1", 0, QStringLiteral("&English"), &MainWindow::showEnglish));
    m_german = check(command(language, "Deutsch1", 278, TableText(278, shown), &MainWindow::showGerman));

    QMenu* units = addSubmenu(bar, "Units1", 271, TableText(271, shown));
    m_usUnits =
        check(command(units, "inchfootAWG1", 0, QStringLiteral("[inch] [foot] [AWG]"), &MainWindow::useUsUnits));
    setHint(m_usUnits, QStringLiteral("AWG = American Wire Gauge"));
    m_metricUnits = check(command(units, "mmcm1", 0, QStringLiteral("[mm] [cm]"), &MainWindow::useMetricUnits));

    command(bar, "Help1", 279, TableText(279, shown), &MainWindow::showHelpContents);
    m_results->addMenu(bar); // first in the bar
}

void MainWindow::buildToolBar() {
    auto* bar = make<QToolBar>(this, "ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(kToolImageSize);
    bar->setFixedHeight(kToolBarHeight);
    bar->toggleViewAction()->setVisible(false);
    paint(bar, Paint::Tooltip);
    addToolBar(Qt::TopToolBarArea, bar);

    struct ToolButton {
        const char* name;
        int tag;
        const char* image;
        void (MainWindow::*command)();
    };
    // clang-format off
    static constexpr ToolButton kButtons[] = {
        {"ToolButton1", 481, ":/torvex/al.svg", &MainWindow::showAlPermeabilityWindow},
        {"ToolButton2", 482, ":/torvex/resonance.svg", &MainWindow::showResonanceWindow},
        {"ToolButton3", 483, ":/torvex/copper.svg", &MainWindow::showCopperResistanceWindow},
        {"ToolButton5", 485, ":/torvex/conversion.svg", &MainWindow::showConversionWindow},
        {"ferriteImpedanceButton", 2102, ":/torvex/ferrite.svg", &MainWindow::showFerriteImpedanceWindow},
        {"ToolButton4", 0, nullptr, nullptr}, // separator
        {"ToolButton6", 484, ":/torvex/help.svg", &MainWindow::showHelpContents},
    };
    // clang-format on
    for (const ToolButton& b : kButtons) {
        if (!b.image) {
            auto* separator = make<QFrame>(bar, b.name);
            separator->setFrameShape(QFrame::VLine);
            separator->setFrameShadow(QFrame::Sunken);
            separator->setFixedWidth(kSeparatorWidth);
            bar->addWidget(separator);
            continue;
        }
        auto* button = make<QToolButton>(bar, b.name, b.tag);
        button->setIcon(QIcon(QLatin1String(b.image)));
        button->setIconSize(kToolImageSize);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        setHint(button, TableText(b.tag + 500, m_settings->language()));
        connect(button, &QToolButton::clicked, this, b.command);
        bar->addWidget(button);
    }
}

void MainWindow::buildPages() {
    m_pages = make<QTabWidget>(this, "PageControl1");
    // Every caption stays whole: the window grows to fit the tabs.
    m_pages->setUsesScrollButtons(false);
    m_pages->setElideMode(Qt::ElideNone);
    QFont bold = m_pages->tabBar()->font();
    bold.setBold(true);
    m_pages->tabBar()->setFont(bold);
    setTextColour(m_pages->tabBar(), kMessageRed);
    setCentralWidget(m_pages);
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from any control, also from
    // a list, which would otherwise keep the keys.
    for (const auto& [keys, step] :
         {std::pair{QKeySequence::NextChild, 1}, std::pair{QKeySequence::PreviousChild, -1}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step] {
            m_pages->setCurrentIndex((m_pages->currentIndex() + step + m_pages->count()) % m_pages->count());
        });
    }

    // Decided now, from the font: the window is as large as its largest
    // page needs before that page exists.
    const QSize area = ReservedPageArea(*m_pages);
    // The first tab added is shown at once: the front page is built here.
    m_ironSheet = addSheet("TabSheet1", 261, 41, area,
                           [this](QWidget* sheet) { return m_ironPage = new IronPowderPage(*this, sheet); });
    m_ferriteSheet = addSheet("TabSheet2", 262, 42, area,
                              [this](QWidget* sheet) { return m_ferritePage = new FerriteFtPage(*this, sheet); });
    m_siferritSheet = addSheet("TabSheet3", 263, 43, area,
                               [this](QWidget* sheet) { return m_siferritPage = new SiferritPage(*this, sheet); });
    m_ferroxcubeSheet = addSheet("TabSheet6", 266, 44, area, [this](QWidget* sheet) {
        return m_ferroxcubePage = new FerroxcubePage(*this, sheet);
    });
    m_unknownSheet = addSheet("TabSheet4", 264, 45, area,
                              [this](QWidget* sheet) { return m_unknownPage = new UnknownCorePage(*this, sheet); });
    m_airCoilSheet = addSheet("TabSheet5", 265, 46, area,
                              [this](QWidget* sheet) { return m_airCoilPage = new AirCoilPage(*this, sheet); });
    m_pages->setCurrentIndex(0);
    m_ironSheet->build();
}

PageSheet* MainWindow::addSheet(const char* name, int tag, int helpContext, QSize area, PageSheet::Builder builder) {
    auto* sheet = new PageSheet(name, tag, helpContext, std::move(builder), m_pages);
    sheet->reserve(area);
    connect(sheet, &PageSheet::built, this, [this, sheet](Page* page) {
        m_results->addContextMenu(page);
        restorePage(sheet->objectName(), *page);
    });
    m_pages->addTab(sheet, TableText(tag, m_settings->language()));
    return sheet;
}

// The unit and language commands of the start find no page yet: each page
// computes for the first time when it is built.
void MainWindow::applyStartChoices() {
    // The program's start installs the hint style before any window; this
    // covers a main window built without it.
    InstallHintStyle();
    // The status line follows the hint under the mouse.
    m_hintTracker = new HintTracker(this);
    m_hintTracker->setHandler([this](const QString& longHint) { showHintInStatusLine(longHint); });
    qApp->installEventFilter(m_hintTracker);

    takeUnits(m_services.units);
    takeLanguage(m_services.language);
    // Last: until now typed separators were left alone.
    m_settings->setDecimalSeparator(m_services.decimalSeparator.left(10));
}

template <class Window> Window& MainWindow::built(std::unique_ptr<Window>& window) {
    if (!window) {
        window = std::make_unique<Window>(static_cast<WindowContext&>(*this));
        m_built << window.get();
        addContextHelpKey(window.get());
        restoreWindow(*window);
        if (qobject_cast<ReportSource*>(window.get()))
            m_results->addContextMenu(window.get());
    }
    return *window;
}

IronPowderPage& MainWindow::ironPowderPage() {
    m_ironSheet->build();
    return *m_ironPage;
}
FerriteFtPage& MainWindow::ferriteFtPage() {
    m_ferriteSheet->build();
    return *m_ferritePage;
}
SiferritPage& MainWindow::siferritPage() {
    m_siferritSheet->build();
    return *m_siferritPage;
}
FerroxcubePage& MainWindow::ferroxcubePage() {
    m_ferroxcubeSheet->build();
    return *m_ferroxcubePage;
}
UnknownCorePage& MainWindow::unknownCorePage() {
    m_unknownSheet->build();
    return *m_unknownPage;
}
AirCoilPage& MainWindow::airCoilPage() {
    m_airCoilSheet->build();
    return *m_airCoilPage;
}

AboutWindow& MainWindow::aboutWindow() {
    if (!m_about)
        connect(&built(m_about), &AboutWindow::licenceWanted, this,
                [this] { m_services.help->showContext(helpFile(), kLicenceHelpContext); });
    return *m_about;
}
ResonanceWindow& MainWindow::resonanceWindow() { return built(m_resonance); }
AlPermeabilityWindow& MainWindow::alPermeabilityWindow() { return built(m_alPermeability); }
CopperResistanceWindow& MainWindow::copperResistanceWindow() { return built(m_copper); }
ConversionWindow& MainWindow::conversionWindow() { return built(m_conversion); }

QList<QWidget*> MainWindow::windows() const {
    QList<QWidget*> result{const_cast<MainWindow*>(this)};
    result << m_built;
    return result;
}

void MainWindow::showHintInStatusLine(const QString& longHint) { m_statusBar->showMessage(longHint); }

} // namespace torvex::gui
