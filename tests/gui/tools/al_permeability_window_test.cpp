#include <QtTest>
#include <memory>

#include "support/fake_window_context.h"
#include "support/output_checks.h"
#include "tools/al_permeability_window.h"

using namespace torvex;
using namespace torvex::test;

namespace {

const QStringList kOutputs{"Label1", "Label2", "Label3", "Label4", "Label5"};


struct Setup {
    explicit Setup(const QString& separator) : context(separator), window(context) {}
    FakeWindowContext context;
    gui::AlPermeabilityWindow window;
};

} // namespace

class AlPermeabilityWindowTest : public QObject {
    Q_OBJECT
private slots:
    void creation_data();
    void creation();
    void results_data();
    void results();
    void errors_data();
    void errors();
    void cleanup();

private:
    std::unique_ptr<Setup> m_setup;
};

void AlPermeabilityWindowTest::cleanup() {
    if (m_setup)
        verifyNoNanOrInf(&m_setup->window);
    m_setup.reset();
}

void AlPermeabilityWindowTest::creation_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("coating");
    QTest::newRow("comma") << "," << "0,00";
    QTest::newRow("point") << "." << "0.00";
}

void AlPermeabilityWindowTest::creation() {
    QFETCH(QString, separator);
    QFETCH(QString, coating);
    m_setup = std::make_unique<Setup>(separator);
    gui::AlPermeabilityWindow& window = m_setup->window;
    QVERIFY(window.isHidden());
    QCOMPARE(control<QLineEdit>(&window, "Edit6")->text(), coating);
    // Setting the coating is not a change: nothing is computed yet.
    for (const QString& name : kOutputs)
        QCOMPARE(labelText(&window, name.toLatin1().constData()), QString());
}

void AlPermeabilityWindowTest::results_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected"); // AL, Ae, le, S, µi

    // 10 turns measuring 2.5 µH on a 12.7/7.15/4.9 mm ring, worked by hand.
    const QStringList ring{"Edit1=10", "Edit2=2.5", "Edit3=12.7", "Edit4=7.15", "Edit5=4.9"};
    QTest::newRow("no coating") << "." << ring << QStringList{"25.00", "13.2", "29.5", "2.2", "44.4"};
    QTest::newRow("no coating, comma") << "," << ring << QStringList{"25.00", "13.2", "29.5", "2.2", "44.4"};
    QTest::newRow("0.05 mm coating") << "." << ring + QStringList{"Edit6=0.05"}
                                     << QStringList{"25.00", "12.5", "29.6", "2.4", "47.1"};
    QTest::newRow("0,05 mm coating, comma") << "," << ring + QStringList{"Edit6=0,05"}
                                            << QStringList{"25.00", "12.5", "29.6", "2.4", "47.1"};
    // The T50 ring: 20 turns, 1.96 µH.
    QTest::newRow("T50") << "." << QStringList{"Edit1=20", "Edit2=1.96", "Edit3=12.7", "Edit4=7.7", "Edit5=4.83"}
                         << QStringList{" 4.90", "11.8", "30.7", "2.6", "10.1"};
    // No turns: AL "xxx", µi computed with AL 0.
    QTest::newRow("no turns") << "." << QStringList{"Edit2=2.5", "Edit3=12.7", "Edit4=7.15", "Edit5=4.9"}
                              << QStringList{"xxx", "13.2", "29.5", "2.2", "0.0"};
    // A coating of half the height leaves no core.
    QTest::newRow("coating of half the height") << "." << ring + QStringList{"Edit6=2.45"}
                                                << QStringList{"25.00", "xxx", "xxx", "", "xxx"};
    QTest::newRow("Da = Di") << "." << QStringList{"Edit1=10", "Edit2=2.5", "Edit3=7", "Edit4=7", "Edit5=4.9"}
                             << QStringList{"25.00", "xxx", "xxx", "", "xxx"};
    QTest::newRow("no dimensions") << "." << QStringList{"Edit1=10", "Edit2=2.5"}
                                   << QStringList{"25.00", "xxx", "xxx", "", "xxx"};
}

void AlPermeabilityWindowTest::results() {
    QFETCH(QString, separator);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    m_setup = std::make_unique<Setup>(separator);
    QWidget* window = &m_setup->window;
    typeFields(window, typed);
    const QStringList shown{labelText(window, "Label4"), labelText(window, "Label1"), labelText(window, "Label2"),
                            labelText(window, "Label3"), labelText(window, "Label5")};
    QCOMPARE(shown, expected);
    QCOMPARE(m_setup->context.recorder().messages, QStringList());
}

void AlPermeabilityWindowTest::errors_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("written");

    const QStringList ring{"Edit1=10", "Edit2=2.5", "Edit3=12.7", "Edit4=7.15", "Edit5=4.9"};
    // A bad turns or inductance text leaves every label as it was.
    QTest::newRow("turns not a number") << "." << ring << "Edit1" << false << "x" << notANumber("10x")
                                        << QStringList{};
    QTest::newRow("inductance, lone minus") << "." << QStringList{} << "Edit2" << false << "-" << notANumber("-")
                                            << QStringList{};
    QTest::newRow("inductance, two commas") << "," << QStringList{"Edit1=10", "Edit2=,5"} << "Edit2" << true
                                            << "1," << notANumber("1,,5") << QStringList{};
    // A bad dimension text: AL is already updated.
    QTest::newRow("dimension not a number") << "." << ring << "Edit3" << false << "x" << notANumber("12.7x")
                                            << QStringList{"Label4=25.00"};
    QTest::newRow("coating, lone minus") << "." << ring + QStringList{"Edit6="} << "Edit6" << false << "-"
                                         << notANumber("-") << QStringList{"Label4=25.00"};
}

void AlPermeabilityWindowTest::errors() {
    QFETCH(QString, separator);
    QFETCH(QStringList, before);
    QFETCH(QString, field);
    QFETCH(bool, atStart);
    QFETCH(QString, keys);
    QFETCH(QString, message);
    QFETCH(QStringList, written);
    m_setup = std::make_unique<Setup>(separator);
    QWidget* window = &m_setup->window;
    typeFields(window, before);
    auto* target = control<QLineEdit>(window, field.toLatin1().constData());
    typeLastKeyMarked(window, target, atStart, keys, kOutputs);
    QCOMPARE(m_setup->context.recorder().messages, QStringList{message});
    verifyOutputs(window, kOutputs, written);
}

QTEST_MAIN(AlPermeabilityWindowTest)
#include "al_permeability_window_test.moc"
