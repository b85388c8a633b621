// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pages/page_sheet.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "pages/page.h"
#include "widgets/captions.h"

namespace torvex::gui {

PageSheet::PageSheet(const char* objectName, int tag, int helpContext, Builder builder, QWidget* parent)
    : QWidget(parent), m_builder(std::move(builder)) {
    setObjectName(QLatin1String(objectName));
    setProperty("tag", tag);
    setProperty("helpContext", helpContext);
}

Page& PageSheet::build() {
    if (!m_page) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        m_page = m_builder(this);
        layout->addWidget(m_page);
        LinkCaptionsToFields(m_page);
        m_page->catchUp();
        emit built(m_page);
    }
    return *m_page;
}

void PageSheet::reserve(QSize area) {
    m_reserved = area;
    updateGeometry();
}

QSize PageSheet::sizeHint() const { return m_reserved.expandedTo(QWidget::sizeHint()); }

// The page control shows a page with show(), which comes here; building
// before the sheet itself is shown lets its controls be shown with it.
void PageSheet::setVisible(bool visible) {
    if (visible)
        build();
    QWidget::setVisible(visible);
}

// The pages' size hints, measured at font sizes from 10 to 18 pixels and
// fitted: the height in lines of text and entry-field rows (the air-coil
// page is the tallest), the width in text (the air-coil or the ferrite FT
// page is the widest). Within three pixels there; the window grows if a
// page ever needs more.
QSize ReservedPageArea(const QWidget& sheet) {
    const QFontMetrics fm = sheet.fontMetrics();
    const QStyle* style = sheet.style();
    // An entry field's height as QLineEdit asks the style for it: its text,
    // at least 14 pixels, and a pixel above and below.
    QStyleOptionFrame field;
    field.initFrom(&sheet);
    field.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &field, nullptr);
    const int fieldHeight =
        style->sizeFromContents(QStyle::CT_LineEdit, &field, QSize(0, std::max(fm.height(), 14) + 2), nullptr).height();
    const int text = fm.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    return {int(std::ceil(2.6 * text + 131)), int(std::ceil(7.2 * fm.height() + 2.5 * fieldHeight + 137))};
}

} // namespace torvex::gui
