// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include "platform/contrast.h"

class QPalette;
class QWidget;

namespace torvex::gui {

// The colours that mark the roles of fields. They are the same on a light and
// a dark desktop: a user learns them from the help ("yellow: a list").
inline const QColor kListYellow{255, 255, 0};    // selection lists that must hold a choice
inline const QColor kEntryLime{0, 255, 0};       // entry fields
inline const QColor kTurnsGreen{0, 128, 0};      // turns field of the second calculation
inline const QColor kResultWhite{255, 255, 255}; // result fields
inline const QColor kMessageRed{255, 0, 0};
inline const QColor kFooterBlue{0, 0, 255};
inline const QColor kCodeBlue{0, 0, 255};
inline const QColor kRangeGrey{128, 128, 128};

// What a field with a background of its own is. Each kind comes with the
// text colour that reads on that background, so that the field reads on a
// light desktop and on a dark one alike.
enum class Paint {
    List,           // yellow, black text
    Entry,          // lime, black text
    Turns,          // dark green, white text
    Result,         // white, black text
    Tooltip,        // the desktop's tooltip colours
    Message,        // red on the tooltip colour
    OrderingCode,   // white on blue
    FrequencyRange, // white on grey
};

struct PaintColours {
    QColor background;
    QColor text;
    QColor disabledText; // still readable, yet plainly greyed
};

// The colours of a kind of field under a desktop palette.
PaintColours ColoursOf(Paint paint, const QPalette& desktop);

// The colour a forced text colour without a background of its own is drawn
// in: itself on a light desktop, a lighter shade of itself on a dark one that
// reads on the window and on a page's tab pane.
QColor TextShade(const QColor& text, const QPalette& desktop, bool bold);

// The platform's tooltip background, used behind messages and the tool bar.
QColor tooltipBackground();

// Gives the widget the colours of its kind, and follows a change of the
// desktop's palette while the program runs.
void paint(QWidget* w, Paint paint);
// A text colour of its own on the window's background (bold or not as the
// widget's font is when the colour is set); it follows the palette too.
void setTextColour(QWidget* w, const QColor& c);
// Paint without a text: the halves of a colour code.
void setBackground(QWidget* w, const QColor& c);
// Back to the window's own face colour.
void clearBackground(QWidget* w);

} // namespace torvex::gui
