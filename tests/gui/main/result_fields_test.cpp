// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include "started_program.h"
#include "support/ui_helpers.h"
#include "widgets/result_label.h"

using namespace torvex;
using test::StartedProgram;

namespace {
// A label's new size travels up one layout per pass of the event loop.
void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}
} // namespace

// A typed value like "1e4000" makes the engine write a number thousands of
// digits long. Every window keeps its size, and the result field shows the
// number elided while its text and tooltip hold it whole.
class ResultFieldsTest : public QObject {
    Q_OBJECT
private slots:
    void absurdValueKeepsTheWindowSize_data();
    void absurdValueKeepsTheWindowSize();
    void everyResultFieldReservesItsWidth();
    void shortTextIsNotElided();
    void catalogueTextsAreShownWhole();
    void takingOverALongAlCopiesEveryDigit();
};

void ResultFieldsTest::absurdValueKeepsTheWindowSize_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("page");          // of the main window's page control
    QTest::addColumn<QStringList>("typed"); // "field=text", typed in this order
    QTest::addColumn<QString>("result");    // the field that gets the long number

    // clang-format off
    QTest::newRow("iron powder") << "TForm1" << 0 << QStringList{"Edit1=1e4000"} << "Label36";
    QTest::newRow("ferrite FT") << "TForm1" << 1 << QStringList{"Edit17=1e4000"} << "Label123";
    QTest::newRow("SIFERRIT") << "TForm1" << 2 << QStringList{"Edit11=1e4000"} << "Label66";
    QTest::newRow("Ferroxcube") << "TForm1" << 3 << QStringList{"Edit24=1e4000"} << "Label199";
    QTest::newRow("unknown core") << "TForm1" << 4 << QStringList{"Edit20=1", "Edit4=1e4000"} << "Label49";
    QTest::newRow("coil turns") << "TForm1" << 5 << QStringList{"Edit15=10", "Edit16=10", "Edit14=1e4000"}
                                << "Label104";
    // clang-format on
    // 1e4000 turns would overflow when squared; 1e2000 gives 1e3991 H.
    // clang-format off
    QTest::newRow("coil inductance") << "TForm1" << 5 << QStringList{"Edit9=10", "Edit10=10", "Edit8=1e2000"}
                                     << "Label57";
    QTest::newRow("straight conductor") << "TForm1" << 5 << QStringList{"ComboBox21=1", "Edit23=1e4000"}
                                        << "Label170";
    QTest::newRow("resonant frequency") << "TForm2" << -1 << QStringList{"Edit2=1", "Edit1=1e-4000"} << "Label1";
    QTest::newRow("resonant capacitance") << "TForm2" << -1 << QStringList{"Edit4=1", "Edit3=1e-4000"} << "Label3";
    QTest::newRow("resonant inductance") << "TForm2" << -1 << QStringList{"Edit6=1", "Edit5=1e-4000"} << "Label5";
    QTest::newRow("AL and permeability") << "TForm3" << -1 << QStringList{"Edit1=1", "Edit2=1e4000"} << "Label4";
    QTest::newRow("copper resistance") << "TForm4" << -1 << QStringList{"ComboBox2=1", "Edit1=1e4000"} << "Label3";
    QTest::newRow("inch to metre") << "TForm5" << -1 << QStringList{"Edit1=1e4000"} << "Label1";
    QTest::newRow("metre to inch") << "TForm5" << -1 << QStringList{"Edit2=1e4000"} << "Label2";
    QTest::newRow("Fahrenheit") << "TForm5" << -1 << QStringList{"Edit3=1e4000"} << "Label4";
    // clang-format on
}

void ResultFieldsTest::absurdValueKeepsTheWindowSize() {
    QFETCH(QString, window);
    QFETCH(int, page);
    QFETCH(QStringList, typed);
    QFETCH(QString, result);

    StartedProgram p(1031, QStringLiteral(","));
    QWidget* w = p.window(window.toLatin1().constData());
    QVERIFY(w);
    if (page >= 0)
        p.showPage(page);
    w->show();
    settle();
    const QSize before = w->size();

    for (const QString& entry : typed) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        QWidget* field = w->findChild<QWidget*>(name);
        QVERIFY2(field, qPrintable(name));
        test::retype(field, entry.section(QLatin1Char('='), 1));
    }
    settle();
    QCOMPARE(p.errors.messages, QStringList());

    auto* shownLabel = w->findChild<QLabel*>(result);
    QVERIFY(shownLabel);
    QVERIFY2(shownLabel->text().size() > 1000, qPrintable(shownLabel->text()));
    QCOMPARE(w->size(), before);
    auto* label = qobject_cast<gui::ResultLabel*>(shownLabel);
    QVERIFY2(label, qPrintable(result + " is not a result field"));

    // Shown elided, never cut without a mark; the tooltip holds every digit.
    const QString shown = label->shownText();
    QVERIFY(shown.endsWith(QChar(0x2026)));
    QVERIFY(label->text().startsWith(shown.chopped(1)));
    const QPoint centre = label->rect().center();
    QHelpEvent tip(QEvent::ToolTip, centre, label->mapToGlobal(centre));
    QApplication::sendEvent(label, &tip);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text().remove(QLatin1Char('\n')), label->text());
    QToolTip::hideText();
}

// A field without a reserved width would size itself to its text again.
void ResultFieldsTest::everyResultFieldReservesItsWidth() {
    StartedProgram p(1033, QStringLiteral("."));
    p.openEverything();
    int fields = 0;
    for (QWidget* window : p.main()->windows())
        for (gui::ResultLabel* label : window->findChildren<gui::ResultLabel*>()) {
            QVERIFY2(label->minimumWidth() > 0, qPrintable(window->objectName() + "/" + label->objectName()));
            ++fields;
        }
    QVERIFY(fields > 40);
}

void ResultFieldsTest::shortTextIsNotElided() {
    StartedProgram p(1031, QStringLiteral(","));
    p.main()->show();
    test::retype(p.find("Edit1"), QStringLiteral("10"));
    auto* turns = p.find<gui::ResultLabel>("Label36");
    QVERIFY(turns);
    QCOMPARE(turns->text(), QStringLiteral("45.2"));
    QCOMPARE(turns->shownText(), turns->text());
}

// The fields reserve room for the widest catalogue text: no size, material,
// language or unit system hides part of one.
void ResultFieldsTest::catalogueTextsAreShownWhole() {
    StartedProgram p(1031, QStringLiteral(","));
    p.main()->show();
    // clang-format off
    const QPair<const char*, const char*> lists[] = {
        {"TabSheet1", "ComboBox1"}, {"TabSheet1", "ComboBox2"}, {"TabSheet2", "ComboBox5"},  {"TabSheet2", "ComboBox6"},
        {"TabSheet3", "ComboBox3"}, {"TabSheet3", "ComboBox4"}, {"TabSheet6", "ComboBox16"}, {"TabSheet6", "ComboBox17"}};
    // clang-format on
    for (const char* units : {"mmcm1", "inchfootAWG1"}) {
        p.action(units)->trigger();
        for (const char* language : {"Deutsch1", "English1"}) {
            p.action(language)->trigger();
            for (const auto& [sheet, name] : lists) {
                p.showPage(sheet);
                auto* list = p.find<QComboBox>(name);
                QVERIFY(list);
                const int start = list->currentIndex();
                for (int i = 0; i < list->count(); ++i) {
                    test::choose(list, i);
                    QCoreApplication::processEvents();
                    for (gui::ResultLabel* field : list->parentWidget()->findChildren<gui::ResultLabel*>())
                        QVERIFY2(field->shownText() == field->text(),
                                 qPrintable(QStringLiteral("%1 at %2 %3: %4 shows \"%5\"")
                                                .arg(QLatin1String(name))
                                                .arg(i)
                                                .arg(QLatin1String(language), field->objectName(), field->text())));
                }
                test::choose(list, start);
            }
        }
    }
    QCOMPARE(p.errors.messages, QStringList());
}

// The unknown-cores page copies the AL the tool window shows: the whole
// number, not what fits on screen.
void ResultFieldsTest::takingOverALongAlCopiesEveryDigit() {
    StartedProgram p(1033, QStringLiteral("."));
    QWidget* tool = p.window("TForm3");
    test::retype(tool->findChild<QLineEdit*>(QStringLiteral("Edit1")), QStringLiteral("1"));
    test::retype(tool->findChild<QLineEdit*>(QStringLiteral("Edit2")), QStringLiteral("1e4000"));
    auto* al = tool->findChild<gui::ResultLabel*>(QStringLiteral("Label4"));
    QVERIFY(al && al->text().size() > 4000);
    settle();
    QVERIFY(al->shownText() != al->text());

    p.showPage("TabSheet4");
    p.find<QPushButton>("BitBtn1")->click();
    QCOMPARE(p.find<QLineEdit>("Edit20")->text(), al->text());
    QCOMPARE(p.errors.messages, QStringList());
}

QTEST_MAIN(ResultFieldsTest)
#include "result_fields_test.moc"
