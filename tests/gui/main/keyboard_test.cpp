// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QTabWidget>
#include <QTest>

#include "started_program.h"

using namespace torvex;

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlTabTurnsThePages_data();
    void ctrlTabTurnsThePages();
    void escapeClosesAToolWindow_data();
    void escapeClosesAToolWindow();
    void unknownCoresPageReadsTopToBottom();
    void captionsNameTheirFields_data();
    void captionsNameTheirFields();
};

void KeyboardTest::ctrlTabTurnsThePages_data() {
    QTest::addColumn<QString>("control"); // has the focus on the iron-powder page
    QTest::newRow("size list") << "ComboBox2";
    QTest::newRow("inductance field") << "Edit1";
    QTest::newRow("turns field") << "Edit2";
}

// Forward and back, round from the last page to the first.
void KeyboardTest::ctrlTabTurnsThePages() {
    QFETCH(QString, control);
    test::StartedProgram p(1031, QStringLiteral("."));
    p.main()->show();
    QVERIFY(QTest::qWaitForWindowActive(p.main()));
    auto* pages = p.find<QTabWidget>("PageControl1");
    auto* start = p.find(control.toLatin1().constData());
    QVERIFY(pages && start);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pages->currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pages->currentIndex(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pages->currentIndex(), pages->count() - 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pages->currentIndex(), 0);
}

void KeyboardTest::escapeClosesAToolWindow_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    // clang-format off
    QTest::newRow("AL")         << "Permeabilitt1"          << "TForm3";
    QTest::newRow("resonance")  << "Schwingkreis1"          << "TForm2";
    QTest::newRow("copper")     << "RCu1"                   << "TForm4";
    QTest::newRow("conversion") << "Umrechnungminch1"       << "TForm5";
    QTest::newRow("ferrite")    << "ferriteImpedanceAction" << "FerriteImpedanceWindow";
    QTest::newRow("About")      << "Info1"                  << "TAboutBox";
    // clang-format on
}

void KeyboardTest::escapeClosesAToolWindow() {
    QFETCH(QString, command);
    QFETCH(QString, window);
    test::StartedProgram p(1031, QStringLiteral("."));
    p.action(command.toLatin1().constData())->trigger();
    QWidget* tool = p.find(window.toLatin1().constData());
    QVERIFY(tool);
    QVERIFY(QTest::qWaitForWindowActive(tool));
    QWidget* focus = tool->focusWidget() ? tool->focusWidget() : tool;
    QTest::keyClick(focus, Qt::Key_Escape);
    QVERIFY(!tool->isVisible());
    QVERIFY(p.find(window.toLatin1().constData())); // hidden, not destroyed
}

void KeyboardTest::unknownCoresPageReadsTopToBottom() {
    test::StartedProgram p(1031, QStringLiteral("."));
    p.main()->unknownCorePage();
    QWidget* w = p.find("Edit20");
    QVERIFY(w);
    QStringList order;
    for (int i = 0; i < 12; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus || !w->isEnabled() || w->objectName().isEmpty() ||
               w->objectName().startsWith(QLatin1String("qt_")))
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    QCOMPARE(order, (QStringList{"Edit20", "ComboBox7", "BitBtn1", "Edit6", "Edit7", "Edit21", "BitBtn2", "Edit4",
                                 "ComboBox8", "Edit27", "ComboBox20", "Edit5"}));
}

void KeyboardTest::captionsNameTheirFields_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("field");
    // clang-format off
    QTest::newRow("iron powder L")      << "TForm1" << "Label17"  << "Edit1";
    QTest::newRow("iron powder N")      << "TForm1" << "Label37"  << "Edit2";
    QTest::newRow("unknown cores AL")   << "TForm1" << "Label168" << "Edit20";
    QTest::newRow("unknown cores h")    << "TForm1" << "Label44"  << "Edit21";
    QTest::newRow("unknown cores N")    << "TForm1" << "Label160" << "Edit5";
    QTest::newRow("cylinder coil D")    << "TForm1" << "Label59"  << "Edit9";
    QTest::newRow("straight wire D")    << "TForm1" << "Label173" << "ComboBox21";
    QTest::newRow("copper diameter")    << "TForm4" << "Label6"   << "ComboBox2";
    QTest::newRow("copper temperature") << "TForm4" << "Label10"  << "Edit3";
    // clang-format on
}

void KeyboardTest::captionsNameTheirFields() {
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, field);
    test::StartedProgram p(1031, QStringLiteral("."));
    p.action("RCu1")->trigger();
    p.main()->unknownCorePage();
    p.main()->airCoilPage();
    QWidget* root = p.find(window.toLatin1().constData());
    QVERIFY(root);
    auto* label = root->findChild<QLabel*>(caption);
    QVERIFY(label && label->buddy());
    QCOMPARE(label->buddy()->objectName(), field);
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
