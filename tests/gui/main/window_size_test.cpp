// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include "started_program.h"

using namespace torvex;

namespace {

QMap<QString, QSize> Sizes(const test::StartedProgram& p) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QMap<QString, QSize> sizes;
    for (QWidget* window : p.main()->windows())
        sizes[window->objectName()] = window->size();
    return sizes;
}

} // namespace

class WindowSizeTest : public QObject {
    Q_OBJECT
private slots:
    void oneSizeThroughLanguageAndUnits_data();
    void oneSizeThroughLanguageAndUnits();
};

void WindowSizeTest::oneSizeThroughLanguageAndUnits_data() {
    QTest::addColumn<int>("languageId");
    QTest::newRow("German, metric") << 1031;
    QTest::newRow("English, US units") << 1033;
}

// Each window keeps the size it was built with, the larger of its states,
// whatever the user switches to later.
void WindowSizeTest::oneSizeThroughLanguageAndUnits() {
    QFETCH(int, languageId);
    test::StartedProgram p(languageId, QStringLiteral("."));
    p.main()->show();
    for (const char* command :
         {"Info1", "Permeabilitt1", "Schwingkreis1", "RCu1", "Umrechnungminch1", "ferriteImpedanceAction"})
        p.action(command)->trigger();
    const QMap<QString, QSize> built = Sizes(p);
    QCOMPARE(built.size(), 7);
    // Pages built on first view fit the room kept for them.
    auto* pages = p.find<QTabWidget>("PageControl1");
    for (int i = 0; i < pages->count(); ++i)
        pages->setCurrentIndex(i);

    QStringList changed;
    for (const char* command : {"English1", "inchfootAWG1", "Deutsch1", "mmcm1", "English1", "Deutsch1"}) {
        p.action(command)->trigger();
        const QMap<QString, QSize> now = Sizes(p);
        for (auto it = built.begin(); it != built.end(); ++it)
            if (now[it.key()] != it.value())
                changed << QStringLiteral("%1 after %2: %3x%4, built %5x%6")
                               .arg(it.key(), QLatin1String(command))
                               .arg(now[it.key()].width())
                               .arg(now[it.key()].height())
                               .arg(it.value().width())
                               .arg(it.value().height());
    }
    QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char('\n'))));
}

QTEST_MAIN(WindowSizeTest)
#include "window_size_test.moc"
