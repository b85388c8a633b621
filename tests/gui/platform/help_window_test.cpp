// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>

#include "platform/help_window.h"
#include "support/recorders.h"

using namespace torvex;

namespace {

void write(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// A help file long enough that its last anchor lies far below the top.
QByteArray helpPage(const char* title) {
    QByteArray html = "<html><head><title>" + QByteArray(title) + "</title></head><body><h1>Contents</h1>";
    for (int i = 0; i < 80; ++i)
        html += "<p>Filler paragraph.</p>";
    html += "<h2><a name=\"context-53\"></a>Metric conversion</h2><p>Inch to metre.</p>";
    for (int i = 0; i < 20; ++i)
        html += "<p>More.</p>";
    return html + "</body></html>";
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensAtContentsAndAtContext();
    void missingFileIsReported();
    void openWindowFollowsTheLanguage();
    void staysInsideTheHelpFolder();
    void shippedFilesHaveEveryContext_data();
    void shippedFilesHaveEveryContext();

private:
    QTemporaryDir m_outside;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void HelpWindowTest::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    write(m_dir->filePath("torvex11_e.hlp"), helpPage("English help"));
    write(m_dir->filePath("torvex11_d.hlp"), helpPage("Deutsche Hilfe"));
    write(m_dir->filePath("picture.png"), "png");
    write(m_outside.filePath("secret.txt"), "secret");
}

void HelpWindowTest::opensAtContentsAndAtContext() {
    test::RecordingErrorReporter errors;
    gui::HelpWindow help(&errors);
    QVERIFY(!help.window());

    help.showContext(m_dir->filePath("torvex11_e.hlp"), 53);
    QVERIFY(help.window() && help.window()->isVisible());
    QCOMPARE(help.window()->windowTitle(), QStringLiteral("English help"));
    auto* browser = help.window()->findChild<QTextBrowser*>();
    QVERIFY(QTest::qWaitForWindowExposed(help.window()));
    QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);

    help.showContents(m_dir->filePath("torvex11_d.hlp"));
    QCOMPARE(help.currentFile(), m_dir->filePath("torvex11_d.hlp"));
    QTRY_COMPARE(browser->verticalScrollBar()->value(), 0);

    help.close();
    QVERIFY(!help.window()->isVisible());
    QCOMPARE(errors.messages, QStringList());
}

// The same topic in the other file, without taking the focus; a closed
// window stays closed.
void HelpWindowTest::openWindowFollowsTheLanguage() {
    gui::HelpWindow help;
    help.followLanguage(m_dir->filePath("torvex11_e.hlp"));
    QVERIFY(!help.window());

    help.showContext(m_dir->filePath("torvex11_d.hlp"), 53);
    auto* browser = help.window()->findChild<QTextBrowser*>();
    QVERIFY(QTest::qWaitForWindowExposed(help.window()));
    help.followLanguage(m_dir->filePath("torvex11_e.hlp"));
    QCOMPARE(help.currentFile(), m_dir->filePath("torvex11_e.hlp"));
    QCOMPARE(help.window()->windowTitle(), QStringLiteral("English help"));
    QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);

    help.close();
    help.followLanguage(m_dir->filePath("torvex11_d.hlp"));
    QVERIFY(!help.window()->isVisible());
    QCOMPARE(help.currentFile(), m_dir->filePath("torvex11_e.hlp"));
}

void HelpWindowTest::missingFileIsReported() {
    test::RecordingErrorReporter errors;
    gui::HelpWindow help(&errors);
    help.showContents(m_dir->filePath("missing_d.hlp"));
    help.showContext(m_dir->filePath("missing_e.hlp"), 41);
    QCOMPARE(errors.messages.size(), 2);
    QVERIFY(errors.messages[0].contains(QLatin1String("missing_d.hlp")));
    QVERIFY(errors.messages[0].contains(QLatin1String("Hilfedatei")));
    QVERIFY(errors.messages[1].contains(QLatin1String("help file")));
    QVERIFY(!help.window());
}

void HelpWindowTest::staysInsideTheHelpFolder() {
    test::RecordingErrorReporter errors;
    gui::HelpWindow help(&errors);
    const QString english = m_dir->filePath("torvex11_e.hlp");
    help.showContents(english);
    auto* browser = help.window()->findChild<QTextBrowser*>();

    // Links out of the folder or off the machine are not followed.
    for (const QUrl& url :
         {QUrl(QStringLiteral("https://example.org/torvex.html")),
          QUrl::fromLocalFile(m_outside.filePath("secret.txt")), QUrl(QStringLiteral("../secret.txt"))}) {
        emit browser->anchorClicked(url);
        QCOMPARE(help.currentFile(), english);
    }
    // Another page of the help is.
    emit browser->anchorClicked(QUrl(QStringLiteral("torvex11_d.hlp#context-53")));
    QCOMPARE(help.currentFile(), m_dir->filePath("torvex11_d.hlp"));

    // Pictures come only from the help folder.
    QVERIFY(browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("picture.png"))).isValid());
    QVERIFY(!browser->loadResource(QTextDocument::ImageResource, QUrl::fromLocalFile(m_outside.filePath("secret.txt")))
                 .isValid());
    QVERIFY(!browser->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("http://example.org/a.png")))
                 .isValid());
    QCOMPARE(errors.messages, QStringList());
}

void HelpWindowTest::shippedFilesHaveEveryContext_data() {
    QTest::addColumn<QString>("file");
    // clang-format off
    QTest::newRow("German") << "torvex11_d.hlp";
    QTest::newRow("English") << "torvex11_e.hlp";
    // clang-format on
}

void HelpWindowTest::shippedFilesHaveEveryContext() {
    QFETCH(QString, file);
    const QString path = QFINDTESTDATA("../../../help/" + file);
    QVERIFY2(!path.isEmpty(), qPrintable(file));
    QFile help(path);
    QVERIFY(help.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(help.readAll());
    for (int context : {41, 42, 43, 44, 45, 46, 50, 51, 52, 53, 54}) {
        const QRegularExpression anchor(QStringLiteral("<a name=\"context-%1\"></a>[^<]+</h2>\\s*<p>\\S").arg(context));
        QVERIFY2(html.contains(anchor), qPrintable(QStringLiteral("context %1").arg(context)));
        QCOMPARE(html.count(QStringLiteral("name=\"context-%1\"").arg(context)), 1);
    }
    // The About window opens the help at the licence.
    QCOMPARE(html.count(QStringLiteral("<a name=\"licence\"></a>")), 1);

    // Every link leads to a place in the same file, and nothing is fetched
    // from elsewhere (the help window would refuse it anyway).
    QSet<QString> anchors;
    for (const QRegularExpressionMatch& m :
         QRegularExpression(QStringLiteral("<a name=\"([^\"]+)\"")).globalMatch(html))
        anchors << m.captured(1);
    int links = 0;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(html)) {
        const QString target = m.captured(1);
        QVERIFY2(target.startsWith(QLatin1Char('#')) && anchors.contains(target.mid(1)), qPrintable(target));
        ++links;
    }
    QVERIFY(links >= 10);
    // Pictures lie beside the help file (the build and the installation put
    // them there from docs/).
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("src=\"([^\"]*)\"")).globalMatch(html)) {
        const QString picture = m.captured(1);
        QVERIFY2(!picture.contains(QLatin1Char('/')) && !picture.contains(QLatin1Char(':')), qPrintable(picture));
        QVERIFY2(!QFINDTESTDATA("../../../docs/" + picture).isEmpty(), qPrintable(picture));
    }
    for (const char* outside : {"://", "<script", "@import", "url("})
        QVERIFY2(!html.contains(QLatin1String(outside), Qt::CaseInsensitive), outside);
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
