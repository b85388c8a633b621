// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <memory>

#include "support/fake_window_context.h"
#include "support/ui_helpers.h"
#include "tools/about_window.h"
#include "tools/al_permeability_window.h"
#include "tools/conversion_window.h"
#include "tools/copper_resistance_window.h"
#include "tools/resonance_window.h"

using namespace torvex;
using namespace torvex::gui;
using torvex::test::FakeWindowContext;

namespace {

std::unique_ptr<QWidget> create(const QString& name, WindowContext& context) {
    if (name == QLatin1String("TForm2"))
        return std::make_unique<ResonanceWindow>(context);
    if (name == QLatin1String("TForm3"))
        return std::make_unique<AlPermeabilityWindow>(context);
    if (name == QLatin1String("TForm4"))
        return std::make_unique<CopperResistanceWindow>(context);
    if (name == QLatin1String("TForm5"))
        return std::make_unique<ConversionWindow>(context);
    return std::make_unique<AboutWindow>(context);
}

} // namespace

class ToolWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void followTheLanguage_data();
    void followTheLanguage();
    void closingOnlyHides_data();
    void closingOnlyHides();
    void keyFilter_data();
    void keyFilter();
};

void ToolWindowsTest::followTheLanguage_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    // clang-format off
    QTest::newRow("resonant circuit") << "TForm2" << " Schwingkreis-Berechnung" << " Calculating Resonant Circuits";
    QTest::newRow("AL and permeability") << "TForm3" << " AL und µi ermitteln" << " Determine AL and µi";
    QTest::newRow("copper resistance") << "TForm4" << " R Cu berechnen" << " Resistance of Copper Wire";
    QTest::newRow("metric conversion") << "TForm5" << " Umrechnung Inch (Zoll) <-> Meter" << " Metric Conversion";
    QTest::newRow("About") << "TAboutBox" << " Software für Funkamateure" << " Software for Radio Amateurs";
    // clang-format on
}

// Built, a window speaks the language shown now; afterwards it follows every
// change, hidden or not.
void ToolWindowsTest::followTheLanguage() {
    QFETCH(QString, window);
    FakeWindowContext context(".", false, true);
    const std::unique_ptr<QWidget> w = create(window, context);
    QCOMPARE(w->objectName(), window);
    QVERIFY(w->isHidden());
    QTEST(w->windowTitle(), "english");
    context.settings().setLanguage(Language::German);
    QTEST(w->windowTitle(), "german");
    context.settings().setLanguage(Language::English);
    QTEST(w->windowTitle(), "english");
}

void ToolWindowsTest::closingOnlyHides_data() {
    QTest::addColumn<QString>("window");
    for (const char* name : {"TForm2", "TForm3", "TForm4", "TForm5"})
        // clang-format off
        QTest::newRow(name) << name;
    // clang-format on
}

void ToolWindowsTest::closingOnlyHides() {
    QFETCH(QString, window);
    FakeWindowContext context;
    QPointer<ToolWindow> w = static_cast<ToolWindow*>(create(window, context).release());
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
    // clang-format off
    QTest::newRow("resonant circuit") << "TForm2" << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"}
                                      << QStringList{};
    QTest::newRow("AL and permeability") << "TForm3"
                                         << QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6"}
                                         << QStringList{};
    QTest::newRow("copper resistance") << "TForm4" << QStringList{"Edit1", "ComboBox2"} << QStringList{"Edit3"};
    QTest::newRow("metric conversion") << "TForm5" << QStringList{"Edit1", "Edit2", "Edit3"} << QStringList{};
    // clang-format on
}

void ToolWindowsTest::keyFilter() {
    QFETCH(QString, window);
    QFETCH(QStringList, filtered);
    QFETCH(QStringList, unfiltered);
    FakeWindowContext context(",");
    const std::unique_ptr<QWidget> w = create(window, context);
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
