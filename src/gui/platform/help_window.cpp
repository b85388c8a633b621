#include "platform/help_window.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace torvex::gui {

namespace {

// True when `path` names an existing file inside `folder` (symbolic links
// resolved, so "../" and links cannot lead out of it).
bool insideFolder(const QString& path, const QString& folder) {
    const QString file = QFileInfo(path).canonicalFilePath();
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !file.isEmpty() && !root.isEmpty() && file.startsWith(root + QLatin1Char('/'));
}

// True when `path` is one of the program's own help files: a ".hlp" file
// that lies in `folder` itself, also after symbolic links are resolved.
bool isHelpFile(const QString& path, const QString& folder) {
    const QFileInfo file(QFileInfo(path).canonicalFilePath());
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !root.isEmpty() && file.isFile() && file.absolutePath() == root &&
           file.suffix().compare(QLatin1String("hlp"), Qt::CaseInsensitive) == 0;
}

// Shows one help file. Pictures and style sheets come only from the help
// file's own folder; nothing is ever fetched from elsewhere.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    void setFile(const QString& file) { m_file = file; }

    QVariant loadResource(int, const QUrl& name) override {
        const QUrl resolved = QUrl::fromLocalFile(m_file).resolved(name);
        if (!resolved.isLocalFile())
            return {};
        const QString path = resolved.toLocalFile();
        if (!insideFolder(path, QFileInfo(m_file).absolutePath()))
            return {};
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

private:
    QString m_file;
};

} // namespace

HelpWindow::HelpWindow(ErrorReporter* errors) : m_errors(errors) {}

HelpWindow::~HelpWindow() { delete m_window.data(); }

void HelpWindow::showContents(const QString& helpFile) { open(helpFile, QString()); }

void HelpWindow::showContext(const QString& helpFile, int context) {
    open(helpFile, QStringLiteral("context-%1").arg(context));
}

void HelpWindow::close() {
    if (m_window)
        m_window->hide();
}

QWidget* HelpWindow::window() const { return m_window.data(); }

QString HelpWindow::currentFile() const { return m_file; }

bool HelpWindow::open(const QString& helpFile, const QString& anchor) {
    const QFileInfo info(helpFile);
    QFile file(info.absoluteFilePath());
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        reportMissing(helpFile);
        return false;
    }
    if (!m_window) {
        m_window = new QWidget(nullptr, Qt::Window);
        m_window->setObjectName(QStringLiteral("HelpWindow"));
        auto* browser = new HelpBrowser(m_window);
        browser->setObjectName(QStringLiteral("HelpBrowser"));
        browser->setOpenLinks(false);
        browser->setOpenExternalLinks(false);
        QObject::connect(browser, &QTextBrowser::anchorClicked, m_window, [this](const QUrl& url) { followLink(url); });
        auto* layout = new QVBoxLayout(m_window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        m_window->resize(640, 520);
        m_browser = browser;
    }
    if (info.absoluteFilePath() != m_file) {
        m_file = info.absoluteFilePath();
        static_cast<HelpBrowser*>(m_browser)->setFile(m_file);
        m_browser->setHtml(QString::fromUtf8(file.readAll()));
        const QString title = m_browser->documentTitle();
        m_window->setWindowTitle(title.isEmpty() ? info.fileName() : title);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    // The anchor can be found only once the document is laid out in the shown
    // window; scroll now and once more after the layout has settled.
    auto scroll = [browser = QPointer<QTextBrowser>(m_browser), anchor] {
        if (!browser)
            return;
        if (anchor.isEmpty())
            browser->moveCursor(QTextCursor::Start);
        else
            browser->scrollToAnchor(anchor);
    };
    scroll();
    QTimer::singleShot(0, m_browser, scroll);
    return true;
}

void HelpWindow::followLink(const QUrl& url) {
    if (url.scheme().isEmpty() && url.path().isEmpty()) {
        if (url.hasFragment())
            m_browser->scrollToAnchor(url.fragment());
        return;
    }
    const QUrl resolved = QUrl::fromLocalFile(m_file).resolved(url);
    // Only the help's own files are followed: no other file, not even one
    // beside them, is ever shown as a help page.
    if (resolved.isLocalFile() && isHelpFile(resolved.toLocalFile(), QFileInfo(m_file).absolutePath()))
        open(resolved.toLocalFile(), resolved.fragment());
}

void HelpWindow::reportMissing(const QString& helpFile) {
    const bool german = helpFile.endsWith(QLatin1String("_d.hlp"), Qt::CaseInsensitive);
    const QString message =
        german ? QStringLiteral("Die Hilfedatei \u201E%1\u201C wurde nicht gefunden oder ist nicht lesbar.")
                     .arg(QDir::toNativeSeparators(helpFile))
               : QStringLiteral("The help file \"%1\" was not found or cannot be read.")
                     .arg(QDir::toNativeSeparators(helpFile));
    if (m_errors)
        m_errors->showError(message);
    else
        QMessageBox::warning(nullptr, QGuiApplication::applicationDisplayName(), message);
}

} // namespace torvex::gui
