// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

class QFontMetrics;

namespace torvex::gui {

class Page;

// A page of the main window's page control. The sheet is there from the
// start, so that its tab shows its caption and F1 finds its help context;
// the page on it, with all its controls, is built the first time the sheet
// is shown, and at once catches up with the language and units shown and
// computes.
// Until then the sheet holds the room its page will need, so that the
// window keeps its size when the page comes; a page that needs more than
// that gets it (the window grows) rather than being cut.
class PageSheet : public QWidget {
    Q_OBJECT
public:
    // Makes the page as a child of the sheet.
    using Builder = std::function<Page*(QWidget* sheet)>;

    // objectName "TabSheet1"...; tag selects the tab's caption; helpContext for F1.
    PageSheet(const char* objectName, int tag, int helpContext, Builder builder, QWidget* parent = nullptr);

    // The page, built on the first call.
    Page& build();
    bool isBuilt() const { return m_page != nullptr; }

    void reserve(QSize area);
    QSize sizeHint() const override;
    void setVisible(bool visible) override;

signals:
    // The page has just been built and has caught up with the language and
    // units: the moment to give it what the user left in it last time.
    void built(torvex::gui::Page* page);

private:
    Builder m_builder;
    Page* m_page = nullptr;
    QSize m_reserved{0, 0};
};

// The room the largest page needs in the font and style of `sheet`, from the
// font's measures alone, so that no page has to be built to know it.
QSize ReservedPageArea(const QWidget& sheet);

} // namespace torvex::gui
