#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "main_context.h"
#include "platform/platform.h"

class QAction;
class QTabWidget;
class QStatusBar;

namespace torvex::gui {

class AirCoilPage;
class CataloguePage;
class DecimalKeyFilter;
class HintTracker;
class IronPowderPage;
class FerriteFtPage;
class SiferritPage;
class FerroxcubePage;
class UnknownCorePage;
class TForm3;
class TForm4;

// The main window: tool bar, six pages, menu, status line, and the program-
// wide state. Its constructor runs the start-up choices (FormCreate).
class TForm1 : public QMainWindow, public MainContext {
    Q_OBJECT
public:
    explicit TForm1(const PlatformServices& services);
    ~TForm1() override;

    // MainContext
    const ProgramState& state() const override { return m_state; }
    ErrorReporter& errors() override;
    DecimalKeyFilter& keyFilter() override { return *m_keyFilter; }
    QWidget* alPermeabilityWindow() const override;
    void registerWindow(QWidget* window) override;
    void invokeStartLanguage() override;
    void languageCommand(bool english) override { english ? English1Click() : Deutsch1Click(); }

    // The windows created after this one, for the menu and the unit switch.
    void setToolWindows(QWidget* about, QWidget* resonance, TForm3* alPermeability, TForm4* copper,
                        QWidget* conversion);
    QList<QWidget*> windows() const; // creation order, this window first

    // Menu and tool-bar commands.
    void Deutsch1Click();
    void English1Click();
    void inchfootAWG1Click();
    void mmcm1Click();
    void Help1Click();
    void Info1Click();
    void Permeabilitt1Click();
    void Schwingkreis1Click();
    void RCu1Click();
    void Umrechnungminch1Click();
    void DisplayHint(const QString& longHint);
    // F1: the help context of the focused control or its nearest ancestor.
    void ShowContextHelp();

    // The page recomputes, for callers outside their pages.
    void ComboBox1Change();
    void ComboBox5Change();
    void ComboBox3Change();
    void ComboBox16Change();
    void Edit4Change();
    void Edit8Change();
    void Edit14Change();
    void ComboBox21Change();

    QString helpFile() const { return m_helpFile; }

protected:
    void closeEvent(QCloseEvent* event) override; // FormClose

private:
    void FormCreate();
    void buildMenu();
    void buildToolBar();
    void buildPages();
    void applyUnitSystem(bool usUnits);
    void applyLanguageCommand(int offset);
    void addPage(QWidget* page);
    void addContextHelpKey(QWidget* window);
    void showContextHelpFrom(QWidget* window);
    void showEvent(QShowEvent* event) override;

    // Stand-ins when the platform gives no error handler or help viewer.
    std::unique_ptr<ErrorReporter> m_ownErrors;
    std::unique_ptr<HelpViewer> m_ownHelp;
    PlatformServices m_services;
    // What the pages and tool windows report to (see mainwindow.cpp).
    class CommandErrors;
    std::unique_ptr<CommandErrors> m_commandErrors;
    ProgramState m_state;
    std::unique_ptr<DecimalKeyFilter> m_keyFilter;
    HintTracker* m_hintTracker = nullptr;
    QString m_helpFile;

    QTabWidget* m_pages = nullptr;
    IronPowderPage* m_ironPage = nullptr;
    FerriteFtPage* m_ferritePage = nullptr;
    SiferritPage* m_siferritPage = nullptr;
    FerroxcubePage* m_ferroxcubePage = nullptr;
    UnknownCorePage* m_unknownPage = nullptr;
    AirCoilPage* m_airCoilPage = nullptr;

    QList<QPointer<QWidget>> m_windows;
    QPointer<QWidget> m_newWindow; // registered, still without the start language
    QPointer<QWidget> m_about, m_resonance, m_conversion;
    QPointer<TForm3> m_alPermeability;
    QPointer<TForm4> m_copper;

    QAction* m_deutsch = nullptr;
    QAction* m_english = nullptr;
    QAction* m_inchFootAwg = nullptr;
    QAction* m_mmCm = nullptr;
    QAction* m_help = nullptr;
    QStatusBar* m_statusBar = nullptr;
    bool m_placed = false; // centred on the screen at its first showing
};

} // namespace torvex::gui
