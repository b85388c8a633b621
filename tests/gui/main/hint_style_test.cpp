// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <QToolTip>

#include "started_program.h"
#include "widgets/hint_style.h"
#include "widgets/hints.h"

using namespace torvex;
using test::StartedProgram;

namespace {

// The tooltip window on screen, if any.
QWidget* shownTip() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowType() == Qt::ToolTip && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

class HintStyleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void keepsTheDesktopStyle();
    void tooltipsShowTheShortHint_data();
    void tooltipsShowTheShortHint();
    void cleanup() { QToolTip::hideText(); }

private:
    QString m_desktopStyle;
};

void HintStyleTest::initTestCase() {
    // The style Qt chose for this desktop, before the program changes anything.
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    m_desktopStyle = QApplication::style()->name();
    QVERIFY(!m_desktopStyle.isEmpty());
    // A desktop whose inactive tooltip colours differ from the active ones.
    QPalette desktop = QApplication::palette();
    desktop.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(255, 255, 225));
    desktop.setColor(QPalette::Inactive, QPalette::ToolTipBase, QColor(200, 200, 200));
    desktop.setColor(QPalette::Active, QPalette::ToolTipText, Qt::black);
    desktop.setColor(QPalette::Inactive, QPalette::ToolTipText, QColor(90, 90, 90));
    QApplication::setPalette(desktop);
}

void HintStyleTest::keepsTheDesktopStyle() {
    gui::InstallHintStyle();
    QStyle* style = QApplication::style();
    auto* hintStyle = dynamic_cast<gui::HintStyle*>(style);
    QVERIFY(hintStyle);
    QCOMPARE(hintStyle->baseStyle()->name(), m_desktopStyle);
    QCOMPARE(style->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 10);
    QCOMPARE(style->styleHint(QStyle::SH_ToolTip_FallAsleepDelay),
             hintStyle->baseStyle()->styleHint(QStyle::SH_ToolTip_FallAsleepDelay));

    // Every window shares that one style: starting the program, and a second
    // installation, leave it in place.
    StartedProgram p(1031, QStringLiteral(","));
    p.openEverything();
    gui::InstallHintStyle();
    QCOMPARE(QApplication::style(), style);
    for (QWidget* window : p.main()->windows())
        QCOMPARE(window->style(), style);
}

void HintStyleTest::tooltipsShowTheShortHint_data() {
    QTest::addColumn<int>("languageId");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint"); // set by the test when not empty
    QTest::addColumn<QString>("tooltip");

    // clang-format off
    QTest::newRow("main window, German") << 1031 << "TForm1" << "ComboBox2" << "" << "Kerngröße ";
    QTest::newRow("main window, English") << 2057 << "TForm1" << "ComboBox2" << "" << "Core size ";
    QTest::newRow("tool bar") << 2057 << "TForm1" << "ToolButton2" << "" << "Calculating resonant circuits ";
    QTest::newRow("About window") << 1031 << "TAboutBox" << "Image1" << ""
                                  << "Die deutsche Oberfläche und Hilfe ... ";
    QTest::newRow("tool window") << 2057 << "TForm2" << "Edit1" << "Inductance | L of the circuit" << "Inductance ";
    // clang-format on
}

void HintStyleTest::tooltipsShowTheShortHint() {
    QFETCH(int, languageId);
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, hint);
    QFETCH(QString, tooltip);
    StartedProgram p(languageId, QStringLiteral("."));
    QWidget* w = p.window(window.toLatin1().constData());
    QVERIFY(w);
    QWidget* target = w->objectName() == control ? w : w->findChild<QWidget*>(control);
    QVERIFY(target);
    if (!hint.isEmpty())
        gui::setHint(target, hint);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));

    const QPoint centre = target->rect().center();
    QHelpEvent help(QEvent::ToolTip, centre, target->mapToGlobal(centre));
    QApplication::sendEvent(target, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), tooltip);

    // One look for every tooltip: the hint palette, the program's style, and
    // a tooltip window of the platform, which draws its shadow.
    QWidget* tip = shownTip();
    QVERIFY(tip);
    QCOMPARE(tip->style(), QApplication::style());
    QVERIFY(!(tip->windowFlags() & Qt::NoDropShadowWindowHint));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        QCOMPARE(tip->palette().color(group, QPalette::ToolTipBase), QColor(255, 255, 225));
        QCOMPARE(tip->palette().color(group, QPalette::ToolTipText), QColor(Qt::black));
    }
}

QTEST_MAIN(HintStyleTest)
#include "hint_style_test.moc"
