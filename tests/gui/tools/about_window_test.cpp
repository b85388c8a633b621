// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "support/fake_window_context.h"
#include "support/ui_helpers.h"
#include "tools/about_window.h"

using torvex::Language;
using torvex::gui::AboutWindow;
using torvex::test::FakeWindowContext;

namespace {
constexpr Qt::KeyboardModifiers kChord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
}

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void swapLastsFiveSeconds();
    void keySequence_data();
    void keySequence();
    void timerEndsTheSwapAndEmptiesTheBuffer();
    void furtherKeysDoNotProlongTheSwap();
    void bufferSurvivesHiding();
    void languagePicturesSwitchTheProgram();
    void okAndCloseOnlyHide();
    void opensCentredAtItsOwnSize();
    void panelSitsBetweenTwoBevels();
};

// 284 x 223 is the window's own client area; the offscreen test font fits it.
void AboutWindowTest::opensCentredAtItsOwnSize() {
    FakeWindowContext context;
    AboutWindow about(context);
    about.showAndRaise();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.size(), QSize(284, 223));
    const QPoint offCentre = about.geometry().center() - about.screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 40,
             qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
}

// Lowered outside (dark above, light below), raised inside (the reverse).
void AboutWindowTest::panelSitsBetweenTwoBevels() {
    FakeWindowContext context;
    AboutWindow about(context);
    auto* panel = about.findChild<QWidget*>(QStringLiteral("Panel1"));
    QVERIFY(panel);
    const QImage image = panel->grab().toImage();
    const QPalette& pal = panel->palette();
    const int x = image.width() / 2;
    const int bottom = image.height() - 1;
    QCOMPARE(image.pixel(x, 0), pal.color(QPalette::Dark).rgb());
    QCOMPARE(image.pixel(x, 1), pal.color(QPalette::Light).rgb());
    QCOMPARE(image.pixel(x, bottom), pal.color(QPalette::Light).rgb());
    QCOMPARE(image.pixel(x, bottom - 1), pal.color(QPalette::Dark).rgb());
}

// The picture swap lasts five seconds.
void AboutWindowTest::swapLastsFiveSeconds() {
    FakeWindowContext context;
    AboutWindow about(context);
    QCOMPARE(about.timer()->interval(), 5000);
    QVERIFY(!about.timer()->isActive());
}

void AboutWindowTest::keySequence_data() {
    QTest::addColumn<QString>("keys");  // letters pressed in order
    QTest::addColumn<int>("modifiers"); // held for every letter
    QTest::addColumn<bool>("swapped");
    QTest::addColumn<QString>("buffer");
    // clang-format off
    QTest::newRow("Q E X") << "QEX" << int(kChord) << true << "QEX";
    QTest::newRow("Q E E X") << "QEEX" << int(kChord) << false << "QEEX";
    QTest::newRow("Ctrl+Alt only") << "QEX" << int(Qt::ControlModifier | Qt::AltModifier) << false << "";
    QTest::newRow("E X before any Q") << "EX" << int(kChord) << false << "EX";
    QTest::newRow("a later Q starts again") << "EEQEX" << int(kChord) << true << "QEX";
    QTest::newRow("other letters change nothing") << "QAEBX" << int(kChord) << true << "QEX";
    QTest::newRow("with Meta too") << "QEX" << int(kChord | Qt::MetaModifier) << false << "";
    // clang-format on
}

void AboutWindowTest::keySequence() {
    QFETCH(QString, keys);
    QFETCH(int, modifiers);
    QFETCH(bool, swapped);
    QFETCH(QString, buffer);
    FakeWindowContext context;
    AboutWindow about(context);
    auto* ok = about.findChild<QPushButton*>("OKButton");
    for (QChar letter : keys)
        QTest::keyClick(ok, Qt::Key(Qt::Key_A + (letter.unicode() - 'A')), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(about.keyBuffer(), buffer);
    QCOMPARE(about.findChild<QLabel*>("Image3")->isVisibleTo(&about), swapped);
    QCOMPARE(about.findChild<QLabel*>("ProgramIcon")->isVisibleTo(&about), !swapped);
    QCOMPARE(about.timer()->isActive(), swapped);
}

void AboutWindowTest::timerEndsTheSwapAndEmptiesTheBuffer() {
    FakeWindowContext context;
    AboutWindow about(context);
    about.timer()->setInterval(20); // stands for the five seconds
    for (Qt::Key key : {Qt::Key_Q, Qt::Key_E, Qt::Key_X})
        QTest::keyClick(&about, key, kChord);
    QVERIFY(about.timer()->isActive());
    QTRY_VERIFY(!about.timer()->isActive());
    QVERIFY(about.findChild<QLabel*>("ProgramIcon")->isVisibleTo(&about));
    QVERIFY(!about.findChild<QLabel*>("Image3")->isVisibleTo(&about));
    QCOMPARE(about.keyBuffer(), QString());
}

void AboutWindowTest::furtherKeysDoNotProlongTheSwap() {
    FakeWindowContext context;
    AboutWindow about(context);
    for (Qt::Key key : {Qt::Key_Q, Qt::Key_E, Qt::Key_X})
        QTest::keyClick(&about, key, kChord);
    QTest::qWait(60);
    const int before = about.timer()->remainingTime();
    QTest::keyClick(&about, Qt::Key_A); // any key while the buffer reads "QEX"
    QTest::keyClick(&about, Qt::Key_X, kChord);
    QVERIFY(about.timer()->isActive());
    QVERIFY2(about.timer()->remainingTime() <= before, "the timer was restarted");
}

void AboutWindowTest::bufferSurvivesHiding() {
    FakeWindowContext context;
    AboutWindow about(context);
    about.showAndRaise();
    QTest::keyClick(&about, Qt::Key_Q, kChord);
    QTest::keyClick(&about, Qt::Key_E, kChord);
    QTest::mouseClick(about.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    about.showAndRaise();
    QTest::keyClick(&about, Qt::Key_X, kChord);
    QVERIFY(about.timer()->isActive());
}

void AboutWindowTest::languagePicturesSwitchTheProgram() {
    FakeWindowContext context;
    AboutWindow about(context);
    QTest::mouseClick(about.findChild<QLabel*>("Image2"), Qt::LeftButton);
    QTest::mouseClick(about.findChild<QLabel*>("Image1"), Qt::LeftButton);
    QCOMPARE(context.languageCommands, (QList<Language>{Language::English, Language::German}));
}

void AboutWindowTest::okAndCloseOnlyHide() {
    FakeWindowContext context;
    AboutWindow about(context);
    about.showAndRaise();
    QTest::mouseClick(about.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    about.showAndRaise();
    QVERIFY(about.close() == false || !about.isVisible());
    QVERIFY(!about.isVisible());
    QVERIFY(!about.testAttribute(Qt::WA_DeleteOnClose));
}

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
