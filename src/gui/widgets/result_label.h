// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace torvex::gui {

// A white result field of a fixed-size window. The engine never cuts a number,
// so a typed value like "1e4000" gives a text thousands of characters long;
// this label keeps its reserved width whatever it shows. A text that does not
// fit is shown elided with "…" (never cut silently, so no digit on screen is
// wrong), text() stays the whole text, and the tooltip shows it whole.
class ResultLabel : public QLabel {
    Q_OBJECT
public:
    explicit ResultLabel(QWidget* parent = nullptr);

    // The width comes from the minimum width the window reserved for the
    // field, never from the text.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The text as it is drawn: text(), or its elided form when it is too wide.
    QString shownText() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const;
};

} // namespace torvex::gui
