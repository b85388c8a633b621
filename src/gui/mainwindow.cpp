#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "format/wire_gauge.h"
#include "pages/air_coil_page.h"
#include "pages/catalogue_pages.h"
#include "pages/unknown_core_page.h"
#include "platform/help_window.h"
#include "platform/message_box_reporter.h"
#include "text/text_table.h"
#include "tools/al_permeability_window.h"
#include "tools/tool_windows.h"
#include "widgets/colours.h"
#include "widgets/decimal_key_filter.h"
#include "widgets/hint_style.h"
#include "widgets/hints.h"
#include "widgets/language.h"
#include "widgets/make.h"

// Resources compiled into a static library must be registered by name.
static void initTorvexResources() { Q_INIT_RESOURCE(torvex); }

namespace torvex::gui {

namespace {

constexpr QSize kToolImageSize{25, 25};
constexpr int kToolBarHeight = 38;
constexpr int kSeparatorWidth = 8;

const QString kGermanHelp = QStringLiteral("torvex11_d.hlp");
const QString kEnglishHelp = QStringLiteral("torvex11_e.hlp");

QString text(int id, int offset = 0) {
    const std::string_view t = torvex::LoadText(id, offset);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

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

// The platform's error handler, as the pages and tool windows see it. A menu
// command recomputes many calculators, each of which may fail on a text the
// user left behind; the command is one action of the user and shows one
// message at most, the first, while every calculator still runs.
class TForm1::CommandErrors : public ErrorReporter {
public:
    explicit CommandErrors(ErrorReporter* platform) : m_platform(platform) {}

    void showError(const QString& message) override {
        if (m_depth > 0 && m_reported)
            return;
        m_reported = true;
        m_platform->showError(message);
    }

    // Marks one command while it lives; commands may nest.
    class Command {
    public:
        explicit Command(CommandErrors& errors) : m_errors(errors) {
            if (m_errors.m_depth++ == 0)
                m_errors.m_reported = false;
        }
        ~Command() { --m_errors.m_depth; }
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;

    private:
        CommandErrors& m_errors;
    };

private:
    ErrorReporter* m_platform;
    int m_depth = 0;
    bool m_reported = false;
};

TForm1::TForm1(const PlatformServices& services)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(services),
      m_keyFilter(std::make_unique<DecimalKeyFilter>([this] { return m_state.decimalSeparator; })) {
    initTorvexResources();
    if (!m_services.errors) {
        m_ownErrors = std::make_unique<MessageBoxReporter>();
        m_services.errors = m_ownErrors.get();
    }
    m_commandErrors = std::make_unique<CommandErrors>(m_services.errors);
    if (!m_services.help) {
        m_ownHelp = std::make_unique<HelpWindow>(m_services.errors);
        m_services.help = m_ownHelp.get();
    }
    setObjectName(QStringLiteral("TForm1"));
    setProperty("tag", 351);
    setWindowTitle(text(351));
    setWindowIcon(QIcon(QStringLiteral(":/torvex/torvex.svg")));
    // The tool bar must stay; no menu to hide it.
    setContextMenuPolicy(Qt::NoContextMenu);

    buildMenu();
    buildToolBar();
    buildPages();
    m_statusBar = make<QStatusBar>(this, "StatusBar1");
    m_statusBar->setSizeGripEnabled(false);
    setStatusBar(m_statusBar);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    addContextHelpKey(this);

    FormCreate();
    if (auto* sizes = findChild<QWidget*>(QStringLiteral("ComboBox2")))
        sizes->setFocus();
}

TForm1::~TForm1() = default;

ErrorReporter& TForm1::errors() { return *m_commandErrors; }

void TForm1::buildMenu() {
    auto* bar = make<QMenuBar>(this, "MainMenu1");
    setMenuBar(bar);

    auto command = [this](QWidget* menu, const char* name, int tag, const QString& caption, void (TForm1::*slot)()) {
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

    command(bar, "Info1", 0, QStringLiteral("&Info"), &TForm1::Info1Click);

    QMenu* tools = addSubmenu(bar, "Tools1", 0, QStringLiteral("&Tools"));
    command(tools, "Permeabilitt1", 273, text(273), &TForm1::Permeabilitt1Click);
    command(tools, "Schwingkreis1", 274, text(274), &TForm1::Schwingkreis1Click);
    command(tools, "RCu1", 275, text(275), &TForm1::RCu1Click);
    command(tools, "Umrechnungminch1", 272, text(272), &TForm1::Umrechnungminch1Click);

    QMenu* language = addSubmenu(bar, "Sprache1", 276, text(276));
    m_english = check(command(language, "English1", 0, QStringLiteral("&English"), &TForm1::English1Click));
    m_deutsch = check(command(language, "Deutsch1", 278, text(278), &TForm1::Deutsch1Click));

    QMenu* units = addSubmenu(bar, "Units1", 271, text(271));
    m_inchFootAwg =
        check(command(units, "inchfootAWG1", 0, QStringLiteral("[inch] [foot] [AWG]"), &TForm1::inchfootAWG1Click));
    setHint(m_inchFootAwg, QStringLiteral("AWG = American Wire Gauge"));
    m_mmCm = check(command(units, "mmcm1", 0, QStringLiteral("[mm] [cm]"), &TForm1::mmcm1Click));

    m_help = command(bar, "Help1", 279, text(279), &TForm1::Help1Click);
}

void TForm1::buildToolBar() {
    auto* bar = make<QToolBar>(this, "ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(kToolImageSize);
    bar->setFixedHeight(kToolBarHeight);
    bar->toggleViewAction()->setVisible(false);
    setBackground(bar, tooltipBackground());
    addToolBar(Qt::TopToolBarArea, bar);

    struct ToolButton {
        const char* name;
        int tag;
        const char* image;
        void (TForm1::*command)();
    };
    static constexpr ToolButton kButtons[] = {
        {"ToolButton1", 481, ":/torvex/al.svg", &TForm1::Permeabilitt1Click},
        {"ToolButton2", 482, ":/torvex/resonance.svg", &TForm1::Schwingkreis1Click},
        {"ToolButton3", 483, ":/torvex/copper.svg", &TForm1::RCu1Click},
        {"ToolButton5", 485, ":/torvex/conversion.svg", &TForm1::Umrechnungminch1Click},
        {"ToolButton4", 0, nullptr, nullptr}, // separator
        {"ToolButton6", 484, ":/torvex/help.svg", &TForm1::Help1Click},
    };
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
        setHint(button, text(b.tag + 500));
        connect(button, &QToolButton::clicked, this, b.command);
        bar->addWidget(button);
    }
}

void TForm1::buildPages() {
    m_pages = make<QTabWidget>(this, "PageControl1");
    // Every caption stays whole: the window grows to fit the tabs.
    m_pages->setUsesScrollButtons(false);
    m_pages->setElideMode(Qt::ElideNone);
    QFont bold = m_pages->tabBar()->font();
    bold.setBold(true);
    m_pages->tabBar()->setFont(bold);
    setCentralWidget(m_pages);

    m_ironPage = new IronPowderPage(*this, m_pages);
    addPage(m_ironPage);
    m_ferritePage = new FerriteFtPage(*this, m_pages);
    addPage(m_ferritePage);
    m_siferritPage = new SiferritPage(*this, m_pages);
    addPage(m_siferritPage);
    m_ferroxcubePage = new FerroxcubePage(*this, m_pages);
    addPage(m_ferroxcubePage);
    m_unknownPage = new UnknownCorePage(*this, m_pages);
    addPage(m_unknownPage);
    m_airCoilPage = new AirCoilPage(*this, m_pages);
    addPage(m_airCoilPage);
    m_pages->setCurrentIndex(0);
}

void TForm1::addPage(QWidget* page) {
    const int index = m_pages->addTab(page, text(tagOf(page)));
    m_pages->tabBar()->setTabTextColor(index, kMessageRed);
}

void TForm1::FormCreate() {
    // 1. Hints everywhere, with a short delay before the first tooltip. The
    //    program's start installs the hint style before any window; this
    //    covers a main window built without it.
    InstallHintStyle();
    // 2. The default selections were made by the pages as they were built,
    //    without recomputing.
    // 3. The status line follows the hint under the mouse.
    m_hintTracker = new HintTracker(this);
    m_hintTracker->setHandler([this](const QString& longHint) { DisplayHint(longHint); });
    qApp->installEventFilter(m_hintTracker);
    // 4.-5. The language identifier as "$0407".
    const int languageId = m_services.userLanguageId & 0xFFFF;
    const QString languageText = QStringLiteral("$%1").arg(languageId, 4, 16, QLatin1Char('0')).toUpper();
    m_state.usLocale = languageId == 1033;
    // 6.
    m_state.awgNames.clear();
    for (std::string_view name : torvex::AwgNames)
        m_state.awgNames << QString::fromLatin1(name.data(), qsizetype(name.size()));
    // 7. Computes every page for the first time.
    if (m_state.usLocale)
        inchfootAWG1Click();
    else
        mmcm1Click();
    // 8.-9. The low byte of the identifier chooses the language.
    m_state.languageCode = languageText.mid(3, 2);
    invokeStartLanguage();
    // 10. Last: until now typed separators were left alone.
    m_state.decimalSeparator = m_services.decimalSeparator.left(10);
    m_state.decimalSeparatorUtf8 = m_state.decimalSeparator.toStdString();
}

QWidget* TForm1::alPermeabilityWindow() const {
    if (m_alPermeability)
        return m_alPermeability;
    // While the program is still being built, the window may already exist.
    for (const QPointer<QWidget>& w : m_windows)
        if (w && w->objectName() == QLatin1String("TForm3"))
            return w;
    return nullptr;
}

void TForm1::registerWindow(QWidget* window) {
    if (!window || window == this)
        return;
    for (const QPointer<QWidget>& w : m_windows)
        if (w == window)
            return;
    m_windows << window;
    m_newWindow = window;
    addContextHelpKey(window);
}

void TForm1::invokeStartLanguage() {
    const bool german = m_state.languageCode == QLatin1String("07");
    // A window whose creation ends here is the only one without the start
    // language: the windows before it carry it and nothing has run since, so
    // the command would rewrite their texts and results unchanged.
    if (QWidget* window = m_newWindow.data()) {
        m_newWindow.clear();
        ApplyLanguage({window}, german ? torvex::kGermanOffset : torvex::kEnglishOffset);
        return;
    }
    if (german)
        Deutsch1Click();
    else
        English1Click();
}

void TForm1::setToolWindows(QWidget* about, QWidget* resonance, TForm3* alPermeability, TForm4* copper,
                            QWidget* conversion) {
    m_about = about;
    m_resonance = resonance;
    m_alPermeability = alPermeability;
    m_copper = copper;
    m_conversion = conversion;
}

QList<QWidget*> TForm1::windows() const {
    QList<QWidget*> result{const_cast<TForm1*>(this)};
    for (const QPointer<QWidget>& w : m_windows)
        if (w)
            result << w.data();
    return result;
}

void TForm1::Deutsch1Click() { applyLanguageCommand(torvex::kGermanOffset); }

void TForm1::English1Click() { applyLanguageCommand(torvex::kEnglishOffset); }

void TForm1::applyLanguageCommand(int offset) {
    const CommandErrors::Command once(*m_commandErrors);
    ApplyLanguage(windows(), offset);
    m_deutsch->setChecked(offset == torvex::kGermanOffset);
    m_english->setChecked(offset == torvex::kEnglishOffset);
    m_state.languageOffset = offset;
    // The language switch has just reset the "not available" captions; these
    // recomputes show or hide them again and rewrite language-dependent texts.
    ComboBox21Change();
    ComboBox1Change();
    ComboBox3Change();
    ComboBox5Change();
    ComboBox16Change();
    m_helpFile = m_services.programFolder + (offset == torvex::kEnglishOffset ? kEnglishHelp : kGermanHelp);
}

void TForm1::inchfootAWG1Click() {
    m_inchFootAwg->setChecked(true);
    m_mmCm->setChecked(false);
    m_state.usUnits = true;
    applyUnitSystem(true);
}

void TForm1::mmcm1Click() {
    m_mmCm->setChecked(true);
    m_inchFootAwg->setChecked(false);
    m_state.usUnits = false;
    applyUnitSystem(false);
}

void TForm1::applyUnitSystem(bool usUnits) {
    const CommandErrors::Command once(*m_commandErrors);
    for (CataloguePage* page : std::initializer_list<CataloguePage*>{m_ironPage, m_ferritePage, m_siferritPage,
                                                                      m_ferroxcubePage})
        page->applyUnits(usUnits);
    m_airCoilPage->applyCylinderUnits(usUnits);
    m_unknownPage->applyUnits(usUnits);
    m_airCoilPage->applyStraightUnits(usUnits);
    // While the program starts, the copper window does not exist yet; it
    // sets itself up from the locale when it is created.
    if (m_copper)
        m_copper->applyUnits(usUnits);
}

void TForm1::Help1Click() {
    const QString caption = m_help->text();
    if (caption == text(279, torvex::kGermanOffset)) {
        m_helpFile = m_services.programFolder + kGermanHelp;
        m_services.help->showContents(m_helpFile);
    }
    if (caption == text(279, torvex::kEnglishOffset)) {
        m_helpFile = m_services.programFolder + kEnglishHelp;
        m_services.help->showContents(m_helpFile);
    }
}

namespace {
// Shows a secondary window without blocking, or brings it to the front with
// its inputs unchanged.
void showWindow(QWidget* window) {
    if (!window)
        return;
    if (auto* tool = qobject_cast<ToolWindow*>(window)) {
        tool->showAndRaise();
        return;
    }
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

void TForm1::Info1Click() { showWindow(m_about); }
void TForm1::Permeabilitt1Click() { showWindow(m_alPermeability); }
void TForm1::Schwingkreis1Click() { showWindow(m_resonance); }
void TForm1::RCu1Click() { showWindow(m_copper); }
void TForm1::Umrechnungminch1Click() { showWindow(m_conversion); }

void TForm1::DisplayHint(const QString& longHint) { m_statusBar->showMessage(longHint); }

void TForm1::addContextHelpKey(QWidget* window) {
    auto* key = new QShortcut(QKeySequence(Qt::Key_F1), window);
    key->setContext(Qt::WindowShortcut);
    connect(key, &QShortcut::activated, this, [this, window] { showContextHelpFrom(window); });
}

void TForm1::ShowContextHelp() {
    QWidget* window = QApplication::activeWindow();
    if (QWidget* focus = QApplication::focusWidget())
        window = focus->window();
    showContextHelpFrom(window ? window : this);
}

void TForm1::showContextHelpFrom(QWidget* window) {
    QWidget* w = window->focusWidget() ? window->focusWidget() : window;
    for (; w; w = w->parentWidget()) {
        int context = w->property("helpContext").toInt();
        // The page control's own tab bar stands for the page it shows.
        if (context == 0 && w == m_pages && m_pages->currentWidget())
            context = m_pages->currentWidget()->property("helpContext").toInt();
        if (context != 0) {
            m_services.help->showContext(m_helpFile, context);
            return;
        }
    }
    m_services.help->showContents(m_helpFile);
}

void TForm1::ComboBox1Change() { m_ironPage->ComboBox1Change(); }
void TForm1::ComboBox5Change() { m_ferritePage->ComboBox5Change(); }
void TForm1::ComboBox3Change() { m_siferritPage->ComboBox3Change(); }
void TForm1::ComboBox16Change() { m_ferroxcubePage->ComboBox16Change(); }
void TForm1::Edit4Change() { m_unknownPage->Edit4Change(); }
void TForm1::Edit8Change() { m_airCoilPage->Edit8Change(); }
void TForm1::Edit14Change() { m_airCoilPage->Edit14Change(); }
void TForm1::ComboBox21Change() { m_airCoilPage->ComboBox21Change(); }

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TForm1::closeEvent(QCloseEvent* event) {
    m_services.help->close();
    // Closing the main window ends the program, whatever else is open.
    for (QWidget* window : windows())
        if (window != this)
            window->hide();
    QMainWindow::closeEvent(event);
    event->accept();
    QCoreApplication::quit();
}

} // namespace torvex::gui
