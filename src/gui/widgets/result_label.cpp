// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/result_label.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace torvex::gui {

namespace {

// A whole number of thousands of digits has no blank to wrap at; the tooltip
// shows it in lines of this many characters.
constexpr qsizetype kTipLineLength = 100;

QString wrapped(const QString& text) {
    QString lines;
    for (qsizetype i = 0; i < text.size(); i += kTipLineLength) {
        if (i > 0)
            lines += QLatin1Char('\n');
        lines += text.mid(i, kTipLineLength);
    }
    return lines;
}

} // namespace

ResultLabel::ResultLabel(QWidget* parent) : QLabel(parent) {
    // A result is never markup, whatever characters it holds.
    setTextFormat(Qt::PlainText);
    // The user may select a result with the mouse to copy it (Ctrl+C copies
    // the selection); the field takes the focus only when clicked, and its
    // right-click menu stays the page's, with the results commands.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
}

QSize ResultLabel::sizeHint() const {
    QSize size = QLabel::sizeHint();
    if (minimumWidth() > 0)
        size.setWidth(minimumWidth());
    return size;
}

QSize ResultLabel::minimumSizeHint() const {
    QSize size = QLabel::minimumSizeHint();
    if (minimumWidth() > 0)
        size.setWidth(minimumWidth());
    return size;
}

// Where QLabel draws a plain text: inside the frame and margin, less the
// indent a framed label keeps from the side it is aligned to.
QRect ResultLabel::textRect() const {
    QRect rect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int inset = indent();
    if (inset < 0 && frameWidth() > 0)
        inset = fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (inset > 0) {
        const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
        if (align & Qt::AlignLeft)
            rect.setLeft(rect.left() + inset);
        if (align & Qt::AlignRight)
            rect.setRight(rect.right() - inset);
    }
    return rect;
}

QString ResultLabel::shownText() const { return fontMetrics().elidedText(text(), Qt::ElideRight, textRect().width()); }

bool ResultLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && shownText() != text()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), wrapped(text()), this);
        return true;
    }
    return QLabel::event(event);
}

void ResultLabel::paintEvent(QPaintEvent* event) {
    const QString shown = shownText();
    if (shown == text()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    style()->drawItemText(&painter, textRect(), int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), shown, foregroundRole());
}

} // namespace torvex::gui
