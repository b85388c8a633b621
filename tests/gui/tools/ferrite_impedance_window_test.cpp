// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ferrite impedance window, loaded from its module as the program loads
// it, on a stand-in main window.

#include <QChartView>
#include <QCoreApplication>
#include <QFile>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ferrite/ferrite_impedance.h"
#include "ferrite/shipped_files.h"
#include "platform/settings_store.h"
#include "support/fake_window_context.h"
#include "support/ui_helpers.h"
#include "tools/ferrite_window_opener.h"

using namespace torvex;
using torvex::gui::FerriteWindowLoader;
using torvex::gui::FerriteWindowOpener;
using torvex::test::choose;
using torvex::test::control;
using torvex::test::labelText;
using torvex::test::retype;

namespace {

constexpr int kFt240 = 17; // in the size list
constexpr int kMaterial43 = 1;

const char* const kOutputs[] = {"muRealLabel",    "muImagLabel", "inductanceLabel", "resistanceLabel", "reactanceLabel",
                                "impedanceLabel", "qLabel",      "resonanceLabel",  "chokeTurnsLabel"};

// The window on a stand-in program, decimal comma, German; what it asks the
// program for is recorded.
struct Opened {
    explicit Opened(QStringList folders = FerriteWindowLoader::defaultFolders(QCoreApplication::applicationDirPath()))
        : opener(
              context, std::move(folders), [this](int c) { helpContexts << c; }, [this] { return page; }) {
        opener.setFileChooser([this](QWidget*, const QString&, const QString&) { return chosenFile; });
    }
    QWidget* open() { return opener.open(); }
    QStringList errors() { return context.recorder().messages; }

    torvex::test::FakeWindowContext context{QStringLiteral(",")};
    std::optional<FtPageState> page;
    QString chosenFile;
    QList<int> helpContexts;
    FerriteWindowOpener opener;
};

QXYSeries* series(QWidget* w, const char* name) {
    auto* plot = control<QChartView>(w, "impedancePlot");
    return plot ? plot->chart()->findChild<QXYSeries*>(QLatin1String(name)) : nullptr;
}

QByteArray shipped(std::string_view material) {
    for (const ShippedFile& file : ShippedMaterialFiles())
        if (file.material == material)
            return QByteArray(file.bytes.data(), qsizetype(file.bytes.size()));
    return {};
}

} // namespace

class FerriteImpedanceWindowTest : public QObject {
    Q_OBJECT
private slots:
    void typedCase_data();
    void typedCase();
    void plotFollowsTheInputs();
    void import_data();
    void import();
    void keptMaterialsReturn();
    void takeOver_data();
    void takeOver();
    void followsTheLanguageAndHelp();
    void missingModuleIsReported();
};

void FerriteImpedanceWindowTest::typedCase_data() {
    QTest::addColumn<QString>("frequency"); // typed with ".", the key filter makes it ","
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("shown"); // kOutputs in order, "|" between them
    QTest::addColumn<QString>("message");
    // The help's worked example, FT240 in 43, 11 turns, 2 pF: 2.02 + j2.75, 5.77 - j2.46, 1.09 - j2.83 kOhm.
    // clang-format off
    QTest::newRow("3.6 MHz") << "3.6" << 1 << "687.6|423.3|113.8 µH|2.017 kΩ|2.750 kΩ|3.410 kΩ|1.624|10.64 MHz|9"
                             << "";
    QTest::newRow("14 MHz") << "14" << 1 << "226.9|293.1|37.55 µH|5.774 kΩ|-2.462 kΩ|6.277 kΩ|0.7741|10.64 MHz|9"
                            << "";
    QTest::newRow("30 MHz") << "30" << 1 << "117.3|202.7|19.42 µH|1.085 kΩ|-2.825 kΩ|3.027 kΩ|0.5788|10.64 MHz|9"
                            << "";
    // clang-format on
    // What depends on the frequency has no value; the resonance and the choke do.
    // clang-format off
    QTest::newRow("5 kHz, below the data")
        << "5" << 0 << "—|—|—|—|—|—|—|10.64 MHz|9"
        << "Die Frequenz liegt außerhalb der Daten des Materials (10.00 kHz bis 3.000 GHz).";
    // clang-format on
}

// Typed as a user types: every key recomputes, the last state shows.
void FerriteImpedanceWindowTest::typedCase() {
    QFETCH(QString, frequency);
    QFETCH(int, unit);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    Opened o;
    QWidget* w = o.open();
    QVERIFY(w);
    QCOMPARE(w->objectName(), QStringLiteral("FerriteImpedanceWindow"));
    choose(control<QComboBox>(w, "sizeList"), kFt240);
    choose(control<QComboBox>(w, "materialList"), kMaterial43);
    control<QSpinBox>(w, "stackSpin")->setValue(1);
    retype(control<QLineEdit>(w, "turnsField"), "11");
    retype(control<QLineEdit>(w, "capacitanceField"), "2");
    choose(control<QComboBox>(w, "frequencyUnitList"), unit);
    retype(control<QLineEdit>(w, "frequencyField"), frequency);
    QCOMPARE(control<QLineEdit>(w, "frequencyField")->text(), QString(frequency).replace('.', ','));
    const QStringList expected = shown.split(QLatin1Char('|'));
    QCOMPARE(expected.size(), qsizetype(std::size(kOutputs)));
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(labelText(w, kOutputs[i]), expected[i]);
    QCOMPARE(labelText(w, "dataMessageLabel"), message);
    QVERIFY(o.errors().isEmpty());
}

// The curves are the engine's for the inputs shown, redrawn on every change.
void FerriteImpedanceWindowTest::plotFollowsTheInputs() {
    Opened o;
    QWidget* w = o.open();
    QVERIFY(w);
    const MaterialList materials;
    const Settings german{",", UnitSystem::Metric, Language::German};
    FerriteImpedanceInput in = DefaultFerriteImpedanceInput(materials, german);
    for (const char* turns : {"11", "25", "8"}) {
        retype(control<QLineEdit>(w, "turnsField"), turns);
        in.turns = turns;
        const ImpedanceCurves curves = *FerriteImpedance(in, materials, german).curves;
        QXYSeries* magnitude = series(w, "magnitudeSeries");
        QXYSeries* reactance = series(w, "reactanceSeries");
        QVERIFY(magnitude && reactance);
        QCOMPARE(magnitude->count(), qsizetype(curves.points.size()));
        QCOMPARE(reactance->count(), qsizetype(curves.points.size()));
        // The plot is in MHz and kΩ here (|Z| reaches some kΩ at every row).
        const ImpedancePoint& last = curves.points.back();
        QCOMPARE(magnitude->at(magnitude->count() - 1),
                 QPointF(double(last.frequency / 1e6), double(last.magnitude / 1e3)));
        QCOMPARE(series(w, "workingSeries")->at(0).x(), 3.6);
        QCOMPARE(series(w, "resonanceSeries")->at(0).x(), double(curves.resonance->frequency / 1e6));
    }
    // A frequency outside the data has no marker; the curves stay.
    retype(control<QLineEdit>(w, "frequencyField"), "5000");
    QCOMPARE(series(w, "workingSeries")->count(), 0);
    QVERIFY(series(w, "magnitudeSeries")->count() > kCurveSamples);
}

void FerriteImpedanceWindowTest::import_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("listed"); // the new entry; empty when refused
    QTest::addColumn<QString>("message");
    const QByteArray good = shipped("61");
    // clang-format off
    QTest::newRow("a shipped file") << good << "61 material"
                                    << "";
    QTest::newRow("a name in use") << QByteArray(good).replace("61 material", "43") << "43 (2)"
                                   << "";
    QTest::newRow("a word for a number") << QByteArray(shipped("43")).replace("\n100000,", "\nhundred,") << ""
                                         << QString::fromUtf8(TableErrorMessage({TableFault::NotANumber, 6, "hundred"},
                                                                                "table.csv", Language::German));
    QTest::newRow("over 1 MB") << QByteArray(int(kMaxTableBytes) + 10, 'x') << ""
                               << QString::fromUtf8(
                                      TableErrorMessage({TableFault::TooLarge, 0, ""}, "table.csv", Language::German));
    // clang-format on
}

// A good file is listed and chosen; a bad one gets one message and nothing
// changes.
void FerriteImpedanceWindowTest::import() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, listed);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QFile file(folder.filePath("table.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    Opened o;
    o.chosenFile = file.fileName();
    QWidget* w = o.open();
    auto* list = control<QComboBox>(w, "materialList");
    const int before = list->count();
    const QString resonance = labelText(w, "resonanceLabel");
    QTest::mouseClick(control<QPushButton>(w, "importButton"), Qt::LeftButton);
    if (listed.isEmpty()) {
        QCOMPARE(o.errors(), QStringList{message});
        QCOMPARE(list->count(), before);
        QCOMPARE(list->currentText(), QStringLiteral("43"));
        QCOMPARE(labelText(w, "resonanceLabel"), resonance);
        QVERIFY(o.opener.keptMaterials().isEmpty());
    } else {
        QVERIFY(o.errors().isEmpty());
        QCOMPARE(list->count(), before + 1);
        QCOMPARE(list->currentText(), listed);
        QVERIFY(labelText(w, "resonanceLabel") != resonance); // 61 is not 43
        QCOMPARE(o.opener.keptMaterials().size(), 1);
    }
}

// What one run kept, the next lists after the shipped tables and chooses
// again, through the settings file; a file that cannot be read is reported
// and nothing is kept, a kept table that no longer reads is left out quietly.
void FerriteImpedanceWindowTest::keptMaterialsReturn() {
    gui::StoredValues stored;
    {
        Opened first;
        first.chosenFile = QStringLiteral("/nonexistent/folder/none.csv");
        QWidget* w = first.open();
        QTest::mouseClick(control<QPushButton>(w, "importButton"), Qt::LeftButton);
        QCOMPARE(first.errors(),
                 QStringList{"Die Datei „none.csv“ wurde nicht importiert: Sie lässt sich nicht lesen."});
        QTemporaryDir folder;
        QFile file(folder.filePath("mine.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(shipped("31")).replace("31 material", "Mine"));
        file.close();
        first.chosenFile = file.fileName();
        QTest::mouseClick(control<QPushButton>(w, "importButton"), Qt::LeftButton);
        first.opener.storeState(stored);
    }
    const QString key = QLatin1String(gui::kFerriteWindowName);
    QTemporaryDir settings;
    {
        gui::SettingsStore store(settings.path());
        stored.set(QStringLiteral("materials"), *stored.texts(QStringLiteral("materials")) << QStringLiteral("x,y"));
        store.store(key, stored);
        QVERIFY(store.write());
    }
    Opened next;
    next.opener.restoreState(gui::SettingsStore(settings.path()).group(key));
    auto* list = control<QComboBox>(next.open(), "materialList");
    QCOMPARE(list->count(), 11);
    QCOMPARE(list->itemText(10), QStringLiteral("Mine"));
    QCOMPARE(list->currentText(), QStringLiteral("Mine"));
    QVERIFY(next.errors().isEmpty());
}

void FerriteImpedanceWindowTest::takeOver_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("material"); // position in the page's list
    QTest::addColumn<QString>("typedTurns");
    QTest::addColumn<double>("computedTurns");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("unit");             // Hz, kHz, MHz, GHz
    QTest::addColumn<QStringList>("expected"); // size, material, turns, frequency, unit
    // clang-format off
    QTest::newRow("75 (J), computed turns, kHz")
        << 11 << 6 << "" << 7.2 << "1500" << 1 << QStringList{"FT140", "75", "8", "1500", "kHz"};
    QTest::newRow("F has no data, typed turns, Hz")
        << 5 << 8 << "14" << 3.0 << "250000" << 0 << QStringList{"FT82", "43", "14", "250", "kHz"};
    // clang-format on
}

// Opening the window with the ferrite page in front takes the page over;
// closing and opening again takes it over again.
void FerriteImpedanceWindowTest::takeOver() {
    QFETCH(int, size);
    QFETCH(int, material);
    QFETCH(QString, typedTurns);
    QFETCH(double, computedTurns);
    QFETCH(QString, frequency);
    QFETCH(int, unit);
    QFETCH(QStringList, expected);
    Opened o;
    QWidget* w = o.open();
    QVERIFY(w->close());
    o.page = FtPageState{size, material, typedTurns.toStdString(), computedTurns, frequency.toStdString(), unit};
    o.open();
    QCOMPARE(control<QComboBox>(w, "sizeList")->currentText(), expected[0]);
    QCOMPARE(control<QComboBox>(w, "materialList")->currentText(), expected[1]);
    QCOMPARE(control<QLineEdit>(w, "turnsField")->text(), expected[2]);
    QCOMPARE(control<QLineEdit>(w, "frequencyField")->text(), expected[3]);
    QCOMPARE(control<QComboBox>(w, "frequencyUnitList")->currentText(), expected[4]);
    // Recomputed with what it took over.
    const MaterialList materials;
    const Settings german{",", UnitSystem::Metric, Language::German};
    FerriteImpedanceInput in = DefaultFerriteImpedanceInput(materials, german);
    in.size = size;
    in.material = control<QComboBox>(w, "materialList")->currentIndex();
    in.turns = expected[2].toStdString();
    in.frequency = expected[3].toStdString();
    in.frequencyUnit = 0;
    QCOMPARE(labelText(w, "impedanceLabel"),
             QString::fromStdString(*FerriteImpedance(in, materials, german).shown.impedance));
}

void FerriteImpedanceWindowTest::followsTheLanguageAndHelp() {
    Opened o;
    QWidget* w = o.open();
    auto* plot = control<QChartView>(w, "impedancePlot");
    const struct {
        Language language;
        const char *title, *import, *axis, *source;
    } shown[] = {
        {Language::English, " Ferrite Impedance (RF)", "Import Material…", "Impedance (kΩ)",
         "Material data: Fair-Rite Products Corp."},
        {Language::German, " Ferrit-Impedanz (HF)", "Material importieren…", "Impedanz (kΩ)",
         "Materialdaten: Fair-Rite Products Corp."},
    };
    for (const auto& s : shown) {
        o.context.settings().setLanguage(s.language);
        QCOMPARE(w->windowTitle(), QString::fromUtf8(s.title));
        QCOMPARE(control<QPushButton>(w, "importButton")->text(), QString::fromUtf8(s.import));
        QCOMPARE(plot->chart()->axes(Qt::Vertical).at(0)->titleText(), QString::fromUtf8(s.axis));
        QCOMPARE(labelText(w, "sourceLabel"), QString::fromUtf8(s.source));
    }
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(control<QLineEdit>(w, "turnsField"), Qt::Key_F1);
    QCOMPARE(o.helpContexts, QList<int>{54});
}

// Without its module the command says so once, and nothing else happens.
void FerriteImpedanceWindowTest::missingModuleIsReported() {
    QTemporaryDir empty;
    Opened o({empty.path()});
    QCOMPARE(o.open(), nullptr);
    QCOMPARE(o.errors().size(), 1);
    QVERIFY(o.errors()[0].contains(FerriteWindowLoader::moduleFileName()));
    QVERIFY(o.errors()[0].contains(empty.path()));
}

QTEST_MAIN(FerriteImpedanceWindowTest)
#include "ferrite_impedance_window_test.moc"
