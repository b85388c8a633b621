// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>
#include <QToolButton>

#include "platform/contrast.h"
#include "platform/help_window.h"
#include "started_program.h"

using namespace torvex;
using gui::ContrastRatio;

namespace {

// qt6ct's "darker" scheme, a common dark desktop: role -> colour.
QPalette DarkDesktop() {
    // clang-format off
    const std::pair<QPalette::ColorRole, const char*> roles[] = {
        {QPalette::WindowText, "#ffffff"}, {QPalette::Button, "#424245"},      {QPalette::Light, "#979797"},
        {QPalette::Midlight, "#5e5c5b"},   {QPalette::Dark, "#302f2e"},        {QPalette::Mid, "#4a4947"},
        {QPalette::Text, "#ffffff"},       {QPalette::BrightText, "#ffffff"},  {QPalette::ButtonText, "#ffffff"},
        {QPalette::Base, "#3d3d3d"},       {QPalette::Window, "#222020"},      {QPalette::Shadow, "#e7e4e0"},
        {QPalette::Highlight, "#12608a"},  {QPalette::HighlightedText, "#f9f9f9"}, {QPalette::Link, "#0986d3"},
        {QPalette::LinkVisited, "#a70b06"}, {QPalette::AlternateBase, "#5c5b5a"}, {QPalette::ToolTipBase, "#3f3f36"},
        {QPalette::ToolTipText, "#ffffff"}, {QPalette::PlaceholderText, "#80ffffff"},
    };
    // clang-format on
    QPalette palette;
    for (const auto& [role, colour] : roles)
        palette.setColor(role, QColor(QLatin1String(colour)));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return palette;
}

struct Needed {
    double normal, bold, disabled;
};
constexpr Needed kOnDark{gui::kTextContrast, gui::kBoldTextContrast, 3.0};
constexpr Needed kOnLight{3.0, 3.0, 3.0};

QString Describe(const QWidget* w, const QColor& text, const QColor& background, double ratio) {
    return QStringLiteral("%1/%2: %3 on %4 = %5:1")
        .arg(w->window()->objectName(), w->objectName(), text.name(), background.name())
        .arg(ratio, 0, 'f', 2);
}

// Checks one text against every colour it may stand on; failures are collected.
int g_checked = 0; // texts checked, so that an empty walk cannot pass

void Check(QStringList& failures, const QWidget* w, const QColor& text, const QList<QColor>& backgrounds, bool bold,
           const Needed& needed) {
    ++g_checked;
    const double least = !w->isEnabled() ? needed.disabled : bold ? needed.bold : needed.normal;
    for (const QColor& background : backgrounds)
        if (const double ratio = ContrastRatio(text, background); ratio < least)
            failures << Describe(w, text, background, ratio);
}

// What a text without a background of its own stands on: the nearest
// painted parent, or the window; a page's controls also on the tab pane,
// which styles draw from the button colour.
QList<QColor> Behind(const QWidget* w, QPalette::ColorGroup group) {
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget()) {
        if (p->autoFillBackground())
            return {p->palette().color(group, p->backgroundRole())};
        if (qobject_cast<const QTabWidget*>(p))
            return {p->palette().color(group, QPalette::Window), p->palette().color(group, QPalette::Button)};
        if (p->isWindow())
            return {p->palette().color(group, QPalette::Window)};
    }
    return {};
}

void CheckVisibleTexts(QStringList& failures, QWidget* window, const Needed& needed) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QPalette& pal = w->palette();
        const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const bool bold = w->font().bold();
        auto own = [&](QPalette::ColorRole text, QPalette::ColorRole background) {
            Check(failures, w, pal.color(group, text), {pal.color(group, background)}, bold, needed);
        };
        auto onParent = [&](QPalette::ColorRole text) {
            Check(failures, w, pal.color(group, text),
                  w->autoFillBackground() ? QList<QColor>{pal.color(group, w->backgroundRole())} : Behind(w, group),
                  bold, needed);
        };
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
            onParent(label->foregroundRole());
        else if (qobject_cast<QLineEdit*>(w)) {
            own(QPalette::Text, QPalette::Base);
            // A disabled field greys its text, which still reads.
            const QColor greyed = pal.color(QPalette::Disabled, QPalette::Text);
            if (greyed == pal.color(QPalette::Active, QPalette::Text) ||
                ContrastRatio(greyed, pal.color(QPalette::Disabled, QPalette::Base)) < needed.disabled)
                failures << w->objectName() + QStringLiteral(" disabled: ") + greyed.name();
        } else if (auto* list = qobject_cast<QComboBox*>(w);
                   (list && !list->isEditable()) || qobject_cast<QPushButton*>(w))
            own(QPalette::ButtonText, QPalette::Button);
        else if (auto* button = qobject_cast<QAbstractButton*>(w); button && !qobject_cast<QToolButton*>(w))
            onParent(QPalette::WindowText); // radio buttons and check boxes
        else if (auto* box = qobject_cast<QGroupBox*>(w); box && !box->title().isEmpty())
            onParent(QPalette::WindowText);
        else if (qobject_cast<QTabBar*>(w))
            Check(failures, w, pal.color(group, QPalette::WindowText),
                  {pal.color(group, QPalette::Window), pal.color(group, QPalette::Button)}, bold, needed);
    }
}

// The colour a text of the help stands on: its own, its table cell's, or the page's.
QColor HelpBackground(const QTextCursor& at, const QTextCharFormat& format, const QColor& page) {
    if (format.background().style() != Qt::NoBrush)
        return format.background().color();
    if (const QTextTable* table = at.currentTable()) {
        const QTextTableCellFormat cell = table->cellAt(at).format().toTableCellFormat();
        if (cell.background().style() != Qt::NoBrush)
            return cell.background().color();
    }
    if (at.blockFormat().background().style() != Qt::NoBrush)
        return at.blockFormat().background().color();
    return page;
}

} // namespace

class ContrastTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextReads_data();
    void everyTextReads();
    void helpReads_data();
    void helpReads();
};

void ContrastTest::everyTextReads_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("languageId");
    QTest::newRow("dark, metric") << true << 1031;
    QTest::newRow("dark, US units") << true << 1033;
    QTest::newRow("light, metric") << false << 1031;
    QTest::newRow("light, US units") << false << 1033;
}

// The palette is the desktop's before any window exists, as at a real start.
void ContrastTest::everyTextReads() {
    QFETCH(bool, dark);
    QFETCH(int, languageId);
    QApplication::setPalette(dark ? DarkDesktop() : QApplication::style()->standardPalette());
    test::StartedProgram p(languageId, QStringLiteral("."));
    p.main()->show();
    for (const char* command :
         {"Info1", "Permeabilitt1", "Schwingkreis1", "RCu1", "Umrechnungminch1", "ferriteImpedanceAction"})
        p.action(command)->trigger();
    QCOMPARE(p.main()->windows().size(), 7);

    QStringList failures;
    g_checked = 0;
    auto* pages = p.find<QTabWidget>("PageControl1");
    QVERIFY(pages);
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        CheckVisibleTexts(failures, p.main(), dark ? kOnDark : kOnLight);
    }
    for (QWidget* window : p.main()->windows().mid(1))
        CheckVisibleTexts(failures, window, dark ? kOnDark : kOnLight);
    QVERIFY2(g_checked > 300, qPrintable(QString::number(g_checked)));
    failures.removeDuplicates();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void ContrastTest::helpReads_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("file");
    for (const char* file : {"torvex11_d.hlp", "torvex11_e.hlp"}) {
        QTest::addRow("dark %s", file) << true << QString::fromLatin1(file);
        QTest::addRow("light %s", file) << false << QString::fromLatin1(file);
    }
}

// Headings, table heads, the role colours of the tables and links.
void ContrastTest::helpReads() {
    QFETCH(bool, dark);
    QFETCH(QString, file);
    QApplication::setPalette(dark ? DarkDesktop() : QApplication::style()->standardPalette());
    gui::HelpWindow help;
    help.showContents(QFINDTESTDATA("../../../help/" + file));
    QVERIFY(help.window());
    auto* browser = help.window()->findChild<QTextBrowser*>();
    QVERIFY(browser);
    const QColor page = browser->palette().color(QPalette::Base);
    const QColor plain = browser->palette().color(QPalette::Text);
    const Needed needed = dark ? kOnDark : kOnLight;

    QStringList failures;
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.text().trimmed().isEmpty())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            QTextCursor at(browser->document());
            at.setPosition(fragment.position());
            const QColor text = format.foreground().style() != Qt::NoBrush ? format.foreground().color() : plain;
            const QColor background = HelpBackground(at, format, page);
            const double least = format.fontWeight() >= QFont::DemiBold ? needed.bold : needed.normal;
            if (const double ratio = ContrastRatio(text, background); ratio < least)
                failures << QStringLiteral("\"%1\": %2 on %3 = %4:1")
                                .arg(fragment.text().left(30), text.name(), background.name())
                                .arg(ratio, 0, 'f', 2);
        }
    }
    failures.removeDuplicates();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.mid(0, 20).join(QLatin1Char('\n'))));
}

QTEST_MAIN(ContrastTest)
#include "contrast_test.moc"
