#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <memory>

#include "support/fake_main_context.h"
#include "support/ui_helpers.h"
#include "tools/tool_windows.h"

using namespace torvex::gui;
using torvex::test::FakeMainContext;

namespace {

// Notes what the window holds when it takes the start language, which must
// be the last step of its creation.
class WatchingContext : public FakeMainContext {
public:
    using FakeMainContext::FakeMainContext;
    void invokeStartLanguage() override {
        FakeMainContext::invokeStartLanguage();
        registeredBeforeLanguage = registered.size();
        componentsAtLanguage = registered.isEmpty() ? -1 : int(registered.last()->findChildren<QWidget*>().size());
    }
    qsizetype registeredBeforeLanguage = 0;
    int componentsAtLanguage = -1;
};

std::unique_ptr<ToolWindow> create(const QString& name, MainContext& context) {
    if (name == QLatin1String("TForm2"))
        return std::make_unique<TForm2>(context);
    if (name == QLatin1String("TForm4"))
        return std::make_unique<TForm4>(context);
    return std::make_unique<TForm5>(context);
}

} // namespace

class ToolWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void creation_data();
    void creation();
    void keyFilter_data();
    void keyFilter();
};

void ToolWindowsTest::creation_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tag");
    QTest::addColumn<int>("helpContext");
    QTest::addColumn<QStringList>("components"); // "name" or "name=tag"
    QTest::newRow("resonant circuit") << "TForm2" << 352 << 51
        << QStringList{"GroupBox1", "GroupBox2", "GroupBox3", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6",
                       "ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "ComboBox6",
                       "Label1", "Label2", "Label3", "Label4", "Label5", "Label6"};
    QTest::newRow("copper resistance") << "TForm4" << 354 << 52
        << QStringList{"Edit1", "Edit3", "ComboBox1", "ComboBox2", "Label1=241", "Label2", "Label3", "Label4",
                       "Label5=245", "Label6", "Label7", "Label8", "Label9", "Label10=250", "Label11", "Label12"};
    QTest::newRow("metric conversion") << "TForm5" << 355 << 53
        << QStringList{"GroupBox1", "GroupBox2", "GroupBox3", "Edit1", "Edit2", "Edit3", "ComboBox1", "ComboBox2",
                       "ComboBox3", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8",
                       "Label9", "Label10", "Label11", "Label12", "Label13"};
}

void ToolWindowsTest::creation() {
    QFETCH(QString, window);
    QFETCH(QStringList, components);
    WatchingContext context;
    QPointer<ToolWindow> w = create(window, context).release();
    QCOMPARE(w->objectName(), window);
    QTEST(w->property("tag").toInt(), "tag");
    QTEST(w->property("helpContext").toInt(), "helpContext");
    for (const QString& entry : components) {
        const QStringList parts = entry.split('=');
        QWidget* component = w->findChild<QWidget*>(parts[0]);
        QVERIFY2(component, qPrintable(entry));
        QCOMPARE(component->property("tag").toInt(), parts.size() > 1 ? parts[1].toInt() : 0);
    }

    // Registered once, hidden, and the start language applied last.
    QCOMPARE(context.registered, QList<QWidget*>{w.data()});
    QCOMPARE(context.startLanguageCalls, 1);
    QCOMPARE(context.registeredBeforeLanguage, 1);
    QCOMPARE(context.componentsAtLanguage, int(w->findChildren<QWidget*>().size()));
    QVERIFY(w->isHidden());

    // Closing only hides; the inputs stay.
    auto* edit = torvex::test::control<QLineEdit>(w, "Edit1");
    w->showAndRaise();
    torvex::test::retype(edit, "5");
    QVERIFY(w->close());
    QVERIFY(w && w->isHidden());
    w->showAndRaise();
    QVERIFY(w->isVisible());
    QCOMPARE(edit->text(), QStringLiteral("5"));
    delete w.data();
}

void ToolWindowsTest::keyFilter_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("filtered");
    QTest::addColumn<QStringList>("unfiltered");
    QTest::newRow("resonant circuit") << "TForm2" << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"}
                                      << QStringList{};
    QTest::newRow("copper resistance") << "TForm4" << QStringList{"Edit1", "ComboBox2"} << QStringList{"Edit3"};
    QTest::newRow("metric conversion") << "TForm5" << QStringList{"Edit1", "Edit2", "Edit3"} << QStringList{};
}

void ToolWindowsTest::keyFilter() {
    QFETCH(QString, window);
    QFETCH(QStringList, filtered);
    QFETCH(QStringList, unfiltered);
    FakeMainContext context(",");
    const std::unique_ptr<ToolWindow> w = create(window, context);
    auto typed = [&](const QString& name) {
        QWidget* field = w->findChild<QWidget*>(name);
        torvex::test::retype(field, "1.5");
        if (auto* combo = qobject_cast<QComboBox*>(field))
            return combo->currentText();
        return qobject_cast<QLineEdit*>(field)->text();
    };
    for (const QString& name : filtered)
        QVERIFY2(typed(name) == QLatin1String("1,5"), qPrintable(name));
    for (const QString& name : unfiltered)
        QVERIFY2(typed(name) == QLatin1String("1.5"), qPrintable(name));
}

QTEST_MAIN(ToolWindowsTest)
#include "tool_windows_test.moc"
