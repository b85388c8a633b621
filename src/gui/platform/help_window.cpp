// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/help_window.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/application_title.h"
#include "platform/contrast.h"

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

QString Css(const QColor& c) { return c.name(QColor::HexRgb); }

// The help's headings, table heads, red words and links in colours that
// read on the window's palette: the help's own colours on a light desktop,
// lighter shades of them on a dark one. (The help files leave these colours
// to the window; the role colours of their tables come with their text.)
QString HelpStyleSheet(const QPalette& palette) {
    const QColor navy(0, 0, 128);
    const QColor headBackground(232, 232, 240);
    const QColor red(255, 0, 0);
    const QString sheet = QStringLiteral("h1, h2, h3 { color: %1; }\n"
                                         "th { background-color: %2; color: %3; }\n"
                                         ".red { color: %4; }\n");
    if (!IsDark(palette))
        return sheet.arg(Css(navy), Css(headBackground), Css(Qt::black), Css(red));
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    // A fifth of the way from the page towards the light table head.
    auto towardsHead = [](int page, int head) { return page + (head - page) / 5; };
    const QColor darkHead(towardsHead(base.red(), headBackground.red()),
                          towardsHead(base.green(), headBackground.green()),
                          towardsHead(base.blue(), headBackground.blue()));
    return sheet.arg(Css(ShadeReaching(navy, base, kTextContrast)), Css(darkHead),
                     Css(ShadeReaching(text, darkHead, kTextContrast)), Css(ShadeReaching(red, base, kTextContrast))) +
           QStringLiteral("a { color: %1; }\n")
               .arg(Css(ShadeReaching(palette.color(QPalette::Link), base, kTextContrast)));
}

// Shows one help file. Pictures and style sheets come only from the help
// file's own folder; nothing is ever fetched from elsewhere.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    void showPage(const QString& file, const QString& html) {
        m_file = file;
        m_html = html;
        render();
    }

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

protected:
    // A desktop that turns dark while the help is open: the page is laid
    // out again in the new colours, at the place the reader is at.
    void changeEvent(QEvent* event) override {
        QTextBrowser::changeEvent(event);
        if (event->type() != QEvent::PaletteChange || m_html.isEmpty())
            return;
        const int position = verticalScrollBar()->value();
        render();
        verticalScrollBar()->setValue(position);
    }

private:
    void render() {
        document()->setDefaultStyleSheet(HelpStyleSheet(palette()));
        setHtml(m_html);
    }

    QString m_file;
    QString m_html;
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

// Quietly: the user switched the language in another window, which keeps
// the focus.
void HelpWindow::followLanguage(const QString& helpFile) {
    if (m_window && m_window->isVisible() && QFileInfo(helpFile).absoluteFilePath() != m_file)
        open(helpFile, m_anchor, Bring::Quietly);
}

QWidget* HelpWindow::window() const { return m_window.data(); }

QString HelpWindow::currentFile() const { return m_file; }

bool HelpWindow::open(const QString& helpFile, const QString& anchor, Bring bring) {
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
        static_cast<HelpBrowser*>(m_browser)->showPage(m_file, QString::fromUtf8(file.readAll()));
        const QString title = m_browser->documentTitle();
        m_window->setWindowTitle(title.isEmpty() ? info.fileName() : title);
    }
    m_anchor = anchor;
    m_window->show();
    if (bring == Bring::ToFront) {
        m_window->raise();
        m_window->activateWindow();
    }
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
        if (url.hasFragment()) {
            m_anchor = url.fragment();
            m_browser->scrollToAnchor(m_anchor);
        }
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
        QMessageBox::warning(nullptr, ApplicationTitle(), message);
}

} // namespace torvex::gui
