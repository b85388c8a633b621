// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractItemView>
#include <QComboBox>
#include <QMap>
#include <QTabWidget>
#include <QTest>

#include "started_program.h"

using namespace torvex;

namespace {

// Lists with a line count of their own, per window; every other list shows
// at most 16 lines.
const QMap<QString, int> kOwnLines = {
    {QStringLiteral("TForm1/ComboBox2"), 16},  // iron-powder sizes
    {QStringLiteral("TForm1/ComboBox1"), 12},  // iron-powder mixes
    {QStringLiteral("TForm1/ComboBox5"), 18},  // FT sizes
    {QStringLiteral("TForm1/ComboBox6"), 12},  // FT materials
    {QStringLiteral("TForm1/ComboBox3"), 16},  // SIFERRIT sizes
    {QStringLiteral("TForm1/ComboBox16"), 16}, // Ferroxcube sizes
    {QStringLiteral("TForm1/ComboBox17"), 16}, // Ferroxcube materials
    {QStringLiteral("FerriteImpedanceWindow/sizeList"), 18},
};
constexpr int kMostLines = 16;

// The rows a list shows whole when it opens.
int RowsShown(QComboBox* list) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QRect shown = view->viewport()->rect();
    int rows = 0;
    for (int row = 0; row < list->count(); ++row)
        if (shown.contains(view->visualRect(view->model()->index(row, 0))))
            ++rows;
    list->hidePopup();
    return rows;
}

} // namespace

class ListPopupTest : public QObject {
    Q_OBJECT
private slots:
    void listsOpenWithTheirLineCount_data();
    void listsOpenWithTheirLineCount();
};

void ListPopupTest::listsOpenWithTheirLineCount_data() {
    QTest::addColumn<int>("languageId");
    QTest::newRow("metric") << 1031;
    QTest::newRow("US units, the gauge lists") << 1033;
}

void ListPopupTest::listsOpenWithTheirLineCount() {
    QFETCH(int, languageId);
    test::StartedProgram p(languageId, QStringLiteral("."));
    p.main()->show();
    for (const char* command : {"Permeabilitt1", "Schwingkreis1", "RCu1", "Umrechnungminch1", "ferriteImpedanceAction"})
        p.action(command)->trigger();

    auto* pages = p.find<QTabWidget>("PageControl1");
    QVERIFY(pages);
    QStringList seen;
    auto check = [&](QWidget* window) {
        for (QComboBox* list : window->findChildren<QComboBox*>()) {
            if (!list->isVisible() || list->count() == 0)
                continue;
            const QString name = window->objectName() + QLatin1Char('/') + list->objectName();
            if (seen.contains(name))
                continue;
            seen << name;
            const int most = kOwnLines.value(name, kMostLines);
            const int rows = RowsShown(list);
            QVERIFY2(rows == std::min(list->count(), most), qPrintable(name + QStringLiteral(": %1").arg(rows)));
        }
    };
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        check(p.main());
    }
    for (QWidget* window : p.main()->windows().mid(1))
        check(window);
    for (const QString& name : kOwnLines.keys())
        QVERIFY2(seen.contains(name), qPrintable(name));
}

QTEST_MAIN(ListPopupTest)
#include "list_popup_test.moc"
