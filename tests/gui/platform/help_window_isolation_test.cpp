// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDesktopServices>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/help_window.h"
#include "support/recorders.h"

using namespace torvex;

namespace {

// A local server that only notes whether anyone connects to it.
class Listener {
public:
    Listener() {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(m_socket, 4) != 0 || ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        m_port = ntohs(address.sin_port);
    }
    ~Listener() {
        if (m_socket >= 0)
            ::close(m_socket);
    }
    int port() const { return m_port; } // 0: not listening
    bool contacted() const {
        pollfd waiting{m_socket, POLLIN, 0};
        return ::poll(&waiting, 1, 0) > 0;
    }

private:
    int m_socket = -1;
    int m_port = 0;
};

} // namespace

// The help window shows the program's own help files and nothing else: no
// other file, nothing from the network, no link opened by anyone but itself.
class HelpWindowIsolationTest : public QObject {
    Q_OBJECT
public slots:
    // Stands for the desktop's browser, mail program or file manager.
    void openedByDesktop(const QUrl& url) { m_desktopOpened << url; }

private slots:
    void init();
    void cleanup();
    void followsOnlyTheHelpFiles_data();
    void followsOnlyTheHelpFiles();
    void clickOnAnExternalLinkOpensNothing();
    void fetchesNothingFromTheNetwork();

private:
    void write(const QString& path, const QByteArray& content);
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_outside;
    QList<QUrl> m_desktopOpened;
};

void HelpWindowIsolationTest::write(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void HelpWindowIsolationTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_outside = std::make_unique<QTemporaryDir>();
    const QByteArray page = "<html><head><title>Help</title></head><body>"
                            "<p><a href=\"https://example.org/\">EXTERNALLINK</a></p>"
                            "<h2><a name=\"context-53\"></a>Conversion</h2><p>Text.</p></body></html>";
    write(m_dir->filePath("torvex11_e.hlp"), page);
    write(m_dir->filePath("torvex11_d.hlp"), page);
    write(m_dir->filePath("notes.txt"), "<p>not a help file</p>");
    write(m_dir->filePath("picture.png"), "png");
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("sub")));
    write(m_dir->filePath("sub/deeper.hlp"), page);
    write(m_outside->filePath("outside.hlp"), page);
    write(m_outside->filePath("secret.txt"), "secret");
    QVERIFY(QFile::link(m_outside->filePath("outside.hlp"), m_dir->filePath("linked.hlp")));
    QVERIFY(QFile::link(m_dir->filePath("notes.txt"), m_dir->filePath("notes.hlp")));
    for (const char* scheme : {"http", "https", "mailto", "file", "ftp"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openedByDesktop");
    m_desktopOpened.clear();
}

void HelpWindowIsolationTest::cleanup() {
    for (const char* scheme : {"http", "https", "mailto", "file", "ftp"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

void HelpWindowIsolationTest::followsOnlyTheHelpFiles_data() {
    QTest::addColumn<QString>("link");  // {outside}: a folder beside the help folder
    QTest::addColumn<QString>("shown"); // file shown afterwards, relative to the help folder

    // clang-format off
    QTest::newRow("the other help file") << "torvex11_d.hlp#context-53" << "torvex11_d.hlp";
    QTest::newRow("an anchor of the same file") << "#context-53" << "torvex11_e.hlp";
    QTest::newRow("a text file beside the help") << "notes.txt" << "torvex11_e.hlp";
    QTest::newRow("a picture beside the help") << "picture.png" << "torvex11_e.hlp";
    QTest::newRow("a help file in a subfolder") << "sub/deeper.hlp" << "torvex11_e.hlp";
    QTest::newRow("a help file outside") << "../{outside}/outside.hlp" << "torvex11_e.hlp";
    QTest::newRow("a link out of the folder") << "linked.hlp" << "torvex11_e.hlp";
    QTest::newRow("a link to another file") << "notes.hlp" << "torvex11_e.hlp";
    QTest::newRow("the web") << "https://example.org/torvex11_d.hlp" << "torvex11_e.hlp";
    QTest::newRow("mail") << "mailto:someone@example.org" << "torvex11_e.hlp";
    // clang-format on
}

void HelpWindowIsolationTest::followsOnlyTheHelpFiles() {
    QFETCH(QString, link);
    QFETCH(QString, shown);
    link.replace(QLatin1String("{outside}"), QDir(m_outside->path()).dirName());
    test::RecordingErrorReporter errors;
    gui::HelpWindow help(&errors);
    help.showContents(m_dir->filePath("torvex11_e.hlp"));
    auto* browser = help.window()->findChild<QTextBrowser*>();
    QVERIFY(browser);

    emit browser->anchorClicked(QUrl(link));
    QCOMPARE(help.currentFile(), m_dir->filePath(shown));
    QCOMPARE(errors.messages, QStringList());
    QCOMPARE(m_desktopOpened, QList<QUrl>());
}

// A real click on a link to the web: the window takes the click, and neither
// it nor the desktop opens anything.
void HelpWindowIsolationTest::clickOnAnExternalLinkOpensNothing() {
    test::RecordingErrorReporter errors;
    gui::HelpWindow help(&errors);
    help.showContents(m_dir->filePath("torvex11_e.hlp"));
    auto* browser = help.window()->findChild<QTextBrowser*>();
    QVERIFY(QTest::qWaitForWindowExposed(help.window()));
    QSignalSpy clicked(browser, &QTextBrowser::anchorClicked);

    const QTextCursor link = browser->document()->find(QStringLiteral("EXTERNALLINK"));
    QVERIFY(!link.isNull());
    QTextCursor middle(browser->document());
    middle.setPosition((link.selectionStart() + link.selectionEnd()) / 2);
    const QPoint at = browser->cursorRect(middle).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);

    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().first().toUrl(), QUrl(QStringLiteral("https://example.org/")));
    QCOMPARE(help.currentFile(), m_dir->filePath("torvex11_e.hlp"));
    QVERIFY(browser->source().isEmpty());
    QCOMPARE(m_desktopOpened, QList<QUrl>());
    QCOMPARE(errors.messages, QStringList());
}

// Pictures, style sheets and links that point at a server are never fetched.
void HelpWindowIsolationTest::fetchesNothingFromTheNetwork() {
    Listener server;
    QVERIFY(server.port() != 0);
    const QByteArray host = "127.0.0.1:" + QByteArray::number(server.port());
    const QByteArray base = "http://" + host;
    write(m_dir->filePath("torvex11_e.hlp"), "<html><head><link rel=\"stylesheet\" href=\"" + base +
                                                 "/style.css\"></head><body>"
                                                 "<img src=\"" +
                                                 base + "/picture.png\"><img src=\"//" + host +
                                                 "/p.png\">"
                                                 "<p style=\"background-image: url(" +
                                                 base +
                                                 "/bg.png)\">Text</p>"
                                                 "<a href=\"" +
                                                 base + "/page.hlp\">link</a></body></html>");

    test::RecordingErrorReporter errors;
    gui::HelpWindow help(&errors);
    help.showContents(m_dir->filePath("torvex11_e.hlp"));
    QVERIFY(QTest::qWaitForWindowExposed(help.window()));
    auto* browser = help.window()->findChild<QTextBrowser*>();
    emit browser->anchorClicked(QUrl(QString::fromLatin1(base + "/page.hlp")));
    QTest::qWait(200);
    QVERIFY(!server.contacted());
    QCOMPARE(m_desktopOpened, QList<QUrl>());
}

QTEST_MAIN(HelpWindowIsolationTest)
#include "help_window_isolation_test.moc"
