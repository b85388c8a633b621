// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor: the least a Qt Widgets program with Torvex's main window can
// cost. One main window with a menu bar (as many menus and commands as
// Torvex's), a tool bar of six buttons with the style's own icons and a
// status line; six tab pages, and on them as many labels, line edits and
// lists (with as many list items) as the real main window holds on all its
// pages, laid out in grids, with nothing computed. It quits after its first
// paint.

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>

#include <array>

#include "first_paint.h"

namespace {

struct PageCounts {
    int labels, edits, combos, editableCombos, comboItems;
};

// Counted at run time from the real main window by bench_count_controls
// (German start, metric units): 242 labels, 26 line edits, 21 lists (one of
// them editable, whose edit part is not among the 26) with 254 items.
// clang-format off
constexpr std::array<PageCounts, 6> kPages{{
    {46, 3, 4, 0, 44},  // iron powder
    {47, 3, 4, 0, 38},  // ferrite FT
    {43, 3, 4, 0, 35},  // SIFERRIT
    {42, 3, 4, 0, 121}, // Ferroxcube
    {31, 7, 3, 0, 12},  // unknown cores
    {33, 7, 2, 1, 4},   // air coils
}};

QWidget* MakePage(const PageCounts& counts) {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    // Four to a row: the labels, then the edits, then the lists.
    constexpr int kColumns = 4;
    for (int i = 0; i < counts.labels; ++i)
        grid->addWidget(new QLabel(QStringLiteral("Label %1").arg(i)), i / kColumns, i % kColumns);
    int row = (counts.labels + kColumns - 1) / kColumns;
    for (int i = 0; i < counts.edits; ++i)
        grid->addWidget(new QLineEdit, row + i / kColumns, i % kColumns);
    row += (counts.edits + kColumns - 1) / kColumns;
    for (int i = 0; i < counts.combos; ++i) {
        auto* box = new QComboBox;
        box->setEditable(i < counts.editableCombos);
        const int items = counts.comboItems / counts.combos + (i < counts.comboItems % counts.combos ? 1 : 0);
        for (int k = 0; k < items; ++k)
            box->addItem(QStringLiteral("Item %1").arg(k));
        box->setCurrentIndex(0);
        grid->addWidget(box, row + i / kColumns, i % kColumns);
    }
    return page;
}
// clang-format on

// Torvex's menu bar: two commands of their own and three menus.
void AddMenus(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    bar->addAction(QStringLiteral("&Info"));
    for (const auto& [title, items] : {std::pair{"&Tools", 5}, {"&Language", 2}, {"&Units", 2}}) {
        QMenu* menu = bar->addMenu(QLatin1String(title));
        for (int i = 0; i < items; ++i)
            menu->addAction(QStringLiteral("Command %1").arg(i + 1))->setCheckable(items == 2);
    }
    bar->addAction(QStringLiteral("&Help"));
}

void AddToolBar(QMainWindow& window) {
    QToolBar* bar = window.addToolBar(QStringLiteral("Tools"));
    constexpr QStyle::StandardPixmap kIcons[] = {QStyle::SP_FileIcon,
                                                 QStyle::SP_DirIcon,
                                                 QStyle::SP_ComputerIcon,
                                                 QStyle::SP_DriveHDIcon,
                                                 QStyle::SP_FileDialogDetailedView,
                                                 QStyle::SP_DialogHelpButton};
    for (QStyle::StandardPixmap icon : kIcons)
        bar->addAction(window.style()->standardIcon(icon), QString());
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* tabs = new QTabWidget;
    for (std::size_t i = 0; i < kPages.size(); ++i)
        tabs->addTab(MakePage(kPages[i]), QStringLiteral("Page %1").arg(i + 1));
    window.setCentralWidget(tabs);
    AddMenus(window);
    AddToolBar(window);
    window.statusBar()->showMessage(QString());
    new QuitAfterFirstPaint(&window);
    window.show();
    return app.exec();
}
