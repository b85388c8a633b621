#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "support/fake_main_context.h"
#include "support/ui_helpers.h"
#include "tools/about_box.h"

using torvex::gui::TAboutBox;
using torvex::test::FakeMainContext;

namespace {
constexpr Qt::KeyboardModifiers kChord = Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier;
}

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void components_data();
    void components();
    void keySequence_data();
    void keySequence();
    void timerEndsTheSwapAndEmptiesTheBuffer();
    void furtherKeysDoNotProlongTheSwap();
    void bufferSurvivesHiding();
    void languagePicturesSwitchTheProgram();
    void okAndCloseOnlyHide();
    void registersAndTakesTheStartLanguage();
};

void AboutBoxTest::components_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tag");
    QTest::newRow("panel") << "Panel1" << 0;
    QTest::newRow("program picture") << "ProgramIcon" << 0;
    QTest::newRow("product name") << "Produktname" << 255;
    QTest::newRow("version") << "Version" << 0;
    QTest::newRow("copyright") << "Copyright" << 256;
    QTest::newRow("comments") << "Comments" << 0;
    QTest::newRow("German picture") << "Image1" << 358;
    QTest::newRow("English picture") << "Image2" << 359;
    QTest::newRow("second picture") << "Image3" << 0;
    QTest::newRow("ok") << "OKButton" << 0;
    QTest::newRow("timer") << "Timer1" << 0;
}

void AboutBoxTest::components() {
    QFETCH(QString, name);
    QFETCH(int, tag);
    FakeMainContext context;
    TAboutBox about(context);
    QObject* component = about.findChild<QObject*>(name);
    QVERIFY2(component, qPrintable(name));
    QCOMPARE(component->property("tag").toInt(), tag);
    QCOMPARE(about.property("tag").toInt(), 356);
    QCOMPARE(about.findChild<QLabel*>("Version")->text(), QStringLiteral("Version 1.1.2"));
    QCOMPARE(about.findChild<QTimer*>("Timer1")->interval(), 5000);
}

void AboutBoxTest::keySequence_data() {
    QTest::addColumn<QString>("keys");          // letters pressed in order
    QTest::addColumn<int>("modifiers");         // held for every letter
    QTest::addColumn<bool>("swapped");
    QTest::addColumn<QString>("buffer");
    QTest::newRow("Q E X") << "QEX" << int(kChord) << true << "QEX";
    QTest::newRow("Q E E X") << "QEEX" << int(kChord) << false << "QEEX";
    QTest::newRow("Ctrl+Alt only") << "QEX" << int(Qt::ControlModifier | Qt::AltModifier) << false << "";
    QTest::newRow("E X before any Q") << "EX" << int(kChord) << false << "EX";
    QTest::newRow("a later Q starts again") << "EEQEX" << int(kChord) << true << "QEX";
    QTest::newRow("other letters change nothing") << "QAEBX" << int(kChord) << true << "QEX";
    QTest::newRow("with Meta too") << "QEX" << int(kChord | Qt::MetaModifier) << false << "";
}

void AboutBoxTest::keySequence() {
    QFETCH(QString, keys);
    QFETCH(int, modifiers);
    QFETCH(bool, swapped);
    QFETCH(QString, buffer);
    FakeMainContext context;
    TAboutBox about(context);
    auto* ok = about.findChild<QPushButton*>("OKButton");
    for (QChar letter : keys)
        QTest::keyClick(ok, Qt::Key(Qt::Key_A + (letter.unicode() - 'A')), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(about.keyBuffer(), buffer);
    QCOMPARE(about.findChild<QLabel*>("Image3")->isVisibleTo(&about), swapped);
    QCOMPARE(about.findChild<QLabel*>("ProgramIcon")->isVisibleTo(&about), !swapped);
    QCOMPARE(about.timer()->isActive(), swapped);
}

void AboutBoxTest::timerEndsTheSwapAndEmptiesTheBuffer() {
    FakeMainContext context;
    TAboutBox about(context);
    about.timer()->setInterval(20); // stands for the five seconds
    for (Qt::Key key : {Qt::Key_Q, Qt::Key_E, Qt::Key_X})
        QTest::keyClick(&about, key, kChord);
    QVERIFY(about.timer()->isActive());
    QTRY_VERIFY(!about.timer()->isActive());
    QVERIFY(about.findChild<QLabel*>("ProgramIcon")->isVisibleTo(&about));
    QVERIFY(!about.findChild<QLabel*>("Image3")->isVisibleTo(&about));
    QCOMPARE(about.keyBuffer(), QString());
}

void AboutBoxTest::furtherKeysDoNotProlongTheSwap() {
    FakeMainContext context;
    TAboutBox about(context);
    for (Qt::Key key : {Qt::Key_Q, Qt::Key_E, Qt::Key_X})
        QTest::keyClick(&about, key, kChord);
    QTest::qWait(60);
    const int before = about.timer()->remainingTime();
    QTest::keyClick(&about, Qt::Key_A); // any key while the buffer reads "QEX"
    QTest::keyClick(&about, Qt::Key_X, kChord);
    QVERIFY(about.timer()->isActive());
    QVERIFY2(about.timer()->remainingTime() <= before, "the timer was restarted");
}

void AboutBoxTest::bufferSurvivesHiding() {
    FakeMainContext context;
    TAboutBox about(context);
    about.showAndRaise();
    QTest::keyClick(&about, Qt::Key_Q, kChord);
    QTest::keyClick(&about, Qt::Key_E, kChord);
    about.OKButtonClick();
    QVERIFY(!about.isVisible());
    about.showAndRaise();
    QTest::keyClick(&about, Qt::Key_X, kChord);
    QVERIFY(about.timer()->isActive());
}

void AboutBoxTest::languagePicturesSwitchTheProgram() {
    FakeMainContext context;
    TAboutBox about(context);
    QTest::mouseClick(about.findChild<QLabel*>("Image2"), Qt::LeftButton);
    QTest::mouseClick(about.findChild<QLabel*>("Image1"), Qt::LeftButton);
    QCOMPARE(context.languageCommands, (QList<bool>{true, false}));
}

void AboutBoxTest::okAndCloseOnlyHide() {
    FakeMainContext context;
    TAboutBox about(context);
    about.showAndRaise();
    QTest::mouseClick(about.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
    about.showAndRaise();
    QVERIFY(about.close() == false || !about.isVisible());
    QVERIFY(!about.isVisible());
    QVERIFY(!about.testAttribute(Qt::WA_DeleteOnClose));
}

void AboutBoxTest::registersAndTakesTheStartLanguage() {
    FakeMainContext context;
    TAboutBox about(context);
    QCOMPARE(context.registered, (QList<QWidget*>{&about}));
    QCOMPARE(context.startLanguageCalls, 1);
}

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
