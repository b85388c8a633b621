// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTabWidget>
#include <QTest>

#include "started_program.h"

using namespace torvex;

namespace {

enum class Relation {
    SameLeft,   // one above the other, lined up on the left
    Touching,   // the second starts where the first ends
    SameMiddle, // side by side, their texts on one line
};

QRect InWindow(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

} // namespace

Q_DECLARE_METATYPE(Relation)

class AlignmentTest : public QObject {
    Q_OBJECT
private slots:
    void controlsLineUp_data();
    void controlsLineUp();
};

void AlignmentTest::controlsLineUp_data() {
    QTest::addColumn<QString>("command"); // opens the window, or a page's index
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<Relation>("relation");
    // clang-format off
    QTest::newRow("resonance: results")        << "Schwingkreis1" << "TForm2" << "Label1" << "Label3" << Relation::SameLeft;
    QTest::newRow("resonance: results 2")      << "Schwingkreis1" << "TForm2" << "Label3" << "Label5" << Relation::SameLeft;
    QTest::newRow("resonance: second inputs")  << "Schwingkreis1" << "TForm2" << "Edit2"  << "Edit6"  << Relation::SameLeft;
    QTest::newRow("unknown cores: XL prefix")  << "4" << "TForm1" << "Label235" << "Label234" << Relation::Touching;
    QTest::newRow("unknown cores: XL2 prefix") << "4" << "TForm1" << "Label239" << "Label238" << Relation::Touching;
    QTest::newRow("iron powder: MHz")          << "0" << "TForm1" << "Label6"   << "Label7"   << Relation::SameMiddle;
    QTest::newRow("straight conductor: D")     << "5" << "TForm1" << "Label173" << "ComboBox21" << Relation::SameLeft;
    // clang-format on
}

void AlignmentTest::controlsLineUp() {
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(Relation, relation);
    test::StartedProgram p(1031, QStringLiteral(".")); // metric units
    p.main()->show();
    bool isPage = false;
    const int page = command.toInt(&isPage);
    if (isPage)
        p.find<QTabWidget>("PageControl1")->setCurrentIndex(page);
    else
        p.action(command.toLatin1().constData())->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QWidget* root = p.find(window.toLatin1().constData());
    QVERIFY(root);
    auto* a = root->findChild<QWidget*>(first);
    auto* b = root->findChild<QWidget*>(second);
    QVERIFY(a && b && a->isVisible() && b->isVisible());
    const QRect ra = InWindow(a);
    const QRect rb = InWindow(b);
    switch (relation) {
    case Relation::SameLeft:
        QCOMPARE(ra.left(), rb.left());
        break;
    case Relation::Touching:
        QCOMPARE(ra.right() + 1, rb.left());
        break;
    case Relation::SameMiddle:
        QCOMPARE(ra.center().y(), rb.center().y());
        break;
    }
}

QTEST_MAIN(AlignmentTest)
#include "alignment_test.moc"
